// Turns any bytes into an input record, and an input record back into bytes (for the seed
// corpus). Every field is read in record order; past the end of the bytes everything is 0,
// false or empty, so every byte string is some input.
//
// A number starts with a tag byte: below 32 one of the values that break arithmetic or sit
// on a boundary (NaN, infinities, the largest and smallest floats, 0 and -0, 365, 30.5 ...);
// 32..159 the whole number tag - 32; from 160 on the next four bytes are the float's bits.
// A code starts with a byte below 128 for one of the program's own codes (or near misses),
// else 128 + n for n bytes of any text.
#pragma once

#include "Tarvolingrade_t.h"

#include <array>
#include <bit>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>
#include <type_traits>
#include <vector>

namespace fuzz {

inline const std::array<float, 32> kBijzondereGetallen = {
    0.0f,
    -0.0f,
    1.0f,
    -1.0f,
    0.5f,
    2.0f,
    30.5f,
    100.0f,
    102.0f,
    365.0f,
    366.0f,
    1000.0f,
    8500.0f,
    1e6f,
    1e9f,
    1e20f,
    std::numeric_limits<float>::max(),
    -std::numeric_limits<float>::max(),
    std::numeric_limits<float>::min(),
    std::numeric_limits<float>::denorm_min(),
    -1e-30f,
    std::numeric_limits<float>::quiet_NaN(),
    std::numeric_limits<float>::infinity(),
    -std::numeric_limits<float>::infinity(),
    1e-7f,
    0.1f,
    -100.0f,
    12.5f,
    24.0f,
    3.5f,
    4.4f,
    2e9f,
};

inline const std::array<const char*, 48> kCodes = {
    "NORM",        "KRUISLING",  "JERSEY",     "MK",         "JV",          "NIETEMARM1", "NIETEMARM2",
    "NIETEMARM3",  "NIETEMARM4", "NIETEMARM5", "NIETEMARM6", "EMARM1",      "EMARM2",     "EMARM3",
    "ZAND",        "KLEI",       "VEEN",       "I-V",        "VI",          "VII-VIII",   "",
    "N",           "K",          "J",          "E",          "NIET",        "EMARM",      "Z",
    "V",           "G",          "M",          "T",          "X",           "mk",         "norm",
    "JV ",         "I - V",      "VIII",       "zand",       "NIETEMARM",   "EMARM9",     "KLEIZAND",
    "VEENKOLONIE", "GRAS",       "MAIS",       " NORM",      "JERSEYKRUIS", "MKJV",
};

class Lezer {
public:
    Lezer(const std::uint8_t* data, std::size_t size) : p(data), eind(data + size) {}

    std::uint8_t Byte() { return p < eind ? *p++ : 0; }
    std::uint32_t Woord() {
        std::uint32_t w = 0;
        for (int i = 0; i < 4; ++i)
            w = (w << 8) | Byte();
        return w;
    }
    float Getal() {
        const std::uint8_t t = Byte();
        if (t < 32) return kBijzondereGetallen[t];
        if (t < 160) return static_cast<float>(t - 32);
        return std::bit_cast<float>(Woord());
    }
    // Below 200: basis + the byte; else any 32-bit number.
    int Geheel(int basis) {
        const std::uint8_t t = Byte();
        if (t < 200) return basis + t;
        return std::bit_cast<std::int32_t>(Woord());
    }
    bool Vlag() { return (Byte() & 1) != 0; }
    std::string Code() {
        const std::uint8_t t = Byte();
        if (t < 128) return kCodes[t % kCodes.size()];
        std::string s;
        for (int i = 0; i < t - 128 && p < eind; ++i)
            s += static_cast<char>(Byte());
        return s;
    }

private:
    const std::uint8_t* p;
    const std::uint8_t* eind;
};

class Schrijver {
public:
    std::vector<std::uint8_t> bytes;

    void Byte(std::uint8_t b) { bytes.push_back(b); }
    void Getal(float v) {
        if (v >= 0 && v < 128 && v == static_cast<float>(static_cast<int>(v)) && !std::signbit(v)) {
            Byte(static_cast<std::uint8_t>(32 + static_cast<int>(v)));
            return;
        }
        Byte(160);
        const auto w = std::bit_cast<std::uint32_t>(v);
        for (int i = 3; i >= 0; --i)
            Byte(static_cast<std::uint8_t>(w >> (8 * i)));
    }
    void Geheel(int v, int basis) {
        if (v >= basis && v < basis + 200) {
            Byte(static_cast<std::uint8_t>(v - basis));
            return;
        }
        Byte(200);
        const auto w = std::bit_cast<std::uint32_t>(v);
        for (int i = 3; i >= 0; --i)
            Byte(static_cast<std::uint8_t>(w >> (8 * i)));
    }
    void Vlag(bool b) { Byte(b ? 1 : 0); }
    void Code(const std::string& s) {
        for (std::size_t i = 0; i < kCodes.size(); ++i)
            if (s == kCodes[i]) {
                Byte(static_cast<std::uint8_t>(i));
                return;
            }
        Byte(static_cast<std::uint8_t>(128 + s.size()));
        for (char c : s)
            Byte(static_cast<std::uint8_t>(c));
    }
};

constexpr int kJaarBasis = 1990;
constexpr int kEvalBasis = -10;

// Every field in record order, read or written by the same code.
template <typename S> void Velden(S& s, TTvInvoer& in) {
    auto getal = [&](float& v) {
        if constexpr (std::is_same_v<S, Lezer>)
            v = s.Getal();
        else
            s.Getal(v);
    };
    auto geheel = [&](int& v, int basis) {
        if constexpr (std::is_same_v<S, Lezer>)
            v = s.Geheel(basis);
        else
            s.Geheel(v, basis);
    };
    auto vlag = [&](bool& v) {
        if constexpr (std::is_same_v<S, Lezer>)
            v = s.Vlag();
        else
            s.Vlag(v);
    };
    auto code = [&](std::string& v) {
        if constexpr (std::is_same_v<S, Lezer>)
            v = s.Code();
        else
            s.Code(v);
    };
    auto post = [&](TVoorraadPost& p) {
        for (float* v : {&p.Hoev, &p.Vem, &p.Re, &p.N, &p.P, &p.Ras, &p.Vre})
            getal(*v);
    };

    geheel(in.EvalNr, kEvalBasis);
    for (int m = 1; m <= 3; ++m)
        for (int k = 1; k <= 5; ++k)
            post(in.Voorraden[m][k]);
    post(in.BesteGk);
    for (int m = 1; m <= 3; ++m)
        for (int k = 1; k <= 2; ++k) {
            TAankoopPost& a = in.Aankoop[m][k];
            for (float* v : {&a.Hoev, &a.P, &a.Re, &a.Vem})
                getal(*v);
        }
    for (float* v : {&in.PcDrijfMk, &in.PcDrijfPi, &in.PcDrijfKa})
        getal(*v);
    for (int i = 1; i <= 13; ++i)
        getal(in.Graasdieren[i]);
    for (int i = 1; i <= 13; ++i)
        vlag(in.GraasJa[i]);
    code(in.Ras);
    for (float* v : {&in.VemDekking, &in.nKoe, &in.nPink, &in.nKalf, &in.LftJvAan, &in.LftJvAfv, &in.MelkLev,
                     &in.Vet, &in.Eiwit, &in.Ureum})
        getal(*v);
    geheel(in.Jaartal, kJaarBasis);
    for (float* v : {&in.OppGrasL,   &in.OppGrasN,   &in.OppGrasH,   &in.OppBouwL,   &in.OppBouwN,
                     &in.OppBouwH,   &in.MndWeidBMk, &in.MndWeidOMk, &in.MndZstvBMk, &in.MndZstvOMk,
                     &in.UurWeidBMk, &in.UurWeidOMk, &in.MndWeidOKa, &in.MndWeidOPi, &in.MndWeidBKa,
                     &in.MndWeidBPi, &in.UurWeidOKa, &in.UurWeidOPi, &in.UurWeidBKa, &in.UurWeidBPi})
        getal(*v);
    vlag(in.ModuleBEA);
    vlag(in.ModuleBEP);
    vlag(in.ModuleBEN);
    code(in.Diercategorie);
    code(in.TypeStal);
    vlag(in.MstAfvOpg);
    for (float* v :
         {&in.DrijfAfv,  &in.DrijfAan,  &in.DrijfMais,  &in.DrijfBouw,  &in.KasBouw,    &in.KasGras,
          &in.UreumBouw, &in.UreumGras, &in.MethGras1,  &in.MethGras2,  &in.MethGras3,  &in.MethBouw1,
          &in.MethBouw2, &in.MethBouw3, &in.OppMaisH,   &in.OppMaisN,   &in.OppMaisL,   &in.AfvoerVgP,
          &in.AfvoerGkP, &in.AfvoerSmP, &in.BepNormGk1, &in.BepNormGk2, &in.BepNormSm1, &in.BepNormSm2})
        getal(*v);
    code(in.GrondGras);
    code(in.GrondMais);
    code(in.GtGras);
    code(in.GtMais);
    for (float* v :
         {&in.ToedNKmMais, &in.MestVoor1jan, &in.MestNgeh1jan, &in.MestVoor31dec, &in.MestNgeh31dec})
        getal(*v);
}

inline TTvInvoer Lees(const std::uint8_t* data, std::size_t size) {
    Lezer l(data, size);
    TTvInvoer in{};
    Velden(l, in);
    return in;
}

inline std::vector<std::uint8_t> Schrijf(TTvInvoer in) {
    Schrijver s;
    Velden(s, in);
    return s.bytes;
}

} // namespace fuzz
