// The check items of the input pages 0, 1, 2, 6, 7 and 8.
#include "Tarvolingrade_u.h"

#include "NumEdit.h"

#include <QLabel>
#include <QLineEdit>

#include <utility>

namespace {
TControleItem Gevuld(const char* besturing, const char* naam) {
    TControleItem i;
    i.Soort = TControleSoort::Gevuld;
    i.Besturing = QString::fromLatin1(besturing);
    i.Naam = QString::fromUtf8(naam);
    return i;
}

TControleItem Keuze(const char* besturing, const char* naam, int max) {
    TControleItem i;
    i.Soort = TControleSoort::Keuze;
    i.Besturing = QString::fromLatin1(besturing);
    i.Naam = QString::fromUtf8(naam);
    i.Max = max;
    return i;
}

bool MetKoeien(const TFrmHoofdFormulier& f) {
    return f.Diercategorie == QLatin1String("MK");
}

// A "filled" item for every (control, name) pair, in order, with an optional condition.
void VoegGevuldToe(std::vector<TControleItem>& items,
                   std::initializer_list<std::pair<const char*, const char*>> lijst,
                   bool (*voorwaarde)(const TFrmHoofdFormulier&) = nullptr) {
    for (const auto& [besturing, naam] : lijst) {
        TControleItem i = Gevuld(besturing, naam);
        if (voorwaarde) i.Voorwaarde = voorwaarde;
        items.push_back(std::move(i));
    }
}
} // namespace

void TFrmHoofdFormulier::MaakControlesInvoer() {
    // Page 0 "Common "
    auto& p0 = Controles[0];
    p0.push_back(Keuze("CbxModule", "Modules", 9));
    p0.push_back(Gevuld("SpeJaartal", "Jaartal"));
    {
        TControleItem id;
        id.Soort = TControleSoort::Eigen;
        id.Eigen = [](TFrmHoofdFormulier& f, bool Meldingen, bool) {
            const std::pair<QLineEdit*, const char*> velden[] = {
                {f.EdtNaam, "Farmers name was not filled"},
                {f.EdtStraat, "Street + number were not filled"},
                {f.EdtPlaats, "Zip code + City were not filled"},
            };
            bool goed = true;
            for (const auto& [edit, melding] : velden)
                if (edit->text().trimmed().isEmpty()) {
                    goed = false;
                    if (Meldingen) f.Berichten().Fout(QString::fromLatin1(melding));
                }
            return goed;
        };
        p0.push_back(std::move(id));
    }

    // Page 1 "Company/farm   "
    auto& p1 = Controles[1];
    VoegGevuldToe(p1, {{"SpeOppGrasL", "Oppervlakte grasland laag"},
                       {"SpeOppGrasN", "Oppervlakte grasland neutraal"},
                       {"SpeOppGrasH", "Oppervlakte grasland hoog"},
                       {"SpeOppBouwL", "Oppervlakte bouwland laag"},
                       {"SpeOppBouwN", "Oppervlakte bouwland neutraal"},
                       {"SpeOppBouwH", "Oppervlakte bouwland hoog"},
                       // The single totals, shown instead of the classes up to 2009 without BEP.
                       {"SpeOppGras", "Oppervlakte grasland"},
                       {"SpeOppBouw", "Oppervlakte bouwland"},
                       {"SpenKoe", "Aantal koeien"}});
    p1.push_back(Keuze("CbxRas", "Ras koeien", 2));
    VoegGevuldToe(p1, {{"SpenPink", "Aantal pinken"},
                       {"SpenKalf", "Aantal kalveren"},
                       {"SpeLftJvAan", "Aanvoerleeftijd kalveren"},
                       {"SpeLftJvAfv", "Afvoerleeftijd kalveren"},
                       {"SpeDrijfMk", "Percentage drijfmest mk"},
                       {"SpeDrijfKa", "Percentage drijfmest ka"},
                       {"SpeDrijfPi", "Percentage drijfmest pi"}});
    VoegGevuldToe(p1,
                  {{"SpeMelklev", "Melkleverantie"},
                   {"SpeVet", "Vetgehalte"},
                   {"SpeEiwit", "Eiwitgehalte"},
                   {"SpeUreum", "Melkureumgehalte"}},
                  MetKoeien);
    {
        TControleItem i;
        i.Soort = TControleSoort::Getal;
        i.Besturing = QStringLiteral("LblMelkprod");
        i.Naam = QStringLiteral("Melkproductie");
        i.Min = 0;
        i.Max = 15000;
        i.Voorwaarde = MetKoeien;
        p1.push_back(std::move(i));
    }
    VoegGevuldToe(p1, {{"SpeMndWeidBMk", "Aantal maanden beperkt weiden"},
                       {"SpeMndWeidOMk", "Aantal maanden onbeperkt weiden"},
                       {"SpeMndZstvBMk", "Aantal maanden beperkt zstv"},
                       {"SpeMndZstvOMk", "Aantal maanden onbeperkt zstv"},
                       {"SpeUurWeidBMk", "Uren weidegang beperkt weiden"},
                       {"SpeUurWeidOMk", "Uren weidegang onbeperkt weiden"},
                       {"SpeMndWeidBKa", "Maanden weidegang beperkt kalveren"},
                       {"SpeMndWeidOKa", "Maanden weidegang onbeperkt kalveren"},
                       {"SpeMndWeidBPi", "Maanden weidegang beperkt pinken"},
                       {"SpeMndWeidOPi", "Maanden weidegang onbeperkt pinken"},
                       {"SpeUurWeidBKa", "Uren weidegang beperkt kalveren"},
                       {"SpeUurWeidOKa", "Uren weidegang onbeperkt kalveren"},
                       {"SpeUurWeidBPi", "Uren weidegang beperkt pinken"},
                       {"SpeUurWeidOPi", "Uren weidegang onbeperkt pinken"}});
    {
        // The months of grazing in a year, checked once the page is otherwise complete.
        // They speak when messages are asked for and when the user changes a month, never
        // while a farm file is read or a batch fills the page.
        TControleItem maanden;
        maanden.Soort = TControleSoort::Eigen;
        maanden.Eigen = [](TFrmHoofdFormulier& f, bool Meldingen, bool TotNuGoed) {
            if (!TotNuGoed) return true;
            const bool spreek = Meldingen || (f.fMaandMeldingen && !f.BezigMetInlezen);
            // A sum of tenths may come out a hair above 12 in binary.
            const auto teVeel = [](std::initializer_list<const NumEdit*> edits) {
                double som = 0;
                for (const NumEdit* e : edits) {
                    if (!e->isFilled()) return false;
                    som += e->value();
                }
                return som > 12 + 1e-9;
            };
            bool goed = true;
            const auto fout = [&](const char* melding) {
                goed = false;
                if (spreek) f.Berichten().Fout(QString::fromLatin1(melding));
            };
            if (f.Diercategorie == QLatin1String("MK")) {
                if (teVeel({f.SpeMndWeidBMk, f.SpeMndWeidOMk, f.SpeMndZstvBMk, f.SpeMndZstvOMk}))
                    fout("Totaal aantal maanden weiden mag niet groter zijn dan 12");
            } else if (f.Diercategorie == QLatin1String("JV")) {
                if (teVeel({f.SpeMndWeidBKa, f.SpeMndWeidOKa}))
                    fout("Calves: total no. of grazing months should be smaller than 12");
                if (teVeel({f.SpeMndWeidBPi, f.SpeMndWeidOPi}))
                    fout("Pinken: total no. of grazing months should be smaller than 12");
            }
            return goed;
        };
        p1.push_back(std::move(maanden));
    }

    // Page 2 "Other grazing animals "
    auto& p2 = Controles[2];
    {
        TControleItem i;
        i.Soort = TControleSoort::EenVanTwee;
        i.Besturing = QStringLiteral("RbtGraasJa");
        i.Besturing2 = QStringLiteral("RbtGraasNee");
        i.Naam = QStringLiteral("Graasdieren aanwezig");
        p2.push_back(std::move(i));
    }
    for (std::size_t c = 1; c <= 13; ++c) {
        TControleItem i;
        i.Soort = TControleSoort::Gevuld;
        i.Besturing = SpeGraas[c]->objectName();
        i.Naam = LblGraas[c]->text();
        p2.push_back(std::move(i));
    }

    // Page 6 "Input BEA  "
    auto& p6 = Controles[6];
    p6.push_back(Keuze("CbxTypeStal", "Type stal", 8));
    VoegGevuldToe(p6, {{"SpeDrijfAfv", "Drijfmest afvoer"},
                       {"SpeDrijfAan", "Drijfmest aanvoer"},
                       {"SpeDrijfMais", "Drijfmest maisland"},
                       {"SpeDrijfBouw", "Drijfmest ov bouwland"},
                       {"SpeUreumBouw", "Ureum bouwland"},
                       {"SpeUreumGras", "Ureum grasland"},
                       {"SpeKasBouw", "Overige N-kunstmest bouwland"},
                       {"SpeKasGras", "Overige N-kunstmest grasland"},
                       {"SpeMethGras1", "Grasland: zodebemesten"},
                       {"SpeMethGras2", "Grasland: sleepvoeten"},
                       {"SpeMethGras3", "Grasland: sleufkouteren"},
                       {"SpeMethBouw1", "Bouwland: onderwerken"},
                       {"SpeMethBouw2", "Bouwland: sleepvoeten"},
                       {"SpeMethBouw3", "Bouwland: injecteren"}});

    // Page 7 "Input BEP  "
    auto& p7 = Controles[7];
    VoegGevuldToe(p7, {{"SpeOppMaisH", "Snijmais: oppervlate HOOG"},
                       {"SpeOppMaisN", "Snijmais: oppervlate NEUTRAAL"},
                       {"SpeOppMaisL", "Snijmais: oppervlate LAAG"},
                       {"SpeAfvoerVgHoev", "Vers gras: afvoer hoev ds"},
                       {"SpeAfvoerGkHoev", "Graskuil: afvoer hoev ds"},
                       {"SpeAfvoerSmHoev", "Snijmais: afvoer hoev ds"},
                       {"SpeAfvoerVgP", "Vers gras: afvoer P-gehalte"},
                       {"SpeAfvoerGkP", "Graskuil: afvoer P-gehalte"},
                       {"SpeAfvoerSmP", "Snijmais: afvoer P-gehalte"},
                       {"SpeBEPnormGk1", "Grasland: norm 1 jaar geleden"},
                       {"SpeBEPnormGk2", "Grasland: norm 2 jaar geleden"},
                       {"SpeBEPnormSm1", "Snijmais: norm 1 jaar geleden"},
                       {"SpeBEPnormSm2", "Snijmais: norm 2 jaar geleden"}});

    // Page 8 "Input BEN  "
    auto& p8 = Controles[8];
    p8.push_back(Keuze("CbxGrasGrond", "Grondsoort grasland", 2));
    p8.push_back(Keuze("CbxMaisGrond", "Grondsoort snijmais", 2));
    p8.push_back(Keuze("CbxGrasGttrap", "Gttrap grasland", 2));
    p8.push_back(Keuze("CbxMaisGttrap", "Gttrap snijmais", 2));
    VoegGevuldToe(p8, {{"SpeToedNKmMais", "Snijmais: toedienin K-kunstmes"},
                       {"SpeMestVoor1jan", "Mestvoorraad: 1 januari"},
                       {"SpeMestVoor31dec", "Mestvoorraad: 31 december"},
                       {"SpeMestNgeh1jan", "N-gehalte mest: 1 januari"},
                       {"SpeMestNgeh31dec", "N-gehalte mest: 31 december"}});
}
