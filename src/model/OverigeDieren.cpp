#include "OverigeDieren.h"

const std::array<TGraasdierNorm, 13> GraasdierNormen = {{
    {"Graze- and suckler cows, liq. manure (cat.120)", 76.4f, 30.3f, 71.2f, 27.2f},
    {"Graze- and suckler cows, solid manure (cat. 120)", 68.2f, 30.3f, 63.5f, 27.2f},
    {"Breeding bulls > 2 year (cat. 104)", 75.9f, 27.9f, 72.9f, 25.2f},
    {"Bulls, breeding crossling > 3 months (cat. 122)", 32.3f, 11.8f, 32.3f, 11.8f},
    {"Bulls, meat > 3 months (cat. 122)", 32.3f, 11.8f, 32.3f, 11.8f},
    {"Startcalves for meat bulls < 3 months (cat. 121)", 8.8f, 2.6f, 8.8f, 2.6f},
    {"Rosécalves, 2 wk - 8 month (cat. 117)", 18.4f, 8.3f, 18.4f, 8.3f},
    {"Breeding sheep + lambs (cat. 550)", 10.2f, 3.6f, 10.2f, 3.6f},
    {"Other sheep (cat. 552)", 7.4f, 2.4f, 7.4f, 2.4f},
    {"Pony's < 250 kg (cat. 941)", 17.4f, 7.5f, 17.4f, 7.5f},
    {"Pony's 250 - 450 kg (cat.942)", 29.7f, 14.2f, 29.7f, 14.2f},
    {"Horses 250 - 450 kg (cat. 943)", 36.6f, 17.5f, 36.6f, 17.5f},
    {"Horses > 450 kg (cat. 944)", 47.6f, 22.0f, 47.6f, 22.0f},
}};

float GraasdierNorm(int Jaar, int Categorie, int Soort) {
    if (Categorie < 1 || Categorie > 13) return 0;
    const TGraasdierNorm& n = GraasdierNormen[static_cast<std::size_t>(Categorie - 1)];
    const bool nieuw = Jaar > 2009;
    if (Soort == 1) return nieuw ? n.NVanaf2010 : n.NTot2009;
    if (Soort == 2) return nieuw ? n.P2O5Vanaf2010 : n.P2O5Tot2009;
    return 0;
}
