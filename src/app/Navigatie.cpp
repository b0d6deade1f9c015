#include "Navigatie.h"

#include <algorithm>

namespace {
constexpr int kLaatstePagina = 13;

bool IsInvoerPagina(int p) {
    return p >= 0 && p <= 8;
}

// A page whose tab is hidden is never gone to: the nearest shown page before it, else
// after it. Page 0 is always shown.
int ZichtbarePagina(int p, const std::array<bool, 14>& zichtbaar) {
    p = std::clamp(p, 0, kLaatstePagina);
    for (int q = p; q >= 0; --q)
        if (zichtbaar[static_cast<std::size_t>(q)]) return q;
    for (int q = p + 1; q <= kLaatstePagina; ++q)
        if (zichtbaar[static_cast<std::size_t>(q)]) return q;
    return 0;
}
} // namespace

TNavigatieBesluit BepaalNavigatie(const TNavigatieVraag& v) {
    TNavigatieBesluit b;
    const auto geldig = [&v](int p) { return !IsInvoerPagina(p) || v.Geldig[static_cast<std::size_t>(p)]; };
    int eersteFout = 9;
    for (int p = 8; p >= 0; --p)
        if (!geldig(p)) eersteFout = p;

    if (IsResultaatPagina(v.Nieuw)) {
        // The page being left may carry a stale flag (inputs without a handler): it is
        // checked afresh, silently, before the driver's gate.
        if (IsInvoerPagina(v.Oud)) b.ControleOud = TControleVooraf::Stil;
        b.Berekenen = true;
        b.Doel = v.Oud;
        if (v.Berekend) {
            b.VulResultaten = true;
            b.Doel = v.Nieuw;
        }
        if (eersteFout < 9) {
            b.Doel = eersteFout;
            b.Melding = true;
        }
    } else if (v.Afzender == TAfzender::PaginaControle) {
        b.Vouwen = v.Oud >= 3 && v.Oud <= 5;
        if (v.Nieuw < v.Oud) {
            b.ControleOud = TControleVooraf::Stil;
            b.Doel = v.Nieuw;
        } else {
            b.ControleOud = TControleVooraf::MetMeldingen;
            if (v.Nieuw == v.Oud + 1) {
                b.Doel = geldig(v.Oud) ? v.Nieuw : v.Oud;
                b.ControleerDoel = b.Doel == v.Nieuw;
            } else {
                b.Doel = v.Nieuw;
                for (int p = v.Oud; p <= v.Nieuw; ++p)
                    if (!geldig(p)) {
                        b.Doel = p;
                        break;
                    }
                b.ControleerDoel = b.Doel == v.Nieuw;
            }
        }
    } else {
        b.Doel = v.Nieuw;
    }

    const int zichtbaar = ZichtbarePagina(b.Doel, v.Zichtbaar);
    if (zichtbaar != b.Doel) {
        b.Doel = zichtbaar;
        b.VulResultaten = false;
        b.ControleerDoel = false;
    }
    return b;
}

int VolgendePagina(int p, const std::array<bool, 14>& zichtbaar) {
    for (int i = 1; i <= 10; ++i) {
        const int q = std::min(p + i, kLaatstePagina);
        if (q >= 0 && zichtbaar[static_cast<std::size_t>(q)]) return q;
    }
    return -1;
}
