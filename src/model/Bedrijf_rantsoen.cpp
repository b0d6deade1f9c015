// Ration allocation: how the herd's roughage energy need is covered by fresh grass, grass
// silage and maize silage under each grazing system, what fresh grass contains, how much
// of each feed kind is used and which share of it is eaten in the summer.
#include "Bedrijf_u.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string>

namespace {

// Intake by breed index (1 normal, 2 cross breed, 3 Jersey).
constexpr std::array<float, 3> RasOpnameFactor = {1.0f, 0.85f, 0.7f};

// Fresh-grass per cent of the roughage in the grazing months: limited grazing, unlimited
// grazing, zero grazing (limited and unlimited alike).
struct TGrasAandeel {
    float WeidB, WeidO, Zstv;
};
constexpr TGrasAandeel kGrasAandeelStandaard = {20, 40, 35}; // before 2009
constexpr TGrasAandeel kGrasAandeelVariant6 = {40, 40, 35};
constexpr TGrasAandeel kGrasAandeelVariant11 = {15, 30, 35};

constexpr long double kVemGras = 960;          // VEM per kg dry matter of fresh grass
constexpr long double kVemKuilStandaard = 850; // VEM per kg dry matter without silage stock

// 1/0.95 and 1/0.9: kg milk powder and concentrates per kg dry matter.
constexpr long double kMpPerDs = 1.0526315789473684L;
constexpr long double kKvPerDs = 1.1111111111111112L;

// From 2009: the fresh-grass share follows from the silage share in the grazing months,
// spread over a half year of grazing.
long double GrasAandeel2009(long double w, long double M) {
    return 1 - ((1 - w) * (6 - M) / 6 + w);
}

} // namespace

float UrenFactor(float Uren) {
    const long double h = Uren;
    if (h <= 0) return 0;
    long double f = 0;
    if (h >= 12)
        f = (100 - (24 - h) * 4.166666666666667L) / 100;
    else if (h >= 6)
        f = (50 - (12 - h) * 5.833333333333333L) / 100;
    else
        f = (15 - (6 - h) * 2.5L) / 100;
    return static_cast<float>(std::clamp(f, 0.0L, 1.0L));
}

float TBedrijf::AandeelGrasWeideperiode() const {
    if (Diercategorie == "MK") {
        const long double m1 = MndWeidBMk, m2 = MndWeidOMk, m3 = MndZstvBMk, m4 = MndZstvOMk;
        const long double M = m1 + m2 + m3 + m4;
        if (EvalNr == 6 || EvalNr == 11 || Jaartal < 2009) {
            const TGrasAandeel& t = EvalNr == 6    ? kGrasAandeelVariant6
                                    : EvalNr == 11 ? kGrasAandeelVariant11
                                                   : kGrasAandeelStandaard;
            const long double p1 = t.WeidB / 100.0L, p2 = t.WeidO / 100.0L, p3 = t.Zstv / 100.0L;
            return static_cast<float>(Deel(p1 * m1 + p2 * m2 + p3 * m3 + p3 * m4, M));
        }
        const long double w = Deel(0.8L * m1 + 0.6L * m2 + 0.825L * m3 + 0.65L * m4, M);
        return static_cast<float>(GrasAandeel2009(w, M));
    }

    // Young stock: the shares of heifers and calves, weighed by their grazing energy.
    if (static_cast<long double>(DagenWeidPi) + DagenWeidKa <= 0) return 0;
    const long double Mh = static_cast<long double>(MndWeidBPi) + MndWeidOPi;
    const long double wh = Deel(0.8L * MndWeidBPi + 0.6L * MndWeidOPi, Mh);
    const long double ah = GrasAandeel2009(wh, Mh);
    const long double Mc = static_cast<long double>(MndWeidBKa) + MndWeidOKa;
    const long double wc = Deel(0.8L * MndWeidBKa + 0.6L * MndWeidOKa, Mc);
    const long double ac = GrasAandeel2009(wc, Mc);
    const long double Ph = JvPinkenA();
    const long double Pc = JvKalverenA();
    return static_cast<float>(
        Deel(Ph * Mh * ah * nPink + Pc * Mc * ac * nKalf, Ph * Mh * nPink + Pc * Mc * nKalf));
}

float TBedrijf::VemUitRuwvoer() const {
    auto VS = [this](std::string_view k) { return VerbruikStal(k, "VEM") / 1000.0L; };
    const long double R0 = std::max(VemBehoefteTotaal() - VS("NAT") - VS("KV") - VS("MP"), 0.0L);
    if ((EvalNr == 9 || EvalNr == 12) && AandeelGrasWeideperiode() > 0)
        return static_cast<float>(std::max(R0 - VS("SM") - VS("GK"), 0.0L));
    if (EvalNr == 7 || EvalNr == 10 || Jaartal >= 2009) return static_cast<float>(R0);
    return static_cast<float>(std::max(R0 - VS("SM"), 0.0L));
}

float TBedrijf::OpnameDsGras(std::string_view Systeem) const {
    return Onthoud(geheugen::OpnameDsGras(Systeem), [&]() -> float {
        const bool totaal = Systeem == "TOTAAL";
        const bool weidB = totaal || Systeem == "WEIDB";
        const bool weidO = totaal || Systeem == "WEIDO";
        const bool zstvB = totaal || Systeem == "ZSTVB";
        const bool zstvO = totaal || Systeem == "ZSTVO";
        const bool bekend = weidB || weidO || zstvB || zstvO;

        if (Diercategorie == "MK") {
            if (static_cast<long double>(DagenWeidMk) + DagenZstvMk <= 0) return 0;
            if (!bekend) throw EModelFout("OpnameDsGras: Onbekend systeem: " + std::string(Systeem));
            // kg dry matter per cow: grazing hours beyond two count for three quarters, up to
            // twenty hours.
            auto weiden = [](float uren, float maanden) {
                return (std::max(std::min(static_cast<long double>(uren), 20.0L) - 2, 0.0L) * 0.75L + 2) *
                       30.5L * maanden;
            };
            long double g = 0;
            if (weidB) g += weiden(UurWeidBMk, MndWeidBMk);
            if (weidO) g += weiden(UurWeidOMk, MndWeidOMk);
            if (zstvB) g += 30.5L * MndZstvBMk * 6.3075L;
            if (zstvO) g += 30.5L * MndZstvOMk * 13.485L;
            // Smaller breeds eat less, a high yield more.
            const long double FPCM = static_cast<long double>(MelkPerKoe()) * FpcmFactor(Vet, Eiwit);
            const long double r = RasOpnameFactor[static_cast<std::size_t>(RasIndex() - 1)];
            const long double c = 1 - (r * 9500 - FPCM) * 4e-05L;
            return static_cast<float>(r * (g * nKoe) * c);
        }

        if (Diercategorie == "JV") {
            if (static_cast<long double>(DagenWeidPi) + DagenWeidKa <= 0) return 0;
            if (!bekend) throw EModelFout("OpnameDsGras: Onbekend systeem: " + std::string(Systeem));
            // Young stock is not zero-grazed.
            if (!weidB && !weidO) return 0;
            // kg dry matter per animal: its need over the grazing months, for the share of the
            // day it grazes.
            auto dier = [](long double perDag, float maanden, float uren) {
                return perDag * (30.5L * maanden) / kVemGras * UrenFactor(uren);
            };
            const long double pink = static_cast<long double>(JvPinkenA()) + JvPinkenB();
            const long double kalf = static_cast<long double>(JvKalverenA()) + JvKalverenB();
            long double g = 0;
            if (weidB)
                g += dier(pink, MndWeidBPi, UurWeidBPi) * nPink + dier(kalf, MndWeidBKa, UurWeidBKa) * nKalf;
            if (weidO)
                g += dier(pink, MndWeidOPi, UurWeidOPi) * nPink + dier(kalf, MndWeidOKa, UurWeidOKa) * nKalf;
            return static_cast<float>(g);
        }

        throw EModelFout("Onbekend BEX type: " + Diercategorie);
    });
}

long double TBedrijf::VemVerdeling(char Welk) const {
    const long double a = AandeelGrasWeideperiode();
    // Nothing grazed, no fresh grass.
    if (Welk == 'A' && a <= 0) return 0;
    const long double R = VemUitRuwvoer();
    const bool jongvee = Diercategorie == "JV";
    const long double G = (Jaartal >= 2009 || jongvee) ? OpnameDsGras("TOTAAL") * kVemGras : 0.0L;
    const long double K = VerbruikStal("GK", "VEM");
    const long double S = VerbruikStal("SM", "VEM");
    const long double q = Deel(K, K + S);

    long double fA = 0, fB = 0, fC = 0;
    if (a > 0) {
        long double x = 0, y = 0;
        if (KuilAanwezig()) {
            x = Deel(1, a) * (1 - a);
            y = Deel(x, q) * (1 - q);
        } else {
            y = Deel(1, a) * (1 - a);
        }
        const long double n = 1 + x + y;
        fA = Deel(1, n);
        fB = Deel(x, n);
        fC = Deel(y, n);
    } else {
        fB = q;
        fC = 1 - q;
    }

    const bool nieuw = EvalNr == 7 || Jaartal >= 2009 || jongvee;
    if (a > 0 && nieuw && EvalNr != 9 && EvalNr != 10 && EvalNr != 12) {
        // The plain energy shares, when fresh grass takes more than the silage leaves.
        const long double g = Deel(G, G + K + S);
        if (EvalNr == 7 || g > fA || jongvee) {
            fA = g;
            fB = Deel(K, G + K + S);
            fC = Deel(S, G + K + S);
        }
    }

    if (EvalNr == 9 || EvalNr == 12) {
        // Fresh grass is the balancing item.
        switch (Welk) {
        case 'A':
            return R;
        case 'B':
            return a > 0 ? K / 1000 : R;
        default:
            return S / 1000;
        }
    }
    if (EvalNr == 7 || EvalNr == 10 || nieuw) {
        switch (Welk) {
        case 'A':
            return R * fA;
        case 'B':
            return R * fB;
        default:
            return R * fC;
        }
    }
    switch (Welk) {
    case 'A':
        return R * a;
    case 'B':
        return R * (1 - a);
    default:
        return S / 1000;
    }
}

float TBedrijf::VemVerdelingA() const {
    return Onthoud(geheugen::kVemVerdeling + 0, [this] { return static_cast<float>(VemVerdeling('A')); });
}
float TBedrijf::VemVerdelingB() const {
    return Onthoud(geheugen::kVemVerdeling + 1, [this] { return static_cast<float>(VemVerdeling('B')); });
}
float TBedrijf::VemVerdelingC() const {
    return Onthoud(geheugen::kVemVerdeling + 2, [this] { return static_cast<float>(VemVerdeling('C')); });
}

float TBedrijf::Geh_per_VEM(std::string_view Soort) const {
    return Onthoud(geheugen::Geh_per_VEM(Soort), [&]() -> float {
        if (Soort == "VEM")
            throw EModelFout("Geh_per_VEM: Deze functie niet aanroepen met vem: " + std::string(Soort));
        const long double gWB = OpnameDsGras("WEIDB");
        const long double gWO = OpnameDsGras("WEIDO");
        const long double gZB = OpnameDsGras("ZSTVB");
        const long double gZO = OpnameDsGras("ZSTVO");

        // Fresh grass is richer than silage: the best grass silage when there is one, else
        // the farm's silage, is the base.
        long double c = 0;
        if ((EvalNr == 7 || Jaartal >= 2009) && BesteGk.Vem > 0) {
            long double g = 0;
            switch (Letter(Soort)) {
            case 'N':
                g = BesteGk.N;
                break;
            case 'P':
                g = BesteGk.P;
                break;
            case 'R':
                g = BesteGk.Re;
                break;
            case 'V':
                g = BesteGk.Vre;
                break;
            default:
                throw EModelFout("Geh_per_VEM_gras: Onbekende soort: " + std::string(Soort));
            }
            c = g / BesteGk.Vem;
        } else {
            c = Geh_per_VEMKuil(Soort);
        }

        long double weiden = 1.1L, zstv = 1.05L;
        if (Soort == "P") {
            weiden = 1.05L;
            zstv = 1.03L;
        } else if (Soort != "N" && Soort != "RE" && Soort != "VRE") {
            throw EModelFout("Geh_per_VEM: Onbekende soort: " + std::string(Soort));
        }
        return static_cast<float>(
            Deel((gWB + gWO) * weiden * c + (gZB + gZO) * zstv * c, gWB + gWO + gZB + gZO));
    });
}

float TBedrijf::Geh_per_VEMKuil(std::string_view Soort) const {
    if (KuilAanwezig()) return static_cast<float>(Deel(Gehalte("GK", Soort), Gehalte("GK", "VEM")));
    if (SnijmaisAanwezig()) return static_cast<float>(Deel(Gehalte("SM", Soort), Gehalte("SM", "VEM")));
    throw EModelFout("Geh_per_VEMKuil: Geen kuil of snijmais aanwezig");
}

float TBedrijf::Geh_per_VEMSM(std::string_view Soort) const {
    return static_cast<float>(Deel(Gehalte("SM", Soort), Gehalte("SM", "VEM")));
}

bool TBedrijf::KuilAanwezig() const {
    return Voorraad("GK", "HOEV") > 0;
}

bool TBedrijf::SnijmaisAanwezig() const {
    return VerbruikStal("SM", "HOEV") > 0;
}

float TBedrijf::Verbruik(std::string_view Voersoort) const {
    return Onthoud(geheugen::Verbruik(Voersoort), [&]() -> float {
        if (Voersoort == "VG")
            return static_cast<float>(Deel(VemVerdelingA() * 1000.0L, Gehalte("VG", "VEM")));
        if (Voersoort == "SM")
            return static_cast<float>(Deel(VemVerdelingC() * 1000.0L, Gehalte("SM", "VEM")));
        if (Voersoort == "GK") {
            long double V = kVemKuilStandaard;
            if (KuilAanwezig())
                V = Gehalte("GK", "VEM");
            else if (SnijmaisAanwezig())
                V = Gehalte("SM", "VEM");
            return static_cast<float>(Deel(VemVerdelingB() * 1000.0L, V));
        }
        return VerbruikStal(Voersoort, "HOEV");
    });
}

float TBedrijf::OpnameCapaciteit(float VersGras) const {
    const long double D = static_cast<long double>(DagenWeidMk) + DagenZstvMk;
    if (D <= 0) return 0;
    const long double FPCM = static_cast<long double>(MelkPerKoe()) * FpcmFactor(Vet, Eiwit);
    const long double r = RasOpnameFactor[static_cast<std::size_t>(RasIndex() - 1)];
    const long double c = 1 - (r * 9500 - FPCM) * 4e-05L;
    return static_cast<float>(std::max(r * 15.5L * c * nKoe * D - VersGras, 0.0L));
}

float TBedrijf::AandeelVoerz(std::string_view Voersoort) const {
    return Onthoud(geheugen::PerKind(geheugen::kAandeelVoerz, VoerIndex(Voersoort)), [&]() -> float {
        const char soort = Letter(Voersoort);
        if (soort != 'G' && soort != 'K' && soort != 'M' && soort != 'N' && soort != 'S')
            throw EModelFout("AandeelVoerz: Onbekend soort voer: " + std::string(Voersoort));
        const long double D = static_cast<long double>(DagenWeidMk) + DagenZstvMk;
        // No summer days, or no cows to spend them at pasture or in the house: nothing is
        // eaten in the summer, as on a farm with young stock only.
        if (D <= 0 || nKoe == 0) return 0;

        // Amounts in kg dry matter and energy in VEM per kg dry matter.
        const long double qVG = Verbruik("VG"), qGK = Verbruik("GK"), qSM = Verbruik("SM"),
                          qNAT = Verbruik("NAT");
        const long double qMP = Verbruik("MP") / kMpPerDs, qKV = Verbruik("KV") / kKvPerDs;
        const long double vVG = GehalteVerbruik("VG", "VEM"), vGK = GehalteVerbruik("GK", "VEM");
        const long double vSM = GehalteVerbruik("SM", "VEM"), vNAT = GehalteVerbruik("NAT", "VEM");
        const long double vMP = GehalteVerbruik("MP", "VEM") * kMpPerDs;
        const long double vKV = GehalteVerbruik("KV", "VEM") * kKvPerDs;

        // The year: energy (at least the herd's need) and fill.
        const long double E =
            std::max((qVG * vVG + qGK * vGK + qSM * vSM + qNAT * vNAT + qMP * vMP + qKV * vKV) / 1000,
                     static_cast<long double>(VemBehoefteTotaal()));
        const long double FY = 0.89L * qVG + 1.01L * qGK + 0.87L * qSM + 1.0L * qNAT + 0.32L * qKV;
        const long double W = 365 - D;
        const long double N = nKoe;
        const long double Ewin = (E - static_cast<long double>(VemToeslagWeiden()) * N) / 365 * W;
        const long double Ezom = E - Ewin;
        const long double FR = Deel(FY, N) / 365;
        const long double capaciteit = OpnameCapaciteit(static_cast<float>(qVG));

        // Fill the cows' summer intake in a fixed order (fresh grass, milk powder, grass
        // silage, maize silage and wet by-products, concentrates) and widen or narrow their
        // capacity until the summer ration fills them as the year's ration does.
        long double eVG = 0, eMP = 0, eGK = 0, eSM = 0, eNAT = 0, eKV = 0;
        auto perKoeDag = [&](long double e, long double v) { return Deel(Deel(Deel(e, v / 1000), N), D); };
        int tienden = 10; // the capacity factor in tenths, so its steps stay exact
        for (int pass = 1; pass <= 26; ++pass) {
            const long double f = tienden / 10.0L;
            const long double C = capaciteit * f;
            eVG = qVG * vVG / 1000;
            eMP = qMP * vMP / 1000 / 365 * D;
            eGK = std::max(std::min(((qVG + qGK) / 365 * D - qVG) * vGK / 1000, qGK * vGK / 1000), 0.0L);
            long double ruimte = std::max(C - Deel(eGK, vGK / 1000), 0.0L);
            eSM = std::min(Deel(qSM, qSM + qNAT) * ruimte * vSM / 1000, qSM * vSM / 1000);
            ruimte = std::max(C - Deel(eGK, vGK / 1000) - Deel(eSM, vSM / 1000), 0.0L);
            eNAT = std::min(ruimte * vNAT / 1000, qNAT * vNAT / 1000);
            eKV = std::max(std::min(Ezom - eVG - eNAT - eMP - eSM - eGK, qKV * vKV / 1000), 0.0L);

            const long double FS = 0.89L * perKoeDag(eVG, vVG) + 1.01L * perKoeDag(eGK, vGK) +
                                   0.87L * perKoeDag(eSM, vSM) + 1.0L * perKoeDag(eNAT, vNAT) +
                                   0.32L * perKoeDag(eKV, vKV);
            if (std::fabs(FS - FR) <= 0.1L || (tienden > 10 && FS >= FR) || (tienden < 10 && FS <= FR)) break;
            if (FS < FR)
                ++tienden;
            else if (FS > FR)
                --tienden;
            if (tienden < 2 || tienden > 50) break;
        }

        // One fill gives every kind's share: the others are kept for their own calls.
        TArray<float, kGK, kMP> aandeel;
        aandeel[kGK] = static_cast<float>(Deel(eGK, qGK * vGK / 1000));
        aandeel[kKV] = static_cast<float>(Deel(eKV, qKV * vKV / 1000));
        aandeel[kMP] = static_cast<float>(Deel(eMP, qMP * vMP / 1000));
        aandeel[kNAT] = static_cast<float>(Deel(eNAT, qNAT * vNAT / 1000));
        aandeel[kSM] = static_cast<float>(Deel(eSM, qSM * vSM / 1000));
        for (int k = kGK; k <= kMP; ++k)
            Bewaar(geheugen::PerKind(geheugen::kAandeelVoerz, k), aandeel[k]);
        return aandeel[VoerIndex(Voersoort)];
    });
}

float TBedrijf::AandeelVoerzTotaal(std::string_view Voersoort, char Periode) const {
    if (Periode == 'J') return 1;
    if (Periode != 'Z' && Periode != 'W')
        throw EModelFout(std::string("AandeelVoerzTotaal: Onbekende periode: ") + Periode);
    const long double s = Voersoort == "VG" ? 1.0L : static_cast<long double>(AandeelVoerz(Voersoort));
    return static_cast<float>(Periode == 'Z' ? s : 1 - s);
}
