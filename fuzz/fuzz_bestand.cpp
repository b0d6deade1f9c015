// The farm-file decoder fed with arbitrary bytes: a file is either refused with its own
// message or read; a read record written in the newest format reads back to the same
// values, and writing that again gives the same bytes. Anything else (another exception,
// a crash, undefined behaviour, a leak) ends the run.
#include "Boerderijbestand.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

namespace {
void Eis(bool waar) {
    if (!waar) std::abort();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    size = std::min(size, kMaxBestandGrootte);
    // The first byte's low bit chooses the reader's decimal sign, so both fix-ups run.
    const char teken = size > 0 && (data[0] & 1) ? ',' : '.';
    TBoerderijBestand eerste;
    try {
        eerste = DecodeerBestand(std::span(data, size), teken);
    } catch (const TBestandFout&) {
        return 0; // refused with its own message: a sound outcome
    }
    Eis(eerste.Pagina >= 0 && eerste.Pagina <= 9);
    Eis(eerste.Versie == 0 || (eerste.Versie >= 10000 && eerste.Versie <= kBestandVersie));

    const std::vector<std::uint8_t> bytes = CodeerBestand(eerste);
    const TBoerderijBestand tweede = DecodeerBestand(bytes, teken);
    Eis(tweede.Versie == kBestandVersie && tweede.Pagina == eerste.Pagina);
    for (std::size_t i = 0; i < eerste.Waarden.size(); ++i)
        if (eerste.Waarden[i]) Eis(tweede.Waarden[i] == eerste.Waarden[i]);
    Eis(tweede.Aankoop == eerste.Aankoop);
    for (int m = 1; m <= 3; ++m)
        for (int k = 1; k <= 5; ++k)
            for (int c = 1; c <= 8; ++c)
                for (int r = 1; r <= 20; ++r) {
                    const std::string& a = eerste.Grid(m, k).Cel(c, r);
                    const std::string& b = tweede.Grid(m, k).Cel(c, r);
                    // A by-product's description may lose its end to make room for the
                    // by-product's name.
                    if (c == 1 && k == kNatSoort)
                        Eis(a.compare(0, b.size(), b) == 0);
                    else
                        Eis(a == b);
                }
    // From the second reading on nothing changes any more.
    Eis(CodeerBestand(tweede) == bytes);
    return 0;
}
