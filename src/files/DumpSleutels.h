// The keys of the dump lines as data: per module, in the order of the line, each key with
// where its value comes from and the pattern of a number.
#pragma once

#include "Dump.h"

#include "Tarvolingrade_t.h"

#include <QString>

#include <vector>

struct TResultaatVeld;

enum class TDumpBron {
    Naam,            // the farm file's name (naaminv)
    Versie,          // the program's version text
    EvalNr,          // the item index of CbxEvaluatie
    Besturing,       // the text of the control Veld, as shown
    NormDrijf,       // norm N excretion per cow on slurry
    NormVast,        // norm N excretion per cow on solid manure
    SpinWaarde,      // the value of the spin edit Veld, with the pattern
    Voorraad,        // a stock total of the kept input: moment, kind, field
    BesteGk,         // the best grass silage of the kept input
    VoorraadVemRe,   // Deel(VEM, RE) of a stock total
    VoorraadVemP,    // Deel(VEM, P) of a stock total
    VoorraadMutatie, // closing minus opening amount of a kind, signed
    Aankoop,         // the purchased part of a silage total
    InvoerGetal,     // a number of the kept input
    InvoerCode,      // a code of the kept input
    MaisCode,        // a code of the maize land, only while its soil list is shown
    Resultaat,       // a result text of the kept results: record field Veld, index
    UitvoerGetal,    // an unformatted number of the kept results
    UitvoerReeks,    // one element (Index) of an unformatted array of the kept results
    TypeStal,        // the housing code of CbxTypeStal's text
    MstafvOpg,       // "1" when the disposal is recorded, else "0"
};

struct TDumpSleutel {
    QString Sleutel;
    TDumpBron Bron = TDumpBron::Besturing;
    // A control's name or a result record's field name.
    const char* Veld = "";
    // The index of a result array; for stock figures the moment.
    int Index = 0;
    // The feed kind of a stock figure.
    int Soort = 0;
    // "0", "0.0" or "0.00" for a number.
    const char* Patroon = "0";
    float TVoorraadPost::*VoorraadVeld = nullptr;
    float TAankoopPost::*AankoopVeld = nullptr;
    float TTvInvoer::*InvoerGetal = nullptr;
    std::string TTvInvoer::*InvoerCode = nullptr;
    float TTvUitvoer::*UitvoerGetal = nullptr;
    ars6f TTvUitvoer::*UitvoerReeks = nullptr;
    // The figure of a result text in the result figures table, found when the table of
    // keys is made.
    const TResultaatVeld* ResultaatVeld = nullptr;
};

// The keys of a module's line; for BEX by the animal group ("MK" or any other).
const std::vector<TDumpSleutel>& DumpSleuteltabel(TDumpModule module, const QString& diercategorie);
