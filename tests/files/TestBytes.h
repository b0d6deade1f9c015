// The tests' own writer of farm files, apart from the program's: tagged items by hand, the
// extended numbers through the processor's own 80-bit format, and whole files of any
// format version laid out item by item as the format describes them.
#pragma once

#include <cstdint>
#include <cstring>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

struct TBytes {
    std::vector<std::uint8_t> b;

    TBytes& Int(int v) {
        if (v >= -128 && v <= 127) {
            b.push_back(2);
            b.push_back(static_cast<std::uint8_t>(v));
        } else if (v >= -32768 && v <= 32767) {
            b.push_back(3);
            Le(static_cast<std::uint32_t>(v), 2);
        } else {
            b.push_back(4);
            Le(static_cast<std::uint32_t>(v), 4);
        }
        return *this;
    }
    // The 80-bit number as the x87 unit stores a long double.
    TBytes& Float(double x) {
        static_assert(sizeof(long double) >= 10, "an 80-bit long double is needed");
        const long double e = x;
        std::uint8_t raw[sizeof(long double)] = {};
        std::memcpy(raw, &e, sizeof e);
        b.push_back(5);
        b.insert(b.end(), raw, raw + 10);
        return *this;
    }
    TBytes& Bool(bool v) {
        b.push_back(v ? 9 : 8);
        return *this;
    }
    // A Latin-1 text in a field of cap characters.
    TBytes& Str(std::string_view s, std::size_t cap = 100) {
        b.push_back(static_cast<std::uint8_t>(s.size()));
        b.insert(b.end(), s.begin(), s.end());
        b.insert(b.end(), cap - s.size(), 0);
        return *this;
    }
    TBytes& Raw(std::initializer_list<int> bytes) {
        for (int x : bytes)
            b.push_back(static_cast<std::uint8_t>(x));
        return *this;
    }
    // One grid block, column by column.
    TBytes& Grid(int kolommen, int rijen, std::size_t cap,
                 const std::function<std::string(int c, int r)>& cel) {
        for (int c = 1; c <= kolommen; ++c)
            for (int r = 1; r <= rijen; ++r)
                Str(cel ? cel(c, r) : std::string(), cap);
        return *this;
    }
    // One purchase block: rows (group 1 or 2, row) bought.
    TBytes& Aankoop(const std::vector<std::pair<int, int>>& gekocht) {
        std::uint8_t blok[60] = {};
        for (const auto& [g, r] : gekocht)
            blok[(g - 1) * 20 + (r - 1)] = 1;
        b.insert(b.end(), blok, blok + 60);
        return *this;
    }

private:
    void Le(std::uint32_t v, int n) {
        for (int i = 0; i < n; ++i)
            b.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
    }
};

// The inputs of a hand-built file; every number is exact in binary. Each format writes
// what it holds of them.
struct TTestBoerderij {
    int Pagina = 9;
    double Jaar = 2011;
    int Evaluatie = 0;
    int Module = 1; // BEX + BEA
    std::string Naam = "P. de Vries", Straat = "Kerkpad 3", Plaats = "9999 ZZ Dorp", Omschrijving = "Proef";
    int OudDrijf = 1;          // 200704..200803: 0 all slurry, 1 none
    bool OudGeenDrijf = false; // 200803..200805
    bool OudBEA = true;        // 200803..201002: module BEX + BEA
    double GrasL = 2.5, GrasN = 4.25, GrasH = 12.5, BouwL = 0, BouwN = 3.5, BouwH = 1.5;
    double OudGras = 20, OudBouw = 4.5; // before 200905
    double Koe = 60;
    int Ras = 1;
    double Kalf = 12, Pink = 14, LftAan = 0, LftAfv = 24;
    double DrijfMk = 75, DrijfKa = 50, DrijfPi = 25;
    double Melk = 480000, Vet = 4.25, Eiwit = 3.5, Ureum = 22;
    int OudeBeweiding = 1;                                                           // before 201002
    int OudGraasdieren = 1;                                                          // before 200803: 1 "Yes"
    std::vector<double> Graas = {0, 2, 4, 6, 8, 10, 12, 14, 16, 18, 20, 22, 24, 26}; // [1..13]
    // Grid cells: (moment 1..3, kind 1..5, column, row) -> text with sign Teken.
    std::function<std::string(int m, int k, int c, int r)> Cel;
    char Teken = '.';
    int TypeStal = 2;
    double OudMaanden = 5, OudUren = 8; // 200803..201002
    std::vector<double> BeweidingMk = {6, 0, 0, 1.5, 8, 10};
    std::vector<double> BeweidingJv = {1, 2, 3, 4, 10, 12, 14, 16};
    bool MstafvOpg = true;
    std::vector<double> Bea = {3000, 250, 400, 120, 1500, 2500, 100, 200}; // SpeDrijfAfv .. SpeUreumGras
    std::vector<double> Methoden = {50, 25, 25, 100, 0, 0};
    std::vector<double> Mais = {1, 0.5, 0}; // H, N, L
    std::vector<double> Afvoer = {1000, 4.25, 2000, 4.5, 3000, 2.25};
    std::vector<double> OudeAfvoer = {4.5, 9, 6}; // 201102..201110: kg P
    std::vector<double> BepNormen = {90, 91, 60, 61};
    std::vector<int> Ben = {1, 2, 0, 2};
    std::vector<double> BenWaarden = {150, 20, 30, 4.5, 5};
    std::vector<std::pair<int, int>> AankoopBegin = {{1, 2}}, AankoopAanleg = {{2, 1}}, AankoopEind = {};
};

// A whole file of format V (0: none) laid out item by item.
inline std::vector<std::uint8_t> BouwBestand(int V, const TTestBoerderij& f) {
    TBytes t;
    t.Int(f.Pagina);
    if (V > 0) t.Float(V);
    t.Float(f.Jaar);
    if (V >= 201102) t.Str(std::string(1, f.Teken));
    if (V >= 200802) t.Int(f.Evaluatie);
    if (V >= 201002) t.Int(f.Module);
    t.Str(f.Naam).Str(f.Straat).Str(f.Plaats).Str(f.Omschrijving);
    if (V >= 200704 && V < 200803) t.Int(f.OudDrijf);
    if (V >= 200803 && V < 200805) t.Bool(true).Bool(f.OudGeenDrijf);
    if (V >= 200803 && V < 201002) t.Bool(f.OudBEA).Bool(false);
    if (V >= 200905)
        t.Float(f.GrasL).Float(f.GrasN).Float(f.GrasH).Float(f.BouwL).Float(f.BouwN).Float(f.BouwH);
    else
        t.Float(f.OudGras).Float(f.OudBouw);
    t.Float(f.Koe).Int(f.Ras).Float(f.Kalf).Float(f.Pink);
    if (V >= 201004) t.Float(f.LftAan).Float(f.LftAfv);
    if (V >= 200805) t.Float(f.DrijfMk).Float(f.DrijfKa).Float(f.DrijfPi);
    t.Float(f.Melk).Float(f.Vet).Float(f.Eiwit).Float(f.Ureum);
    if (V < 201002) t.Int(f.OudeBeweiding);
    if (V >= 200803)
        t.Bool(f.OudGraasdieren == 0).Bool(f.OudGraasdieren == 1);
    else
        t.Int(f.OudGraasdieren);
    t.Float(f.Graas[1]).Float(f.Graas[2]);
    if (V >= 200608)
        for (int i = 3; i <= 6; ++i)
            t.Float(f.Graas[static_cast<std::size_t>(i)]);
    if (V >= 200908) {
        for (int i = 7; i <= 13; ++i)
            t.Float(f.Graas[static_cast<std::size_t>(i)]);
        // Category i has animals when its count is above 10.
        for (int i = 1; i <= 13; ++i)
            t.Bool(f.Graas[static_cast<std::size_t>(i)] <= 10);
        for (int i = 1; i <= 13; ++i)
            t.Bool(f.Graas[static_cast<std::size_t>(i)] > 10);
    }
    const int kolommen = V >= 200803 ? 8 : 6;
    const int rijen = V >= 200905 ? 20 : 15;
    const std::size_t cap = V >= 200905 ? 100 : 20;
    for (int m = 1; m <= 3; ++m)
        for (int k = 1; k <= 5; ++k)
            t.Grid(kolommen, rijen, cap,
                   [&](int c, int r) { return f.Cel ? f.Cel(m, k, c, r) : std::string(); });
    if (V >= 201102) t.Aankoop(f.AankoopBegin);
    if (V >= 201005) t.Aankoop(f.AankoopAanleg);
    if (V >= 201102) t.Aankoop(f.AankoopEind);
    if (V >= 200803) {
        t.Int(f.TypeStal);
        if (V >= 201002)
            for (double x : f.BeweidingMk)
                t.Float(x);
        else
            t.Float(f.OudMaanden).Float(f.OudUren);
        if (V >= 201004)
            for (double x : f.BeweidingJv)
                t.Float(x);
        t.Bool(f.MstafvOpg).Float(f.Bea[0]);
        if (V > 200803) t.Float(f.Bea[1]);
        for (std::size_t i = 2; i < 8; ++i)
            t.Float(f.Bea[i]);
        for (double x : f.Methoden)
            t.Float(x);
    }
    if (V >= 201102) {
        for (double x : f.Mais)
            t.Float(x);
        if (V >= 201110)
            for (double x : f.Afvoer)
                t.Float(x);
        else
            for (double x : f.OudeAfvoer)
                t.Float(x);
        for (double x : f.BepNormen)
            t.Float(x);
    }
    if (V >= 201106) {
        for (int x : f.Ben)
            t.Int(x);
        for (double x : f.BenWaarden)
            t.Float(x);
    }
    return t.b;
}
