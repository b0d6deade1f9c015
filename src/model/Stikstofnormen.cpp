#include "Stikstofnormen.h"
#include "Tarvolingrade_t.h"

#include <string>

namespace {

// kg N per ha, mm, fraction.
struct TStikstofnorm {
    float Noverschot, Neerslagoverschot, UitspoelingFractie;
};

// Sand by groundwater class "I-V", "VI", "VII-VIII"; clay and peat whatever the class.
struct TGrondgebruik {
    TStikstofnorm Zand[3];
    TStikstofnorm Klei;
    TStikstofnorm Veen;
    bool VeenBekend;
};

constexpr TGrondgebruik kGras = {
    {{165, 268, 0.18f}, {134, 329, 0.28f}, {103, 355, 0.39f}}, {296, 311, 0.12f}, {300, 320, 0.04f}, true};
constexpr TGrondgebruik kMais = {
    {{88, 387, 0.5f}, {65, 434, 0.75f}, {48, 453, 1.06f}}, {112, 353, 0.36f}, {}, false};

// The row of the land use, soil and class; Wie starts every message.
const TStikstofnorm& Zoek(const char* Wie, std::string_view Grondcat, std::string_view Grondsoort,
                          std::string_view Gttrap) {
    const TGrondgebruik* land = nullptr;
    const char* naam = nullptr;
    switch (Letter(Grondcat)) {
    case 'G':
        land = &kGras;
        naam = ", gras";
        break;
    case 'M':
        land = &kMais;
        naam = ", mais";
        break;
    default:
        throw EModelFout(std::string(Wie) + ": Onbekende grondcat: " + std::string(Grondcat));
    }
    switch (Letter(Grondsoort)) {
    case 'K':
        return land->Klei;
    case 'V':
        if (land->VeenBekend) return land->Veen;
        break;
    case 'Z':
        if (Gttrap == "I-V") return land->Zand[0];
        if (Gttrap == "VI") return land->Zand[1];
        if (Gttrap == "VII-VIII") return land->Zand[2];
        throw EModelFout(std::string(Wie) + naam + ": Onbekende gttrap: " + std::string(Gttrap));
    default:
        break;
    }
    throw EModelFout(std::string(Wie) + naam + ": Onbekende grondsoort: " + std::string(Grondsoort));
}

} // namespace

float NormNoverschot(std::string_view Grondcat, std::string_view Grondsoort, std::string_view Gttrap) {
    return Zoek("Norm-Noverschot", Grondcat, Grondsoort, Gttrap).Noverschot;
}

float NormNeerslagoverschot(std::string_view Grondcat, std::string_view Grondsoort, std::string_view Gttrap) {
    return Zoek("Norm-Neerslagoverschot", Grondcat, Grondsoort, Gttrap).Neerslagoverschot;
}

float NormUitspoelingFractie(std::string_view Grondcat, std::string_view Grondsoort,
                             std::string_view Gttrap) {
    return Zoek("Norm-UitspoelingFractie", Grondcat, Grondsoort, Gttrap).UitspoelingFractie;
}
