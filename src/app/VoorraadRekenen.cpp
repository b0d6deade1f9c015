#include "VoorraadRekenen.h"

#include "Getallen.h"
#include "NatteProducten.h"
#include "Tarvolingrade_t.h"

#include <cmath>
#include <limits>

int BatchRegels(int soort) {
    switch (soort) {
    case kGK:
        return 15;
    case kSM:
        return 10;
    case kNAT:
    case kKV:
        return 20;
    case kMP:
        return 3;
    default:
        return 0;
    }
}

TCelTabel::TCelTabel(int batchRegels) : fCellen(static_cast<std::size_t>(batchRegels + 1)) {}

QString TCelTabel::Cells(int kolom, int rij) const {
    return fCellen.at(static_cast<std::size_t>(rij)).at(static_cast<std::size_t>(kolom));
}

void TCelTabel::SetCells(int kolom, int rij, const QString& tekst) {
    fCellen.at(static_cast<std::size_t>(rij)).at(static_cast<std::size_t>(kolom)) = tekst;
}

void TCelTabel::Regel(int rij, const QStringList& cellen) {
    for (int i = 0; i < cellen.size() && i + 1 < kGridKolommen; ++i)
        SetCells(i + 1, rij, cellen.at(i));
}

TGrens Grenzen(int soort, int kolom) {
    // [column 3..8][kind 1..5]
    static constexpr std::array<std::array<TGrens, 5>, 6> kGrenzen = {{
        {{{500, 1500}, {500, 1500}, {100, 3500}, {0, 3500}, {1000, 3500}}}, // VEM
        {{{10, 500}, {10, 500}, {10, 800}, {0, 3000}, {100, 800}}},         // RE
        {{{1, 100}, {1, 100}, {1, 100}, {0, 500}, {10, 150}}},              // N
        {{{0, 50}, {0, 50}, {0, 50}, {0, 100}, {5, 100}}},                  // P
        {{{0, 500}, {0, 500}, {0, 1000}, {0, 1000}, {0, 1000}}},            // crude ash
        {{{0, 1000}, {0, 1000}, {0, 1000}, {0, 1000}, {0, 1000}}},          // VRE
    }};
    if (kolom < kKolVem || kolom > kKolVre || soort < kGK || soort > kMP) return {};
    return kGrenzen[static_cast<std::size_t>(kolom - kKolVem)][static_cast<std::size_t>(soort - kGK)];
}

std::optional<double> CelGetal(const QString& tekst) {
    if (tekst.isEmpty()) return std::nullopt;
    const auto v = TryStrToFloat(tekst.toStdString());
    // Beyond single precision a total would become infinite.
    if (!v || std::fabs(*v) > std::numeric_limits<float>::max()) return std::nullopt;
    return v;
}

bool CelTekstToegestaan(int kolom, const QString& tekst) {
    if (kolom < kKolHoev || tekst.isEmpty()) return true;
    if (kolom == kKolHoev && tekst == QLatin1String("-")) return true;
    return CelGetal(tekst).has_value();
}

namespace {
// A cell's contribution: 0 for "-" and for a text that is no number.
float CelWaarde(const QString& tekst) {
    return static_cast<float>(CelGetal(tekst).value_or(0.0));
}
} // namespace

TVelden BerekenGemiddelden(const TCellen& cellen, const std::function<bool(int rij)>& telt) {
    TVelden totaal{};
    for (int r = 1; r < cellen.RowCount(); ++r) {
        if (telt && !telt(r)) continue;
        TVelden w{};
        for (int f = 1; f <= 7; ++f) {
            const QString t = cellen.Cells(f + 1, r);
            if (!t.isEmpty()) w[static_cast<std::size_t>(f)] = CelWaarde(t);
        }
        totaal[1] = static_cast<float>(static_cast<long double>(totaal[1]) + w[1]);
        for (std::size_t f = 2; f <= 7; ++f)
            totaal[f] = static_cast<float>(static_cast<long double>(totaal[f]) +
                                           static_cast<long double>(w[f]) * w[1]);
    }
    for (std::size_t f = 2; f <= 7; ++f)
        totaal[f] = static_cast<float>(Deel(totaal[f], totaal[1]));
    return totaal;
}

QString VeldTekst(int veld, float waarde) {
    const char* patroon = (veld == 4 || veld == 5) ? "0.00" : "0";
    return QString::fromStdString(FormatFloat(patroon, waarde));
}

std::optional<TVelden> BesteKuil(const TCellen& cellen) {
    for (int r = 1; r < cellen.RowCount(); ++r) {
        const QString hoev = cellen.Cells(kKolHoev, r);
        if (hoev.isEmpty() || hoev == QLatin1String("-")) continue;
        const auto v = CelGetal(hoev);
        if (v && std::fabs(*v) <= 0.01 &&
            cellen.Cells(kKolOmschrijving, r).contains(QLatin1String("Beste kuil"))) {
            // The marker row carries the best silage itself (the batch writes it there).
            TVelden eigen{};
            for (int f = 2; f <= 7; ++f) {
                const QString t = cellen.Cells(f + 1, r);
                if (!t.isEmpty()) eigen[static_cast<std::size_t>(f)] = CelWaarde(t);
            }
            return eigen;
        }
    }
    const auto reBoven130 = [&cellen](int r) {
        const auto re = CelGetal(cellen.Cells(kKolRe, r));
        return re && *re > 130;
    };
    int aantal = 0;
    for (int r = 1; r < cellen.RowCount(); ++r)
        if (!cellen.Cells(kKolN, r).isEmpty() && reBoven130(r)) ++aantal;
    if (aantal < 1) return std::nullopt;
    return BerekenGemiddelden(cellen, reBoven130);
}

QStringList ControleerCellen(const TCellen& cellen, int soort, bool metAs) {
    static const std::array<const char*, 5> kNamen = {"VEM", "RE", "N", "P", "RAS"};
    const int laatste = (metAs && (soort == kGK || soort == kSM)) ? kKolRas : kKolP;
    QStringList meldingen;
    for (int r = 1; r < cellen.RowCount(); ++r) {
        const QString hoev = cellen.Cells(kKolHoev, r);
        if (hoev.isEmpty() || hoev == QLatin1String("-")) continue;
        const auto h = CelGetal(hoev);
        if (!h || *h == 0) continue;
        const QString omschrijving = cellen.Cells(kKolOmschrijving, r);
        if (omschrijving.isEmpty())
            meldingen << QStringLiteral("Description was not filled for batch ") + QString::number(r);
        for (int c = kKolVem; c <= laatste; ++c) {
            const QString naam = QString::fromLatin1(kNamen[static_cast<std::size_t>(c - kKolVem)]);
            const QString t = cellen.Cells(c, r);
            if (t.isEmpty()) {
                meldingen << naam + QStringLiteral(" content was not filled for ") + omschrijving;
                continue;
            }
            const TGrens g = Grenzen(soort, c);
            const auto v = CelGetal(t);
            if (!v || *v < g.Min || *v > g.Max)
                meldingen << naam + QStringLiteral(" content is outside the interval [") +
                                 QString::number(g.Min) + QStringLiteral("..") + QString::number(g.Max) +
                                 QStringLiteral("] for ") + omschrijving;
        }
    }
    return meldingen;
}

QString CelHint(int soort, int kolom, bool aanlegPagina) {
    switch (kolom) {
    case kKolOmschrijving:
        return QStringLiteral("Description");
    case kKolHoev:
        return aanlegPagina ? QStringLiteral("Amount (negative = selling)") : QStringLiteral("Amount");
    case kKolVem:
    case kKolRe:
    case kKolN:
    case kKolP:
    case kKolRas: {
        const TGrens g = Grenzen(soort, kolom);
        return QStringLiteral("Minimum: ") + QString::number(g.Min) + QStringLiteral(" - ") +
               QStringLiteral("Maximum: ") + QString::number(g.Max);
    }
    default:
        return {};
    }
}

long double ReFactor(int soort) {
    return soort == kMP ? 6.38L : 6.25L;
}

int NatProductUitTekst(const QString& tekst) {
    const std::string t = tekst.toStdString();
    for (int i = kNatEerste; i < kNatTotaal; ++i)
        if (t == NatProductNaam[i] || t == NatProductKorteNaam[i]) return i;
    return kNatOverig;
}
