// The batch input table fed with arbitrary bytes: the first byte chooses the decimal sign,
// the rest is the file. Messages are the only outcome besides the plans; any exception,
// crash, undefined behaviour or leak ends the run.
#include "Getallen.h"
#include "Invoertabel.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    SetDecimalSeparator((data[0] & 1) != 0 ? ',' : '.');
    const std::string_view inhoud(reinterpret_cast<const char*>(data + 1), size - 1);
    std::size_t meldingen = 0;
    const auto melding = [&meldingen](const std::string&) { ++meldingen; };
    TKoppen koppen;
    if (ControleerKoppen(EersteRegel(inhoud), koppen, melding)) {
        const TGelezenTabel tabel = LeesInvoerbestand(inhoud, koppen, melding);
        for (const TPlan& plan : tabel.Plannen)
            if (plan.Naam.empty()) __builtin_trap();
    }
    return 0;
}
