// The calculation fed with arbitrary bytes: the only outcome besides a result is the model's
// own error. Anything else (another exception, a crash, undefined behaviour, a leak) ends
// the run.
#include "Bedrijf_u.h"
#include "Invoercodering.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const TTvInvoer in = fuzz::Lees(data, size);
    TBedrijf bedrijf;
    bedrijf.OnMelding = [](const std::string&) {};
    TTvUitvoer uit{};
    try {
        bedrijf.Bereken(in, uit);
    } catch (const EModelFout&) {
        // The model refused the input with its own message: a sound outcome.
    }
    return 0;
}
