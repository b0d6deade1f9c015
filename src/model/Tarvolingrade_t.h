// The records of one calculation (all inputs in, all results out) and the small numeric
// helpers that the model, the stock grids, the files and the report share.
#pragma once

#include <array>
#include <cstddef>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>

// Every failure of the model: what() is the Dutch message the user sees.
class EModelFout : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A fixed array with its own index bounds, so formulas index as the farm rules do
// (nutrient 1 is N, feed kind 0 is the whole ration). A wrong index is a programming
// error and throws instead of touching foreign memory.
template <typename T, int Lo, int Hi> struct TArray {
    static_assert(Hi >= Lo);
    static constexpr int Low = Lo;
    static constexpr int High = Hi;

    std::array<T, Hi - Lo + 1> items{};

    T& operator[](int i) { return items[slot(i)]; }
    const T& operator[](int i) const { return items[slot(i)]; }
    auto begin() { return items.begin(); }
    auto end() { return items.end(); }
    auto begin() const { return items.begin(); }
    auto end() const { return items.end(); }
    friend bool operator==(const TArray&, const TArray&) = default;

private:
    static std::size_t slot(int i) {
        if (i < Lo || i > Hi) [[unlikely]]
            Buiten(i);
        return static_cast<std::size_t>(i - Lo);
    }
    // Apart, so that the check itself stays small enough to be inlined.
    [[noreturn, gnu::cold, gnu::noinline]] static void Buiten(int i) {
        throw std::out_of_range("index " + std::to_string(i) + " outside [" + std::to_string(Lo) + ".." +
                                std::to_string(Hi) + "]");
    }
};

// Feed kinds of the stock and purchase arrays.
enum : int { kGK = 1, kSM = 2, kNAT = 3, kKV = 4, kMP = 5 };
// The stock kind of a feed-kind code by its first letter ("GK", "SM", "NAT" or "NT", "KV",
// "MP"); 0 for any other.
inline int VoerIndex(std::string_view Soort) {
    switch (Soort.empty() ? '\0' : Soort[0]) {
    case 'G':
        return kGK;
    case 'S':
        return kSM;
    case 'N':
        return kNAT;
    case 'K':
        return kKV;
    case 'M':
        return kMP;
    default:
        return 0;
    }
}
// Stock moments.
enum : int { mBegin = 1, mAanleg = 2, mEind = 3 };

// One stock total: amount and amount-weighted contents.
struct TVoorraadPost {
    float Hoev = 0; // kg dry matter (kg product for concentrates and milk powder)
    float Vem = 0;  // VEM per kg
    float Re = 0;   // crude protein, g per kg
    float N = 0;    // g per kg
    float P = 0;    // g per kg
    float Ras = 0;  // crude ash, g per kg (silage only)
    float Vre = 0;  // digestible crude protein, g per kg
    friend bool operator==(const TVoorraadPost&, const TVoorraadPost&) = default;
};

// The purchased part of one silage total.
struct TAankoopPost {
    float Hoev = 0;
    float P = 0;
    float Re = 0;
    float Vem = 0;
    friend bool operator==(const TAankoopPost&, const TAankoopPost&) = default;
};

using TVoorraden = TArray<TArray<TVoorraadPost, 1, 5>, 1, 3>;
using TAankopen = TArray<TArray<TAankoopPost, 1, 2>, 1, 3>;

using ars2 = TArray<std::string, 1, 2>;
using ars4 = TArray<std::string, 1, 4>;
using ars4_2 = TArray<TArray<std::string, 1, 2>, 1, 4>;
using ars06 = TArray<std::string, 0, 6>;
using ars6f = TArray<float, 1, 6>;

// All inputs of one calculation. A value-initialised record is all zeros, false and empty.
struct TTvInvoer {
    int EvalNr = 0;
    TVoorraden Voorraden{};
    TVoorraadPost BesteGk{};
    TAankopen Aankoop{};
    float PcDrijfMk = 0;
    float PcDrijfPi = 0;
    float PcDrijfKa = 0;
    TArray<float, 1, 13> Graasdieren{};
    TArray<bool, 1, 13> GraasJa{};
    std::string Ras;
    float VemDekking = 0;
    float nKoe = 0;
    float nPink = 0;
    float nKalf = 0;
    float LftJvAan = 0;
    float LftJvAfv = 0;
    float MelkLev = 0;
    float Vet = 0;
    float Eiwit = 0;
    float Ureum = 0;
    int Jaartal = 0;
    float OppGrasL = 0;
    float OppGrasN = 0;
    float OppGrasH = 0;
    float OppBouwL = 0;
    float OppBouwN = 0;
    float OppBouwH = 0;
    float MndWeidBMk = 0;
    float MndWeidOMk = 0;
    float MndZstvBMk = 0;
    float MndZstvOMk = 0;
    float UurWeidBMk = 0;
    float UurWeidOMk = 0;
    float MndWeidOKa = 0;
    float MndWeidOPi = 0;
    float MndWeidBKa = 0;
    float MndWeidBPi = 0;
    float UurWeidOKa = 0;
    float UurWeidOPi = 0;
    float UurWeidBKa = 0;
    float UurWeidBPi = 0;
    bool ModuleBEA = false;
    bool ModuleBEP = false;
    bool ModuleBEN = false;
    std::string Diercategorie;
    std::string TypeStal;
    bool MstAfvOpg = false;
    float DrijfAfv = 0;
    float DrijfAan = 0;
    float DrijfMais = 0;
    float DrijfBouw = 0;
    float KasBouw = 0;
    float KasGras = 0;
    float UreumBouw = 0;
    float UreumGras = 0;
    float MethGras1 = 0;
    float MethGras2 = 0;
    float MethGras3 = 0;
    float MethBouw1 = 0;
    float MethBouw2 = 0;
    float MethBouw3 = 0;
    float OppMaisH = 0;
    float OppMaisN = 0;
    float OppMaisL = 0;
    float AfvoerVgP = 0;
    float AfvoerGkP = 0;
    float AfvoerSmP = 0;
    float BepNormGk1 = 0;
    float BepNormGk2 = 0;
    float BepNormSm1 = 0;
    float BepNormSm2 = 0;
    std::string GrondGras;
    std::string GrondMais;
    std::string GtGras;
    std::string GtMais;
    float ToedNKmMais = 0;
    float MestVoor1jan = 0;
    float MestNgeh1jan = 0;
    float MestVoor31dec = 0;
    float MestNgeh31dec = 0;
    friend bool operator==(const TTvInvoer&, const TTvInvoer&) = default;
};

// All results of one calculation, formatted as text, plus the unformatted ammonia figures
// that only the dump reads. Blocks of modules that were not chosen stay empty and 0.
struct TTvUitvoer {
    // BEX
    ars2 ExcrSpecExc{};
    ars2 ExcrSpecInc{};
    ars2 ExcrForf{};
    ars2 ExcrVoordeel{};
    ars4_2 ExcrForfDier{};
    ars2 GebrNorm{};
    ars2 MestafzForf{};
    ars2 MestafzSpec{};
    ars2 MestafzVoordeel{};
    ars2 Efficientie{};
    ars4 GehRantsoen{};
    std::string MelkPerHa;
    std::string JvPer10Mk;
    std::string KvPer100kgMelk;
    ars2 PcVoordeelSpec{};
    ars2 MelkProdMax{};
    ars06 RantsVerbruik{};
    ars06 RantsAandeel{};
    ars06 RantsGehVem{};
    ars06 RantsGehRe{};
    ars06 RantsGehVre{};
    ars06 RantsGehP{};
    ars06 RantsReKvem{};
    ars06 RantsPKvem{};
    // BEA
    ars4 EmNh3Tot{};
    ars4 EmNh3Stal{};
    ars4 EmNh3Omg{};
    ars4 EmNh3Omb{};
    ars4 EmNh3Kmg{};
    ars4 EmNh3Kmb{};
    ars4 EmNh3Beweid{};
    ars6f OpnameW_kgds{};
    ars6f OpnameZ_kgds{};
    ars6f OpnameJ_kgds{};
    ars6f OpnameW_N{};
    ars6f OpnameZ_N{};
    ars6f OpnameJ_N{};
    ars6f Voer_N{};
    ars6f Voer_VCRE{};
    float N_Opname_vee = 0;
    float N_Excretie_vee = 0;
    float N_VastlegMelk = 0;
    float N_VastlegMk = 0;
    float N_VastlegJv = 0;
    float MestWS = 0;
    float MestZS = 0;
    float MestZW = 0;
    float PcTanWS_excr = 0;
    float PcTanZS_excr = 0;
    float PcTanZW_excr = 0;
    float PcTanJR_excr = 0;
    float PcUrenWS = 0;
    float PcUrenZS = 0;
    float PcUrenZW = 0;
    float PcTan_uitrmst = 0;
    float Ngras_toed = 0;
    // BEP
    std::string P_excretie;
    std::string P_aanvoerkv;
    std::string P_aanvoerrv;
    std::string P_afvoer;
    std::string P_normspec;
    std::string AfgGrasH, AfgGrasN, AfgGrasL;
    std::string AfgMaisH, AfgMaisN, AfgMaisL;
    std::string AfgBouwH, AfgBouwN, AfgBouwL;
    std::string AfgGrasH3, AfgGrasN3, AfgGrasL3;
    std::string AfgMaisH3, AfgMaisN3, AfgMaisL3;
    std::string AfgBouwH3, AfgBouwN3, AfgBouwL3;
    std::string FosfHaGeneriek;
    std::string FosfHaSpecifiek;
    std::string FosfHaSpecifiek3;
    std::string FosfGeneriek;
    std::string FosfSpecifiek;
    std::string FosfSpecifiek3;
    std::string FosfVoordeel;
    std::string FosfPcVoordeel;
    std::string BepExcretieBex;
    std::string BepMestafzetSpec;
    std::string BepMestafzetForf;
    std::string BepMestafzetVoor;
    // BEN
    std::string NoverGrasBerek, NoverGrasToeg, NoverGrasVerschil;
    std::string NoverMaisBerek, NoverMaisToeg, NoverMaisVerschil;
    std::string NitraatGras, NitraatMais;
    std::string DenitriGras, DenitriMais;
    std::string LachgasGras, LachgasMais;
    friend bool operator==(const TTvUitvoer&, const TTvUitvoer&) = default;
};

// a / b, and 0 when b is exactly 0; the first argument is always the dividend.
inline long double Deel(long double a, long double b) {
    return b == 0 ? 0 : a / b;
}

// Linear interpolation in a table of points (X[i], Y[i]) with X rising and -1 ending X;
// rounded halves to even. Callers keep x strictly inside the table; anything else throws.
int Interpoleer(std::span<const int> X, std::span<const int> Y, int x);

std::string IntNaarTekst(int i);

// kg milk to kg fat-and-protein-corrected milk.
float FpcmFactor(float Vet, float Eiwit);
// FPCM yield per lactation day of a cow giving Melk kg a year over Dagen days.
float FpcmPerDag(float Melk, float Vet, float Eiwit, int Dagen);

// S without its blanks (character 32); other white space stays.
std::string VerwijderSpaties(std::string S);

// Nearest integer, halves to the even neighbour, clamped to the int range. Throws with
// `wie` named when x is NaN or infinite, so no conversion is ever undefined.
int RoundInt(long double x, const char* wie);

// Nearest integer value, halves to the even neighbour (no conversion).
long double RoundHalfEven(long double x);

// The character at position i (0-based) of a code, or '\0' past its end, so a short or
// empty code falls through to the routine's own "unknown" message.
inline char Letter(std::string_view code, std::size_t i = 0) {
    return i < code.size() ? code[i] : '\0';
}
