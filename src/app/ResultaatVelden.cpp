#include "ResultaatVelden.h"

#include <algorithm>
#include <array>

namespace {
using enum TKleurRegel;

constexpr TResultaatVeld Maak(std::string_view veld, int index,
                              const std::string& (*tekst)(const TTvUitvoer&), std::string_view label,
                              TKleurRegel kleur = Geen, std::string_view van = {}, TKleurRegel papier = Geen,
                              std::string_view papierVan = {}) {
    return {veld, index, label, tekst, kleur, van, papier, papierVan};
}
// The name, index and text of an array element and of a plain field of the result record.
#define RV_A(veld, i) #veld, i, [](const TTvUitvoer& u) -> const std::string& { return u.veld[i]; }
#define RV_S(veld) #veld, 0, [](const TTvUitvoer& u) -> const std::string& { return u.veld; }

const auto kVelden = std::to_array<TResultaatVeld>({
    // BEX
    Maak(RV_A(ExcrSpecExc, 1), "LblExc11"),
    Maak(RV_A(ExcrSpecExc, 2), "LblExc12"),
    Maak(RV_A(ExcrSpecInc, 1), "LblExc21"),
    Maak(RV_A(ExcrSpecInc, 2), "LblExc22"),
    Maak(RV_A(ExcrForf, 1), "LblExc31"),
    Maak(RV_A(ExcrForf, 2), "LblExc32"),
    Maak(RV_A(ExcrVoordeel, 1), "LblExc41", Teken, "", Teken),
    Maak(RV_A(ExcrVoordeel, 2), "LblExc42", Teken, "", Teken),
    Maak(RV_A(GebrNorm, 1), "LblAfzet11"),
    Maak(RV_A(GebrNorm, 2), "LblAfzet12"),
    Maak(RV_A(MestafzSpec, 1), "LblAfzet21"),
    Maak(RV_A(MestafzSpec, 2), "LblAfzet22"),
    Maak(RV_A(MestafzForf, 1), "LblAfzet31"),
    Maak(RV_A(MestafzForf, 2), "LblAfzet32"),
    Maak(RV_A(MestafzVoordeel, 1), "LblAfzet41", Teken, "", Teken),
    Maak(RV_A(MestafzVoordeel, 2), "LblAfzet42", Teken, "", Teken),
    Maak(RV_A(Efficientie, 1), "LblVoer10"),
    Maak(RV_A(Efficientie, 2), "LblVoer20"),
    // BEA
    Maak(RV_A(EmNh3Tot, 1), "LblEmissie01"),
    Maak(RV_A(EmNh3Tot, 2), "LblEmissie02"),
    Maak(RV_A(EmNh3Tot, 3), "LblEmissie03"),
    Maak(RV_A(EmNh3Tot, 4), "LblEmissie04"),
    Maak(RV_A(EmNh3Stal, 1), "LblEmissie11"),
    Maak(RV_A(EmNh3Stal, 2), "LblEmissie12"),
    Maak(RV_A(EmNh3Stal, 3), "LblEmissie13"),
    Maak(RV_A(EmNh3Stal, 4), "LblEmissie14"),
    Maak(RV_A(EmNh3Omb, 1), "LblEmissie21"),
    Maak(RV_A(EmNh3Omb, 2), "LblEmissie22"),
    Maak(RV_A(EmNh3Omb, 3), "LblEmissie23"),
    Maak(RV_A(EmNh3Omb, 4), "LblEmissie24"),
    Maak(RV_A(EmNh3Omg, 1), "LblEmissie31"),
    Maak(RV_A(EmNh3Omg, 2), "LblEmissie32"),
    Maak(RV_A(EmNh3Omg, 3), "LblEmissie33"),
    Maak(RV_A(EmNh3Omg, 4), "LblEmissie34"),
    Maak(RV_A(EmNh3Kmb, 1), "LblEmissie41"),
    Maak(RV_A(EmNh3Kmb, 2), "LblEmissie42"),
    Maak(RV_A(EmNh3Kmb, 3), "LblEmissie43"),
    Maak(RV_A(EmNh3Kmb, 4), "LblEmissie44"),
    Maak(RV_A(EmNh3Kmg, 1), "LblEmissie51"),
    Maak(RV_A(EmNh3Kmg, 2), "LblEmissie52"),
    Maak(RV_A(EmNh3Kmg, 3), "LblEmissie53"),
    Maak(RV_A(EmNh3Kmg, 4), "LblEmissie54"),
    Maak(RV_A(EmNh3Beweid, 1), "LblEmissie61"),
    Maak(RV_A(EmNh3Beweid, 2), "LblEmissie62"),
    Maak(RV_A(EmNh3Beweid, 3), "LblEmissie63"),
    Maak(RV_A(EmNh3Beweid, 4), "LblEmissie64"),
    // BEP
    Maak(RV_S(AfgGrasH), "LblFosfGewasnormGrasH"),
    Maak(RV_S(AfgGrasN), "LblFosfGewasnormGrasN"),
    Maak(RV_S(AfgGrasL), "LblFosfGewasnormGrasL"),
    Maak(RV_S(AfgMaisH), "LblFosfGewasnormMaisH"),
    Maak(RV_S(AfgMaisN), "LblFosfGewasnormMaisN"),
    Maak(RV_S(AfgMaisL), "LblFosfGewasnormMaisL"),
    Maak(RV_S(AfgBouwH), "LblFosfGewasnormBouwH"),
    Maak(RV_S(AfgBouwN), "LblFosfGewasnormBouwN"),
    Maak(RV_S(AfgBouwL), "LblFosfGewasnormBouwL"),
    Maak(RV_S(AfgGrasH3), "LblFosfGewasnormGrasH3"),
    Maak(RV_S(AfgGrasN3), "LblFosfGewasnormGrasN3"),
    Maak(RV_S(AfgGrasL3), "LblFosfGewasnormGrasL3"),
    Maak(RV_S(AfgMaisH3), "LblFosfGewasnormMaisH3"),
    Maak(RV_S(AfgMaisN3), "LblFosfGewasnormMaisN3"),
    Maak(RV_S(AfgMaisL3), "LblFosfGewasnormMaisL3"),
    Maak(RV_S(AfgBouwH3), "LblFosfGewasnormBouwH3"),
    Maak(RV_S(AfgBouwN3), "LblFosfGewasnormBouwN3"),
    Maak(RV_S(AfgBouwL3), "LblFosfGewasnormBouwL3"),
    Maak(RV_S(FosfHaGeneriek), "LblFosfHaNormForfait"),
    Maak(RV_S(FosfHaSpecifiek), ""),
    Maak(RV_S(FosfHaSpecifiek3), "LblFosfHaNormSpecifiek3"),
    Maak(RV_S(FosfGeneriek), "LblFosfNormForfait"),
    Maak(RV_S(FosfSpecifiek), ""),
    Maak(RV_S(FosfSpecifiek3), "LblFosfNormSpecifiek3"),
    Maak(RV_S(FosfVoordeel), "LblFosfNormVoordeel", Teken, "", Teken, "BepMestafzetVoor"),
    Maak(RV_S(FosfPcVoordeel), "LblFosfNormPcVoordeel", Teken, "FosfVoordeel", Teken, "BepMestafzetVoor"),
    Maak(RV_S(BepExcretieBex), "LblBepExcretieBex"),
    Maak(RV_S(BepMestafzetForf), "LblBepMestafzetForf"),
    Maak(RV_S(BepMestafzetSpec), "LblBepMestafzetSpec"),
    Maak(RV_S(BepMestafzetVoor), "LblBepMestafzetVoordeel", Teken, "", Teken),
    // The phosphorus balance, only in the dump.
    Maak(RV_S(P_excretie), ""),
    Maak(RV_S(P_aanvoerkv), ""),
    Maak(RV_S(P_aanvoerrv), ""),
    Maak(RV_S(P_afvoer), ""),
    Maak(RV_S(P_normspec), ""),
    // BEN
    Maak(RV_S(NoverGrasBerek), "LblNOverGrasBerek"),
    Maak(RV_S(NoverGrasToeg), "LblNOverGrasToeg"),
    Maak(RV_S(NoverGrasVerschil), "LblNOverGrasVerschil", Nadeel),
    Maak(RV_S(NoverMaisBerek), "LblNOverMaisBerek"),
    Maak(RV_S(NoverMaisToeg), "LblNOverMaisToeg"),
    Maak(RV_S(NoverMaisVerschil), "LblNOverMaisVerschil", Nadeel),
    Maak(RV_S(NitraatGras), "LblNitraatGras"),
    Maak(RV_S(NitraatMais), "LblNitraatMais"),
    Maak(RV_S(DenitriGras), "LblDenitriGras"),
    Maak(RV_S(DenitriMais), "LblDenitriMais"),
    Maak(RV_S(LachgasGras), "LblLachgasGras"),
    Maak(RV_S(LachgasMais), "LblLachgasMais"),
    // Analysis; its ration rows (LblVoed<row><column>) put concentrates (index 6) before milk
    // powder (5) and the whole ration (0) last.
    Maak(RV_S(MelkPerHa), "LblBedrijf1"),
    Maak(RV_S(JvPer10Mk), "LblBedrijf2"),
    Maak(RV_S(KvPer100kgMelk), "LblBedrijf3"),
    Maak(RV_A(PcVoordeelSpec, 1), "LblBedrijf4"),
    Maak(RV_A(PcVoordeelSpec, 2), "LblBedrijf5"),
    Maak(RV_A(MelkProdMax, 1), "LblBedrijf6"),
    Maak(RV_A(MelkProdMax, 2), "LblBedrijf7"),
    Maak(RV_A(RantsVerbruik, 0), "LblVoed71"),
    Maak(RV_A(RantsVerbruik, 1), "LblVoed11"),
    Maak(RV_A(RantsVerbruik, 2), "LblVoed21"),
    Maak(RV_A(RantsVerbruik, 3), "LblVoed31"),
    Maak(RV_A(RantsVerbruik, 4), "LblVoed41"),
    Maak(RV_A(RantsVerbruik, 5), "LblVoed61"),
    Maak(RV_A(RantsVerbruik, 6), "LblVoed51"),
    Maak(RV_A(RantsAandeel, 0), "LblVoed72"),
    Maak(RV_A(RantsAandeel, 1), "LblVoed12"),
    Maak(RV_A(RantsAandeel, 2), "LblVoed22"),
    Maak(RV_A(RantsAandeel, 3), "LblVoed32"),
    Maak(RV_A(RantsAandeel, 4), "LblVoed42"),
    Maak(RV_A(RantsAandeel, 5), "LblVoed62"),
    Maak(RV_A(RantsAandeel, 6), "LblVoed52"),
    Maak(RV_A(RantsGehVem, 0), "LblVoed73"),
    Maak(RV_A(RantsGehVem, 1), "LblVoed13"),
    Maak(RV_A(RantsGehVem, 2), "LblVoed23"),
    Maak(RV_A(RantsGehVem, 3), "LblVoed33"),
    Maak(RV_A(RantsGehVem, 4), "LblVoed43"),
    Maak(RV_A(RantsGehVem, 5), "LblVoed63"),
    Maak(RV_A(RantsGehVem, 6), "LblVoed53"),
    Maak(RV_A(RantsGehRe, 0), "LblVoed74"),
    Maak(RV_A(RantsGehRe, 1), "LblVoed14"),
    Maak(RV_A(RantsGehRe, 2), "LblVoed24"),
    Maak(RV_A(RantsGehRe, 3), "LblVoed34"),
    Maak(RV_A(RantsGehRe, 4), "LblVoed44"),
    Maak(RV_A(RantsGehRe, 5), "LblVoed64"),
    Maak(RV_A(RantsGehRe, 6), "LblVoed54"),
    Maak(RV_A(RantsGehP, 0), "LblVoed75"),
    Maak(RV_A(RantsGehP, 1), "LblVoed15"),
    Maak(RV_A(RantsGehP, 2), "LblVoed25"),
    Maak(RV_A(RantsGehP, 3), "LblVoed35"),
    Maak(RV_A(RantsGehP, 4), "LblVoed45"),
    Maak(RV_A(RantsGehP, 5), "LblVoed65"),
    Maak(RV_A(RantsGehP, 6), "LblVoed55"),
    Maak(RV_A(RantsReKvem, 0), "LblVoed76"),
    Maak(RV_A(RantsReKvem, 1), "LblVoed16"),
    Maak(RV_A(RantsReKvem, 2), "LblVoed26"),
    Maak(RV_A(RantsReKvem, 3), "LblVoed36"),
    Maak(RV_A(RantsReKvem, 4), "LblVoed46"),
    Maak(RV_A(RantsReKvem, 5), "LblVoed66"),
    Maak(RV_A(RantsReKvem, 6), "LblVoed56"),
    Maak(RV_A(RantsPKvem, 0), "LblVoed77"),
    Maak(RV_A(RantsPKvem, 1), "LblVoed17"),
    Maak(RV_A(RantsPKvem, 2), "LblVoed27"),
    Maak(RV_A(RantsPKvem, 3), "LblVoed37"),
    Maak(RV_A(RantsPKvem, 4), "LblVoed47"),
    Maak(RV_A(RantsPKvem, 5), "LblVoed67"),
    Maak(RV_A(RantsPKvem, 6), "LblVoed57"),
});
#undef RV_A
#undef RV_S
} // namespace

std::span<const TResultaatVeld> ResultaatVelden() {
    return kVelden;
}

const TResultaatVeld* ZoekResultaatVeld(std::string_view veld, int index) {
    const auto it = std::find_if(kVelden.begin(), kVelden.end(),
                                 [&](const TResultaatVeld& v) { return v.Veld == veld && v.Index == index; });
    return it == kVelden.end() ? nullptr : &*it;
}

const TResultaatVeld* ZoekResultaatLabel(std::string_view label) {
    if (label.empty()) return nullptr;
    const auto it = std::find_if(kVelden.begin(), kVelden.end(),
                                 [&](const TResultaatVeld& v) { return v.Label == label; });
    return it == kVelden.end() ? nullptr : &*it;
}

int KleurVolgensRegel(TKleurRegel regel, std::string_view tekst) {
    constexpr int zwart = 0, groen = 32768, rood = 255;
    const char teken = tekst.empty() ? '\0' : tekst.front();
    switch (regel) {
    case TKleurRegel::Teken:
        return teken == '+' ? groen : teken == '-' ? rood : zwart;
    case TKleurRegel::Nadeel:
        return teken == '+' ? rood : teken == '-' ? groen : zwart;
    case TKleurRegel::Geen:
        break;
    }
    return zwart;
}

namespace {
int Kleur(const TResultaatVeld& v, const TTvUitvoer& u, TKleurRegel regel, std::string_view van) {
    if (van.empty()) return KleurVolgensRegel(regel, v.Tekst(u));
    const TResultaatVeld* bron = ZoekResultaatVeld(van);
    return bron ? KleurVolgensRegel(regel, bron->Tekst(u)) : 0;
}
} // namespace

int SchermKleur(const TResultaatVeld& v, const TTvUitvoer& u) {
    return Kleur(v, u, v.Kleur, v.KleurVan);
}

int PapierKleur(const TResultaatVeld& v, const TTvUitvoer& u) {
    return Kleur(v, u, v.PapierKleur, v.PapierKleurVan);
}
