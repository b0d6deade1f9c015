#include "NatteProducten.h"

#include <string>

const TArray<std::string_view, 1, 17> NatProductNaam = {{
    "GPS granen",
    "Graszaadhooi",
    "Luzernekuil",
    "Stro",
    "Voeraardappelen",
    "Voederbieten",
    "Aardappelpersvezel",
    "Aardappelsnippers",
    "Aardappelstoomschillen",
    "Bierbostel",
    "Bietenperspulp",
    "CCM",
    "DDG (distillers dried grain)",
    "Maisglutenvoer",
    "MKS",
    "Overig",
    "Totaal",
}};

const TArray<std::string_view, 1, 17> NatProductKorteNaam = {{
    "GPS granen",
    "Graszaadhooi",
    "Luzernekuil",
    "Stro",
    "Voeraardappelen",
    "Voederbieten",
    "Aard.persvezel",
    "Aard.snippers",
    "Aard.stoomschil",
    "Bierbostel",
    "Bietenperspulp",
    "CCM",
    "DDG",
    "Maisglutenvoer",
    "MKS",
    "Overig",
    "Totaal",
}};

const TArray<float, 1, 17> NatProductVreFactor = {{
    0.57f, 0.66f, 0.72f, 0.23f, 0.54f, 0.63f, 0.36f, 0.31f, 0.60f, //
    0.80f, 0.65f, 0.58f, 0.74f, 0.77f, 0.58f, 0.60f, 0.60f,        //
}};

namespace {

char Hoofdletter(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

// Whether Deel occurs in Geheel, both taken in ASCII upper case; without copies, since
// the grids look products up on every keystroke.
bool BevatHoofdletters(std::string_view Geheel, std::string_view Deel) {
    if (Deel.size() > Geheel.size()) return false;
    for (std::size_t start = 0; start + Deel.size() <= Geheel.size(); ++start) {
        std::size_t i = 0;
        while (i < Deel.size() && Hoofdletter(Geheel[start + i]) == Hoofdletter(Deel[i]))
            ++i;
        if (i == Deel.size()) return true;
    }
    return false;
}

} // namespace

TNatProduct NatProductIndex(std::string_view Naam) {
    // An empty text would occur in every name.
    if (Naam.empty()) return kNatOverig;
    for (TNatProduct i = kNatEerste; i <= kNatTotaal; ++i)
        if (BevatHoofdletters(NatProductNaam[i], Naam) || BevatHoofdletters(NatProductKorteNaam[i], Naam))
            return i;
    return kNatOverig;
}

float VemFactor6000(float x) {
    return static_cast<float>(6000.0f * static_cast<long double>(x));
}

float VreUitRe(float re) {
    return static_cast<float>(re * (0.0588L * re + 71.14L) / 100.0f);
}

float VRE_Gk(float re, float ras) {
    return static_cast<float>(0.895L * re + 0.04L * ras - 38.0f);
}

float VRE_Sm(float re, float ras) {
    return static_cast<float>(0.969L * re + 0.04L * ras - 40.0f);
}

float VRE_Nt(int Index, float re) {
    if (Index < kNatEerste || Index > kNatTotaal)
        throw EModelFout("VRE_Nt, onbekende index voor natte producten: " + IntNaarTekst(Index));
    return static_cast<float>(static_cast<long double>(re) * NatProductVreFactor[Index]);
}

float VRE_Kv(float re) {
    return static_cast<float>((0.084L * re + 54.66L) * re / 100.0f);
}

float VRE_Mp(float re) {
    return static_cast<float>(0.86L * re);
}
