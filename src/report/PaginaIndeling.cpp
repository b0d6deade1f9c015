#include "PaginaIndeling.h"

#include "Getallen.h"

#include <stdexcept>

namespace {
// Whether a batch amount counts: not empty and not 0 as a number.
bool TeltMee(const QString& hoeveelheid) {
    if (hoeveelheid.isEmpty()) return false;
    const auto v = TryStrToFloat(hoeveelheid.toStdString());
    if (!v) throw std::runtime_error(GeenGetalMelding(hoeveelheid.toStdString()));
    return *v != 0;
}

int Modules(const TMomentopname& m) {
    return int(m.ModuleBEA) + int(m.ModuleBEP) + int(m.ModuleBEN);
}

// The first stock page: after the cover, BEX, the module results, the analysis page, the
// input page and the module input page.
int EersteVoorraadPagina(const TMomentopname& m) {
    const int n = Modules(m);
    return 5 + (n > 0 ? 1 : 0) + n;
}
} // namespace

int MaxRegelsVoorraad(int Moment) {
    return Moment == mEind ? 39 : 40;
}

int AantalRegelsVoorraad(const TMomentopname& m, int Moment, int Soort) {
    if (Moment == 0) {
        int som = 0;
        for (int moment = mBegin; moment <= mEind; ++moment)
            for (int soort = kGK; soort <= kMP; ++soort)
                som += AantalRegelsVoorraad(m, moment, soort);
        return som;
    }
    if (Moment < mBegin || Moment > mEind) return 0;
    int regels = 0;
    for (int soort = kGK; soort <= kMP; ++soort) {
        if (Soort != 0 && soort != Soort) continue;
        int partijen = 0;
        for (const auto& rij : m.Voorraad[Moment][soort].Rijen)
            if (TeltMee(rij[2])) ++partijen;
        if (partijen > 0) regels += partijen + 3;
    }
    return regels;
}

std::vector<std::vector<int>> VoorraadVerdeling(const TMomentopname& m, int Moment) {
    std::vector<std::vector<int>> paginas(1);
    const int max = MaxRegelsVoorraad(Moment);
    int regels = 0;
    for (int soort = kGK; soort <= kMP; ++soort) {
        const int l = AantalRegelsVoorraad(m, Moment, soort);
        if (l == 0) continue;
        if (regels > 0 && regels + l > max) {
            paginas.emplace_back();
            regels = 0;
        }
        paginas.back().push_back(soort);
        regels += l;
    }
    return paginas;
}

int AantalVoorraadPaginas(const TMomentopname& m, int Moment) {
    if (Moment == 0)
        return AantalVoorraadPaginas(m, mBegin) + AantalVoorraadPaginas(m, mAanleg) +
               AantalVoorraadPaginas(m, mEind);
    return static_cast<int>(VoorraadVerdeling(m, Moment).size());
}

int VoorraadPagina(const TMomentopname& m, int Section, int Which) {
    int eerste = EersteVoorraadPagina(m);
    for (int s = mBegin; s < Section; ++s)
        eerste += AantalVoorraadPaginas(m, s);
    return Which == 1 ? eerste : eerste + AantalVoorraadPaginas(m, Section) - 1;
}

int PaginaAantal(const TMomentopname& m) {
    const int n = Modules(m);
    return 4 + (n > 0 ? 1 : 0) + n + AantalVoorraadPaginas(m, 0);
}

TPaginaKeuze KiesPagina(const TMomentopname& m, int PageNo) {
    const int b = m.ModuleBEA ? 1 : 0;
    const int p = m.ModuleBEP ? 1 : 0;
    const int e = m.ModuleBEN ? 1 : 0;
    const int n = b + p + e;
    using enum TPaginaSoort;
    if (PageNo == 1) return {Voorblad};
    if (PageNo == 2) return {BEX};
    if (b && PageNo == 3) return {BEA};
    if (p && PageNo == 3 + b) return {BEP};
    if (e && PageNo == 3 + b + p) return {BEN};
    if (PageNo == 3 + n) return {Analyse};
    if (PageNo == 4 + n) return {Invoer};
    if (n > 0 && PageNo == 5 + n) return {ModuleInvoer};
    int eerste = EersteVoorraadPagina(m);
    for (int s = mBegin; s <= mEind; ++s) {
        const int aantal = AantalVoorraadPaginas(m, s);
        if (PageNo >= eerste && PageNo < eerste + aantal) return {Voorraad, s, PageNo - eerste + 1};
        eerste += aantal;
    }
    return {};
}
