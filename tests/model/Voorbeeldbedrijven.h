// Example farms shared by the model tests and the benchmarks.
#pragma once

#include "Tarvolingrade_t.h"

// A dairy farm of 2010: 80 cows of the normal breed giving 8500 kg at 4.4 % fat and
// 3.5 % protein, 30 heifers, 25 calves, 102 % VEM coverage, six months of limited grazing
// at 8 hours, ten breeding sheep fed from the farm's stocks, and stocks of every kind.
inline TTvInvoer Melkvee() {
    TTvInvoer in{};
    in.Jaartal = 2010;
    in.Diercategorie = "MK";
    in.Ras = "NORM";
    in.nKoe = 80;
    in.nPink = 30;
    in.nKalf = 25;
    in.MelkLev = 680000;
    in.Vet = 4.4f;
    in.Eiwit = 3.5f;
    in.VemDekking = 102;
    in.MndWeidBMk = 6;
    in.UurWeidBMk = 8;
    auto& V = in.Voorraden;
    //                 Hoev     Vem   Re   N      P     Ras Vre
    V[mBegin][kGK] = {150000, 900, 170, 27.2f, 4.0f, 0, 110};
    V[mAanleg][kGK] = {300000, 940, 180, 28.8f, 4.2f, 0, 115};
    V[mEind][kGK] = {120000, 910, 175, 28, 4.1f, 0, 112};
    V[mBegin][kSM] = {100000, 960, 75, 12, 2, 0, 45};
    V[mAanleg][kSM] = {250000, 980, 72, 11.5f, 2.1f, 0, 43};
    V[mEind][kSM] = {90000, 970, 74, 11.8f, 2, 0, 44};
    V[mAanleg][kNAT] = {20000, 1000, 200, 32, 5, 0, 150};
    V[mAanleg][kKV] = {180000, 1000, 170, 27.2f, 4.5f, 0, 120};
    V[mAanleg][kMP] = {500, 1100, 230, 36, 7, 0, 200};
    in.BesteGk = {0, 960, 190, 30.4f, 4.3f, 0, 120};
    in.Graasdieren[8] = 10;
    return in;
}

// The farm of the complete BEX calculation, 2012: the dairy farm above with milk urea 22,
// 80 % of the cows', 50 % of the heifers' and none of the calves' manure as slurry, and
// 35 ha: grassland 5 ha low, 15 neutral, 10 high in phosphate, 5 ha arable land neutral.
inline TTvInvoer BexBedrijf() {
    TTvInvoer in = Melkvee();
    in.Jaartal = 2012;
    in.Ureum = 22;
    in.PcDrijfMk = 80;
    in.PcDrijfPi = 50;
    in.PcDrijfKa = 0;
    in.OppGrasL = 5;
    in.OppGrasN = 15;
    in.OppGrasH = 10;
    in.OppBouwN = 5;
    return in;
}

// A farm simple enough to follow by hand, 2012: 100 heifers of the normal breed in the
// dairy group (2600 kVEM each, 100 % coverage: a need of 260000 kVEM), all on slurry, no
// grazing and no land. Stock increase only: grass silage 200000 kg dry matter at 900 VEM,
// maize silage 100000 kg at 1000 VEM, concentrates 50000 kg at 1000 VEM.
// Roughage need R = 260000 - 50000 (concentrates) = 210000 kVEM; without grazing it goes to
// grass and maize silage in the ratio of their energy, q = 180 / (180 + 100) = 9 / 14:
// grass silage 135000 kVEM = 150000 kg, maize silage 75000 kVEM = 75000 kg.
inline TTvInvoer Pinkenbedrijf() {
    TTvInvoer in{};
    in.Jaartal = 2012;
    in.Diercategorie = "MK";
    in.Ras = "NORM";
    in.nPink = 100;
    in.VemDekking = 100;
    in.PcDrijfPi = 100;
    //                               Hoev    Vem   Re   N      P     Ras Vre
    in.Voorraden[mAanleg][kGK] = {200000, 900, 160, 25.6f, 4, 0, 100};
    in.Voorraden[mAanleg][kSM] = {100000, 1000, 70, 11.2f, 2, 0, 40};
    in.Voorraden[mAanleg][kKV] = {50000, 1000, 170, 27.2f, 4.5f, 0, 120};
    return in;
}

// The farm of the complete calculation with every module, 2012: the BEX farm above with a
// house without low emission, the disposal based on BEX, 4 of its 5 ha arable land in maize
// (neutral status), purchased silage, sold grass silage, fertiliser, and grassland on sand
// of groundwater class VI, maize land on sand of class VII-VIII.
inline TTvInvoer AlleModulesBedrijf() {
    TTvInvoer in = BexBedrijf();
    in.ModuleBEA = in.ModuleBEP = in.ModuleBEN = true;
    in.TypeStal = "NIETEMARM1";
    in.DrijfMais = 600;
    in.DrijfBouw = 100;
    in.KasGras = 4500;
    in.UreumGras = 300;
    in.KasBouw = 400;
    in.UreumBouw = 50;
    in.MethGras1 = 70;
    in.MethGras2 = 30;
    in.MethBouw1 = 50;
    in.MethBouw3 = 50;
    in.OppMaisN = 4;
    //                              Hoev    P     Re   Vem
    in.Aankoop[mAanleg][kGK] = {30000, 4.0f, 170, 900};
    in.Aankoop[mAanleg][kSM] = {190000, 2.1f, 72, 980};
    in.AfvoerGkP = 60;
    in.BepNormGk1 = 95;
    in.BepNormGk2 = 100;
    in.BepNormSm1 = 70;
    in.GrondGras = "ZAND";
    in.GtGras = "VI";
    in.GrondMais = "ZAND";
    in.GtMais = "VII-VIII";
    in.ToedNKmMais = 300;
    return in;
}
