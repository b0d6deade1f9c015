// Writing and reading farm files on the main window: the example farm there and back,
// hand-built files of older formats with their exact controls, bad files that leave the
// open farm alone, and saves that fail.
#include "BestandVenster.h"
#include "Bestandvenster.h"
#include "FilehistMenu.h"
#include "NatteProducten.h"
#include "NumEdit.h"
#include "Voorbeeldbedrijf.h"
#include "VoorraadGrid.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QRadioButton>

#include <cerrno>

#include <unistd.h>

namespace {
using Bytes = std::vector<std::uint8_t>;

double Waarde(const TFrmHoofdFormulier& w, const char* naam) {
    const auto* e = w.Besturing<NumEdit>(QString::fromLatin1(naam));
    EXPECT_NE(e, nullptr) << naam;
    return e ? e->value() : -1;
}
int Index(const TFrmHoofdFormulier& w, const char* naam) {
    return w.Besturing<QComboBox>(QString::fromLatin1(naam))->currentIndex();
}
bool Aan(const TFrmHoofdFormulier& w, const char* naam) {
    return w.Besturing<QRadioButton>(QString::fromLatin1(naam))->isChecked();
}

// Every batch row of every grid filled with valid contents, each wet by-product row with
// a by-product, and a few purchased silage rows.
void VulAlleGrids(TFrmHoofdFormulier& w) {
    const std::array<QStringList, 6> gehalte = {{
        {},
        {"900", "170", "27.2", "4", "100"},
        {"960", "75", "12", "2", "100"},
        {"1000", "200", "32", "5", ""},
        {"1000", "170", "27.2", "4.5", ""},
        {"1100", "229.7", "36", "7", ""},
    }};
    for (int m = 1; m <= 3; ++m)
        for (int k = 1; k <= 5; ++k) {
            TVoorraadGrid* g = w.VoorraadGrids[m][k];
            for (int r = 1; r < g->RowCount(); ++r) {
                if (m == 2 && k <= 5 && r == 1) continue; // typed by the example farm
                g->SetCells(1, r, QStringLiteral("Partij %1.%2 é").arg(m).arg(r));
                g->SetCells(2, r, QString::number(100 * (m + k + r)));
                for (int c = 0; c < gehalte[static_cast<std::size_t>(k)].size(); ++c)
                    g->SetCells(c + 3, r, gehalte[static_cast<std::size_t>(k)][c]);
                if (k == 3) {
                    w.NatProductNr[m][r] = (r + m) % 16 + 1;
                    w.ToonNatProduct(m, r);
                }
                w.GrdBeginGkSetEditText(g, 1, r, QStringLiteral("0"));
            }
        }
    w.ChkAankoop[1][1][15]->click();
    w.ChkAankoop[3][2][10]->click();
    w.ChkAankoop[2][1][3]->click();
    for (int p = 3; p <= 5; ++p)
        w.ControleerPagina(p, false);
}

QByteArray Inhoud(const QString& pad) {
    QFile f(pad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Where two files first differ, or -1.
qsizetype EersteVerschil(const QByteArray& a, const QByteArray& b) {
    for (qsizetype i = 0; i < std::min(a.size(), b.size()); ++i)
        if (a[i] != b[i]) return i;
    return a.size() == b.size() ? -1 : std::min(a.size(), b.size());
}

TEST_F(BestandTest, VoorbeeldbedrijfHeenEnTerug) {
    ASSERT_EQ(TypVoorbeeldbedrijf(*w), "");
    VulAlleGrids(*w);
    omg.Berichten->Lijst.clear();
    for (int p = 0; p < 9; ++p)
        w->ControleerPagina(p, true);
    ASSERT_EQ(w->EersteFoutePagina(), 9) << Meldingen().join('\n').toStdString();
    ASSERT_LT(w->SpeOppMaisN->value(), w->SpeOppBouwN->value());
    ASSERT_TRUE(w->Bereken());
    const TTvInvoer invoer = w->Invoer;
    const TTvUitvoer uitvoer = w->Uitvoer;

    const QString a = Pad("voorbeeld.trv");
    ASSERT_TRUE(SchrijfBestand(*w, a));
    const QByteArray bytes = Inhoud(a);
    EXPECT_EQ(bytes.size(), 244001);
    EXPECT_EQ(w->BestandNaam, a);
    EXPECT_EQ(w->windowTitle(), "Tarvolingrade dairy - voorbeeld.trv");
    EXPECT_TRUE(w->Opgeslagen);
    ASSERT_TRUE(SchrijfBestand(*w, Pad("nogmaals.trv")));
    EXPECT_EQ(EersteVerschil(Inhoud(Pad("nogmaals.trv")), bytes), -1);

    // Into a fresh window: the same bytes again, the same calculation.
    MaakOpnieuw();
    ASSERT_TRUE(LeesBestand(*w, a)) << Meldingen().join('\n').toStdString();
    const QStringList vers = Toestand(*w);
    EXPECT_EQ(w->EersteFoutePagina(), 9);
    EXPECT_EQ(w->NatProductNr[2][1], kNatOverig);
    EXPECT_EQ(w->NatProductNr[2][17], 4);
    EXPECT_EQ(w->CbxNat[1][16]->currentIndex(), 1);
    EXPECT_TRUE(w->ChkAankoop[1][1][15]->isChecked());
    EXPECT_TRUE(w->ChkAankoop[2][2][1]->isChecked());
    EXPECT_EQ(w->SpeOppMaisN->value(), 4);
    EXPECT_FALSE(w->Gewijzigd);
    EXPECT_FALSE(w->Opgeslagen);
    ASSERT_TRUE(w->Bereken());
    EXPECT_EQ(w->Invoer, invoer);
    EXPECT_EQ(w->Uitvoer, uitvoer);
    ASSERT_TRUE(SchrijfBestand(*w, Pad("derde.trv")));
    EXPECT_EQ(EersteVerschil(Inhoud(Pad("derde.trv")), bytes), -1);

    // Over another farm: the same window state as into a fresh window.
    MaakOpnieuw();
    TTestBoerderij ander;
    ander.Cel = [](int, int k, int c, int r) { return r <= 2 && c <= 2 ? std::to_string(k * 10 + c) : ""; };
    ASSERT_TRUE(LeesBestand(*w, Bewaar("ander.trv", BouwBestand(201200, ander))));
    ASSERT_TRUE(LeesBestand(*w, a));
    EXPECT_EQ(Verschil(Toestand(*w), vers), "");
}

// Hand-built files of older formats, read into a fresh window and over another farm.
class OudeBestanden : public BestandTest {
protected:
    void LeesOud(int V, const TTestBoerderij& f) {
        const QString pad = Bewaar(QStringLiteral("oud%1.trv").arg(V), BouwBestand(V, f));
        ASSERT_TRUE(LeesBestand(*w, pad)) << V << Meldingen().join('\n').toStdString();
        const QStringList vers = Toestand(*w);
        MaakOpnieuw();
        TTestBoerderij ander;
        ander.Module = 4;
        ander.Jaar = 2012;
        ander.Cel = [](int, int k, int c, int r) {
            return r <= 3 && c <= 6 ? std::to_string(k * 10 + c) : "";
        };
        ASSERT_TRUE(LeesBestand(*w, Bewaar("ander.trv", BouwBestand(201200, ander))));
        ASSERT_TRUE(LeesBestand(*w, pad));
        EXPECT_EQ(Verschil(Toestand(*w), vers), "") << V;
    }
};

TEST_F(OudeBestanden, ZonderVersienummer) {
    TTestBoerderij f;
    f.Jaar = 2006;
    f.OudeBeweiding = 1;
    f.Cel = [](int m, int k, int c, int r) -> std::string {
        if (m != 1 || k != 1 || r != 1) return "";
        static const std::array<const char*, 7> cellen = {"",    "Kuil 1,5", "1000,5", "900",
                                                          "170", "27,2",     "4,25"};
        return cellen[static_cast<std::size_t>(c)];
    };
    LeesOud(0, f);
    EXPECT_EQ(Waarde(*w, "SpeJaartal"), 2006);
    EXPECT_EQ(Waarde(*w, "SpeOppGrasH"), 20);
    EXPECT_EQ(Waarde(*w, "SpeOppBouwH"), 4.5);
    EXPECT_EQ(w->SpeOppGrasL->text(), "0.00");
    EXPECT_EQ(Waarde(*w, "SpenKoe"), 60);
    EXPECT_EQ(Index(*w, "CbxRas"), 1);
    EXPECT_EQ(Index(*w, "CbxModule"), 0);
    EXPECT_EQ(Waarde(*w, "SpeDrijfMk"), 100);
    EXPECT_EQ(Waarde(*w, "SpeVet"), 4.25);
    // Grazing code 1: limited grazing six months at seven hours.
    EXPECT_EQ(Waarde(*w, "SpeMndWeidBMk"), 6);
    EXPECT_EQ(Waarde(*w, "SpeUurWeidBMk"), 7);
    EXPECT_EQ(Waarde(*w, "SpeMndWeidOMk"), 0);
    EXPECT_EQ(Waarde(*w, "SpeMndWeidOPi"), 5);
    EXPECT_TRUE(Aan(*w, "RbtGraasJa"));
    EXPECT_EQ(Waarde(*w, "SpeGraas2"), 4);
    EXPECT_EQ(Waarde(*w, "SpeGraas3"), 0);
    EXPECT_TRUE(Aan(*w, "RbtGraasNee8"));
    EXPECT_EQ(Index(*w, "CbxTypeStal"), 0);
    EXPECT_EQ(Waarde(*w, "SpeMethGras1"), 100);
    const TVoorraadGrid* g = w->VoorraadGrids[1][1];
    EXPECT_EQ(g->Cells(1, 1), "Kuil 1,5");
    EXPECT_EQ(g->Cells(2, 1), "1000.5");
    EXPECT_EQ(g->Cells(5, 1), "27.2");
    EXPECT_EQ(g->Cells(6, 1), "4.25");
    EXPECT_EQ(w->LblTotaal[1][1][1]->text(), "1001");
    EXPECT_EQ(w->LblTotaal[1][1][5]->text(), "4.25");
}

TEST_F(OudeBestanden, Versie200803) {
    TTestBoerderij f;
    f.Jaar = 2008;
    f.OudGeenDrijf = true;
    f.OudBEA = true;
    f.OudeBeweiding = 2;
    f.OudMaanden = 5.5;
    f.OudUren = 12;
    f.Cel = [](int m, int k, int c, int r) -> std::string {
        return m == 3 && k == 2 && r == 15 && c <= 8 ? std::to_string(c) : "";
    };
    LeesOud(200803, f);
    EXPECT_EQ(Index(*w, "CbxModule"), 1);
    EXPECT_TRUE(w->ModuleBEA);
    EXPECT_EQ(Waarde(*w, "SpeDrijfMk"), 0);
    EXPECT_EQ(Waarde(*w, "SpeDrijfPi"), 0);
    EXPECT_EQ(Waarde(*w, "SpeMndWeidOMk"), 5.5);
    EXPECT_EQ(Waarde(*w, "SpeUurWeidOMk"), 12);
    EXPECT_EQ(Waarde(*w, "SpeMndWeidBMk"), 0);
    EXPECT_EQ(Index(*w, "CbxTypeStal"), 2);
    EXPECT_TRUE(Aan(*w, "RbtMstafvOpg"));
    EXPECT_EQ(Waarde(*w, "SpeDrijfAfv"), 3000);
    EXPECT_EQ(w->SpeDrijfAan->text(), "0");
    EXPECT_EQ(Waarde(*w, "SpeDrijfMais"), 400);
    EXPECT_EQ(Waarde(*w, "SpeUreumGras"), 200);
    EXPECT_EQ(Waarde(*w, "SpeMethGras2"), 25);
    EXPECT_EQ(Waarde(*w, "SpeGraas6"), 12);
    EXPECT_EQ(Waarde(*w, "SpeGraas7"), 0);
    // Row 15 of an 8 x 15 block lands beyond the maize grid's ten rows.
    EXPECT_EQ(w->VoorraadGrids[3][2]->Cells(1, 10), "");
}

TEST_F(OudeBestanden, Versie200905) {
    TTestBoerderij f;
    f.Jaar = 2009;
    f.Module = 3;
    f.Cel = [](int m, int k, int c, int r) -> std::string {
        if (m != 1 || k != 3 || r != 20) return "";
        return c == 1 ? "Pulp#Bietenperspulp" : c == 2 ? "500" : "";
    };
    LeesOud(200905, f);
    EXPECT_EQ(Waarde(*w, "SpeOppGrasN"), 4.25);
    EXPECT_EQ(Waarde(*w, "SpeOppBouwH"), 1.5);
    EXPECT_EQ(Waarde(*w, "SpeDrijfKa"), 50);
    EXPECT_EQ(Index(*w, "CbxModule"), 1);
    EXPECT_EQ(Waarde(*w, "SpeMndWeidBMk"), 5);
    EXPECT_EQ(Waarde(*w, "SpeUurWeidBMk"), 8);
    EXPECT_TRUE(Aan(*w, "RbtGraasNee7"));
    EXPECT_FALSE(Aan(*w, "RbtGraasJa7"));
    // Folding the grid for the module moved the row to the top.
    EXPECT_EQ(w->VoorraadGrids[1][3]->Cells(1, 1), "Pulp");
    EXPECT_EQ(w->NatProductNr[1][1], 11);
    EXPECT_EQ(w->CbxNat[1][1]->currentIndex(), 10);
    EXPECT_EQ(w->LblTotaal[1][3][1]->text(), "500");
}

TEST_F(OudeBestanden, Versie201102MetOudeAfvoer) {
    TTestBoerderij f;
    f.Module = 4;
    // Stock increase: grass silage P 4.2 and 4.6 (mean 4.50), no maize silage.
    f.Cel = [](int m, int k, int c, int r) -> std::string {
        if (m != 2 || k != 1 || r > 2) return "";
        return c == 1 ? "Kuil" : c == 2 ? (r == 1 ? "1000" : "3000") : c == 6 ? (r == 1 ? "4.2" : "4.6") : "";
    };
    LeesOud(201102, f);
    EXPECT_EQ(w->LblTotaal[2][1][5]->text(), "4.50");
    // Fresh grass 4.5 x 4.3 / 4.2: 4.5 kg P is 977 kg at 4.61; grass silage 9 kg P at 4.5;
    // maize silage without a content takes 2.0.
    EXPECT_EQ(Waarde(*w, "SpeAfvoerVgHoev"), 977);
    EXPECT_EQ(Waarde(*w, "SpeAfvoerVgP"), 4.61);
    EXPECT_EQ(Waarde(*w, "SpeAfvoerGkHoev"), 2000);
    EXPECT_EQ(Waarde(*w, "SpeAfvoerGkP"), 4.5);
    EXPECT_EQ(Waarde(*w, "SpeAfvoerSmHoev"), 3000);
    EXPECT_EQ(Waarde(*w, "SpeAfvoerSmP"), 2);
    EXPECT_EQ(Waarde(*w, "SpeOppMaisH"), 1);
    EXPECT_EQ(Waarde(*w, "SpeOppMaisN"), 0.5);
    EXPECT_EQ(Waarde(*w, "SpeBEPnormGk2"), 91);
    EXPECT_TRUE(w->AankoopBegin[1][2]);
    EXPECT_TRUE(w->ChkAankoop[1][1][2]->isChecked());
    EXPECT_TRUE(w->ChkAankoop[2][2][1]->isChecked());
    EXPECT_EQ(Index(*w, "CbxGrasGrond"), 0);
}

TEST_F(OudeBestanden, Versie201106) {
    TTestBoerderij f;
    f.Module = 4;
    f.Jaar = 2011;
    f.Cel = [](int m, int k, int c, int r) -> std::string {
        return m == 3 && k == 3 && r == 1 && c == 1 ? "Som#Totaal" : "";
    };
    LeesOud(201106, f);
    EXPECT_EQ(w->NatProductNr[3][1], kNatTotaal);
    EXPECT_EQ(w->CbxNat[3][1]->currentIndex(), -1);
    EXPECT_EQ(w->CbxNat[3][1]->placeholderText(), "Total");
    EXPECT_EQ(Index(*w, "CbxGrasGrond"), 1);
    EXPECT_EQ(Index(*w, "CbxGrasGttrap"), 2);
    EXPECT_EQ(Index(*w, "CbxMaisGttrap"), 2);
    EXPECT_EQ(Waarde(*w, "SpeToedNKmMais"), 150);
    EXPECT_EQ(Waarde(*w, "SpeMestNgeh1jan"), 4.5);
    EXPECT_EQ(Waarde(*w, "SpeLftJvAfv"), 24);
    EXPECT_EQ(Waarde(*w, "SpeMndWeidOPi"), 4);
    EXPECT_EQ(Waarde(*w, "SpeUurWeidBPi"), 14);
    // No stock increase, so the removals take the standard contents.
    EXPECT_EQ(Waarde(*w, "SpeAfvoerVgP"), 4.3);
    EXPECT_TRUE(w->ModuleBEN);
}

TEST_F(BestandTest, ThePageShownIsKeptUpToTheFirstInvalidPage) {
    TTestBoerderij f;
    f.Module = 0;
    f.Pagina = 1;
    const QString pad = Bewaar("p1.trv", BouwBestand(201200, f));
    // Pages 0 and 1 of this farm are valid; the file says page 1 is not, so the user on
    // page 5 comes back no further than page 2.
    w->ZetActievePagina(5);
    ASSERT_TRUE(LeesBestand(*w, pad));
    ASSERT_TRUE(w->TabbladOK[0]);
    ASSERT_TRUE(w->TabbladOK[1]);
    EXPECT_EQ(Pagina(), 2);
    // From page 1 the user stays there.
    w->ZetActievePagina(1);
    ASSERT_TRUE(LeesBestand(*w, pad));
    EXPECT_EQ(Pagina(), 1);
}

TEST_F(BestandTest, DecimalSignOfTheWriterAndNotSpecifiedDisposal) {
    // Written with "," and read with ".": the numbers follow, the description does not.
    TTestBoerderij f;
    f.Teken = ',';
    f.MstafvOpg = false;
    f.Cel = [](int m, int k, int c, int r) -> std::string {
        if (m != 3 || k != 4 || r != 1) return "";
        return c == 1 ? "Brok 1,2" : c == 2 ? "1200,5" : c == 6 ? "4,5" : "";
    };
    const QString komma = Bewaar("komma.trv", BouwBestand(201200, f));
    w->RbtMstafvOpg->setChecked(true);
    ASSERT_TRUE(LeesBestand(*w, komma));
    EXPECT_EQ(w->VoorraadGrids[3][4]->Cells(1, 1), "Brok 1,2");
    EXPECT_EQ(w->VoorraadGrids[3][4]->Cells(2, 1), "1200.5");
    EXPECT_EQ(w->VoorraadGrids[3][4]->Cells(6, 1), "4.5");
    EXPECT_TRUE(w->RbtMstafvStand->isChecked());

    // Read with "," the file's own sign stays; saved, it records ",".
    SetDecimalSeparator(',');
    ASSERT_TRUE(LeesBestand(*w, komma));
    EXPECT_EQ(w->VoorraadGrids[3][4]->Cells(2, 1), "1200,5");
    EXPECT_EQ(w->SpeVet->text(), "4,25");
    ASSERT_TRUE(SchrijfBestand(*w, Pad("weer.trv")));
    EXPECT_EQ(Inhoud(Pad("weer.trv")).mid(24, 3), QByteArray("\x01,\0", 3));
    f.Teken = '.';
    f.Cel = [](int m, int k, int c, int r) { return m == 1 && k == 1 && r == 1 && c == 2 ? "12.5" : ""; };
    ASSERT_TRUE(LeesBestand(*w, Bewaar("punt.trv", BouwBestand(201200, f))));
    EXPECT_EQ(w->VoorraadGrids[1][1]->Cells(2, 1), "12,5");
}

// --- Bad files ----------------------------------------------------------------------------

TEST_F(BestandTest, BadFilesLeaveTheOpenFarm) {
    TTestBoerderij f;
    const Bytes goed = BouwBestand(201200, f);
    const QString open = Bewaar("open.trv", goed);
    ASSERT_TRUE(LeesBestand(*w, open));
    w->Gewijzigd = true;
    const QStringList voor = Toestand(*w);
    const auto met = [&goed](std::size_t offset, const Bytes& bytes) {
        Bytes b = goed;
        std::copy(bytes.begin(), bytes.end(), b.begin() + static_cast<long>(offset));
        return b;
    };
    struct TGeval {
        const char* Naam;
        Bytes Inhoud;
        QString Melding;
    };
    const std::vector<TGeval> tabel = {
        {"tag.trv", met(0, {7}), "Invalid property value"},
        {"nan.trv", met(13, {5, 0, 0, 0, 0, 0, 0, 0, 0xc0, 0xff, 0x7f}), "Invalid property value"},
        {"unnormaal.trv", met(13, {5, 0, 0, 0, 0, 0, 0, 0, 0x40, 0x04, 0x40}), "Invalid property value"},
        {"nieuwer.trv", met(2, TBytes().Float(201300).b), QString::fromLatin1(kNieuwereVersie)},
        {"ras99.trv", met(610, {2, 99}), "Invalid property value"},
        {"typestal-2.trv", met(243484, {2, 0xfe}), "Invalid property value"},
        {"kort.trv", Bytes(goed.begin(), goed.begin() + 243999), "Stream read error"},
        {"halfgrid.trv", Bytes(goed.begin(), goed.begin() + 100000), "Stream read error"},
        {"leeg.trv", {}, "Stream read error"},
    };
    for (const auto& g : tabel) {
        omg.Berichten->Lijst.clear();
        EXPECT_FALSE(LeesBestand(*w, Bewaar(g.Naam, g.Inhoud))) << g.Naam;
        EXPECT_EQ(Meldingen(TBerichtSoort::Fout), QStringList{g.Melding}) << g.Naam;
        EXPECT_EQ(Verschil(Toestand(*w), voor), "") << g.Naam;
        EXPECT_TRUE(w->Gewijzigd);
        EXPECT_FALSE(w->BezigMetInlezen);
    }
    omg.Berichten->Lijst.clear();
    const QString weg = Pad("bestaat-niet.trv");
    EXPECT_FALSE(LeesBestand(*w, weg));
    EXPECT_EQ(Meldingen(), QStringList{"Cannot open file " + weg});
    QDir(omg.Map()).mkdir("map.trv");
    omg.Berichten->Lijst.clear();
    EXPECT_FALSE(LeesBestand(*w, Pad("map.trv")));
    EXPECT_EQ(Meldingen(), QStringList{"Cannot open file " + Pad("map.trv")});
    EXPECT_EQ(Verschil(Toestand(*w), voor), "");
    EXPECT_TRUE(BestandHistorie(*w)->Bestanden().isEmpty());
}

TEST_F(BestandTest, ClampedPageAndLengthAreRead) {
    TTestBoerderij f;
    f.Naam = std::string(100, 'N');
    Bytes b = BouwBestand(201200, f);
    b[129] = 255;
    Bytes p = TBytes().Int(200).b;
    p.insert(p.end(), b.begin() + 2, b.end());
    ASSERT_TRUE(LeesBestand(*w, Bewaar("rand.trv", p))) << Meldingen().join('\n').toStdString();
    EXPECT_EQ(w->EdtNaam->text(), QString(100, 'N'));
}

// --- Saves that fail -------------------------------------------------------------------------

TEST_F(BestandTest, AFailedSaveKeepsTheOldFileAndTheName) {
    const QString oud = Pad("oud.trv");
    ASSERT_TRUE(SchrijfBestand(*w, oud));
    const QByteArray oudeBytes = Inhoud(oud);
    const QString titel = w->windowTitle();
    w->EdtNaam->setText("Anders");
    w->Opgeslagen = false;

    QDir(omg.Map()).mkdir("in-de-weg.trv");
    omg.Schrijf("bestand", "x");
    // With the reason of each.
    QStringList mislukt = {Pad("in-de-weg.trv"), Pad("bestand/onder.trv")};
    QStringList redenen = {qt_error_string(EISDIR), qt_error_string(ENOTDIR)};
    if (geteuid() != 0) {
        // A folder the user may not write (the superuser may write anywhere).
        QDir(omg.Map()).mkdir("alleenlezen");
        QFile::setPermissions(Pad("alleenlezen"), QFile::ReadOwner | QFile::ExeOwner);
        omg.Schrijf("alleenlezen/x.trv", "oud");
        mislukt << Pad("alleenlezen/x.trv");
        redenen << qt_error_string(EACCES);
    }
    for (qsizetype i = 0; i < mislukt.size(); ++i) {
        const QString& naam = mislukt[i];
        omg.Berichten->Lijst.clear();
        EXPECT_FALSE(SchrijfBestand(*w, naam)) << naam.toStdString();
        EXPECT_EQ(Meldingen(), QStringList{"Cannot create file " + naam + ": " + redenen[i]});
        EXPECT_EQ(w->BestandNaam, oud);
        EXPECT_EQ(w->windowTitle(), titel);
        EXPECT_FALSE(w->Opgeslagen);
    }
    EXPECT_TRUE(QFileInfo(Pad("in-de-weg.trv")).isDir());
    if (geteuid() != 0) {
        EXPECT_EQ(Inhoud(Pad("alleenlezen/x.trv")), "oud");
    }
    EXPECT_EQ(Inhoud(oud), oudeBytes);
}
} // namespace
