// The farms of the model tests, a model set up from one, and a check on the exact message
// of a model error.
#pragma once

#include "Bedrijf_u.h"
#include "Voorbeeldbedrijven.h"

#include <gtest/gtest.h>

#include <string>

// A model with the input copied in and the grazing days derived, as a calculation starts.
inline TBedrijf Bedrijf(const TTvInvoer& in) {
    TBedrijf b;
    b.ZetInvoer(in);
    return b;
}

// Runs f and expects the model error with exactly the given message.
template <typename F> void ExpectFout(F&& f, const std::string& melding) {
    try {
        f();
        ADD_FAILURE() << "no error, expected: " << melding;
    } catch (const EModelFout& e) {
        EXPECT_EQ(std::string(e.what()), melding);
    }
}
