// The farms of the model tests, a model set up from one, a whole calculation, the decimal
// sign of a test and a check on the exact message of a model error.
#pragma once

#include "Bedrijf_u.h"
#include "Getallen.h"
#include "Voorbeeldbedrijven.h"

#include <gtest/gtest.h>

#include <string>

// n cows of the given breed in 2010, each giving 8000 kg at 4.4 % fat and 3.5 % protein,
// 102 % VEM coverage; no grazing, no stocks.
inline TTvInvoer Koeien(const char* ras, float n, int EvalNr = 0) {
    TTvInvoer in{};
    in.Jaartal = 2010;
    in.Diercategorie = "MK";
    in.Ras = ras;
    in.EvalNr = EvalNr;
    in.nKoe = n;
    in.MelkLev = 8000 * n;
    in.Vet = 4.4f;
    in.Eiwit = 3.5f;
    in.VemDekking = 102;
    return in;
}

// Young stock of the normal breed only in 2010 at 100 % coverage, with the given ages of
// arrival and departure in months.
inline TTvInvoer Jongvee(float aan, float afv) {
    TTvInvoer in{};
    in.Jaartal = 2010;
    in.Diercategorie = "JV";
    in.Ras = "NORM";
    in.VemDekking = 100;
    in.LftJvAan = aan;
    in.LftJvAfv = afv;
    return in;
}

// A model with the input copied in and the grazing days derived, as a calculation starts.
inline TBedrijf Bedrijf(const TTvInvoer& in) {
    TBedrijf b;
    b.ZetInvoer(in);
    return b;
}

// The result record of a whole calculation; without remembering every sub-result is
// computed afresh.
inline TTvUitvoer Bereken(const TTvInvoer& in, bool onthouden = true) {
    TBedrijf b;
    b.Onthouden = onthouden;
    TTvUitvoer uit{};
    b.Bereken(in, uit);
    return uit;
}

// The process-wide decimal sign for the length of a test; "." again afterwards.
struct DecimaalTeken {
    explicit DecimaalTeken(char c) { SetDecimalSeparator(c); }
    ~DecimaalTeken() { SetDecimalSeparator('.'); }
};

// Runs f and expects the model error with exactly the given message.
template <typename F> void ExpectFout(F&& f, const std::string& melding) {
    try {
        f();
        ADD_FAILURE() << "no error, expected: " << melding;
    } catch (const EModelFout& e) {
        EXPECT_EQ(std::string(e.what()), melding);
    }
}
