// The farm model: turns one input record into one result record. Every field is set from
// the input at the start of each calculation; the routines keep no state between calls.
#pragma once

#include "Tarvolingrade_t.h"

#include <functional>
#include <string>

class TBedrijf {
public:
    // Receives the notice for years beyond the last built-in use standards; the model
    // itself shows nothing. Empty: the notice is dropped.
    std::function<void(const std::string&)> OnMelding;

    // The whole calculation. Exceptions of the model pass out unchanged; the result
    // fields written before one keep their values.
    void Bereken(const TTvInvoer& Invoer, TTvUitvoer& Uitvoer);

    // 1 normal ("N..."), 2 cross breed ("K..."), 3 Jersey ("J...").
    int RasIndex() const;
    // Routines return Single (float), as every model routine does; they compute in
    // long double.
    float OppervlakteGras() const;
    float OppervlakteMais() const;
    float OppervlakteBouwland() const;
    float MelkPerKoe() const;
    float MelkPerHa() const;

    // Copies the input (step 1 of the calculation) and derives the grazing days (step 2),
    // without computing anything; the calculation starts with it.
    void ZetInvoer(const TTvInvoer& Invoer);

    // The input, under the same names.
    int Jaartal = 0;
    bool ModuleBEA = false;
    bool ModuleBEP = false;
    bool ModuleBEN = false;
    std::string Diercategorie;
    int EvalNr = 0;
    TVoorraden Voorraden{};
    TVoorraadPost BesteGk{};
    TAankopen Aankoop{};
    float PcDrijfMk = 0, PcDrijfPi = 0, PcDrijfKa = 0;
    TArray<float, 1, 13> Graasdieren{};
    TArray<bool, 1, 13> GraasJa{};
    float MndWeidBMk = 0, MndWeidOMk = 0, MndZstvBMk = 0, MndZstvOMk = 0;
    float UurWeidBMk = 0, UurWeidOMk = 0;
    float MndWeidOKa = 0, MndWeidOPi = 0, MndWeidBKa = 0, MndWeidBPi = 0;
    float UurWeidOKa = 0, UurWeidOPi = 0, UurWeidBKa = 0, UurWeidBPi = 0;
    // Days a year, each at most 365: grazing of cows, heifers and calves, and summer days
    // of cows fed in the house.
    float DagenWeidMk = 0, DagenWeidPi = 0, DagenWeidKa = 0, DagenZstvMk = 0;
    std::string Ras;
    float VemDekking = 0, nKoe = 0, nPink = 0, nKalf = 0, LftJvAan = 0, LftJvAfv = 0;
    float MelkLev = 0, Vet = 0, Eiwit = 0, Ureum = 0;
    float OppGrasL = 0, OppGrasN = 0, OppGrasH = 0, OppBouwL = 0, OppBouwN = 0, OppBouwH = 0;
    std::string TypeStal;
    bool MstAfvOpg = false;
    float DrijfAfv = 0, DrijfAan = 0, DrijfMais = 0, DrijfBouw = 0;
    float KasBouw = 0, KasGras = 0, UreumBouw = 0, UreumGras = 0;
    float MethBouw1 = 0, MethBouw2 = 0, MethBouw3 = 0, MethGras1 = 0, MethGras2 = 0, MethGras3 = 0;
    float OppMaisH = 0, OppMaisN = 0, OppMaisL = 0;
    float AfvoerVgP = 0, AfvoerGkP = 0, AfvoerSmP = 0;
    float BepNormGk1 = 0, BepNormGk2 = 0, BepNormSm1 = 0, BepNormSm2 = 0;
    std::string GrondGras, GrondMais, GtGras, GtMais;
    float ToedNKmMais = 0, MestVoor1jan = 0, MestNgeh1jan = 0, MestVoor31dec = 0, MestNgeh31dec = 0;
};
