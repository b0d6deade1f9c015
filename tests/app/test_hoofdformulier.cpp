#include "HeleGetallen.h"
#include "NumEdit.h"
#include "Paginas.h"
#include "StaticText.h"
#include "Tarvolingrade_u.h"
#include "TestOmgeving.h"
#include "Venster.h"

#include <QAction>
#include <QApplication>
#include <QBuffer>
#include <QComboBox>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <QWheelEvent>

#include "QtPrinten.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>

namespace {
// Each test makes the window itself, after what it writes to the settings file.
class HoofdFormulierTest : public VensterTest {
protected:
    void SetUp() override {}
    QString IniTekst() const { return QString::fromUtf8(omg.Lees(omg.IniNaastProgramma())); }
};

TEST_F(HoofdFormulierTest, VeertienTabbladenMetHunOpschriften) {
    Maak();
    const QStringList verwacht = {"Common ",         "Company/farm   ", "Other grazing animals ",
                                  "Starting stock ", "Stock increase ", "Closing stock ",
                                  "Input BEA  ",     "Input BEP  ",     "Input BEN  ",
                                  "Result   BEX ",   "Result   BEA ",   "Result   BEP ",
                                  "Result   BEN ",   "Analysis "};
    auto* tabs = w->TabTarvolingrader;
    ASSERT_EQ(tabs->count(), 14);
    const QStringList scroll = {"GrpAlgemeen",       "GrpBedrijf",      "GrpGraasdieren", "GrpVoorraadBegin",
                                "GrpVoorraadAanleg", "GrpVoorraadEind", "GrpInvoerBEA",   "GrpInvoerBEP",
                                "GrpInvoerBEN",      "GrpResultBEX",    "GrpResultBEA",   "GrpResultBEP",
                                "GrpResultBEN",      "GrpAnalyse"};
    for (int p = 0; p < 14; ++p) {
        EXPECT_EQ(tabs->tabText(p), verwacht[p]) << p;
        EXPECT_EQ(tabs->widget(p)->objectName(), QStringLiteral("TabSheet") + QString::number(p + 1));
        EXPECT_EQ(w->ScrollBoxen[static_cast<std::size_t>(p)]->objectName(), scroll[p]);
        const bool zichtbaar = p <= 5 || p == 9 || p == 13;
        EXPECT_EQ(tabs->isTabVisible(p), zichtbaar) << p;
    }
    EXPECT_EQ(tabs->currentIndex(), 0);
}

TEST_F(HoofdFormulierTest, OkKnoppenAlleenOpInvoerpaginas) {
    Maak();
    for (int p = 0; p < 14; ++p) {
        auto* knop = w->TabSheets[static_cast<std::size_t>(p)]->findChild<QPushButton*>(
            QStringLiteral("BtnSheet") + QString::number(p));
        EXPECT_EQ(knop != nullptr, p < 9) << p;
        if (knop) {
            EXPECT_EQ(knop->property("tag").toInt(), p);
            EXPECT_EQ(knop, w->BtnSheet[static_cast<std::size_t>(p)]);
        }
    }
}

TEST_F(HoofdFormulierTest, StaatNaHetMaken) {
    Maak();
    EXPECT_EQ(w->windowTitle(), "Tarvolingrade dairy");
    EXPECT_EQ(w->Diercategorie, "MK");
    EXPECT_EQ(w->BestandVersie, 201200);
    EXPECT_EQ(w->IniBestand, omg.IniNaastProgramma());
    EXPECT_EQ(w->width(), 943);
    EXPECT_EQ(w->minimumSize(), w->maximumSize());
    // The flags follow the silent checks the reset's handlers run: a new farm's herd page
    // and (without a name in the settings file) its first page are not valid; the pages
    // whose design values are a valid farm are.
    EXPECT_FALSE(w->TabbladOK[0]);
    EXPECT_FALSE(w->TabbladOK[1]);
    for (int p : {2, 6, 7, 8})
        EXPECT_TRUE(w->TabbladOK[static_cast<std::size_t>(p)]) << p;
    EXPECT_FALSE(w->ModuleBEA || w->ModuleBEP || w->ModuleBEN);
    EXPECT_TRUE(w->ModuleBEX);
    EXPECT_EQ(w->InfoBox.Versie, "2012.00");
    EXPECT_EQ(w->InfoBox.Datum, "5 April 2012");
    EXPECT_EQ(w->InfoBox.VersieFile, "versie.txt");

    QStringList modules;
    for (int i = 0; i < w->CbxModule->count(); ++i)
        modules << w->CbxModule->itemText(i);
    EXPECT_EQ(modules, QStringList({"BEX", "BEX + BEA", "BEX + BEP", "BEX + BEA + BEP",
                                    "BEX + BEA + BEP + BEN", "BEX youngstock"}));
    EXPECT_EQ(w->CbxModule->currentIndex(), 0);

    EXPECT_EQ(w->CbxEvaluatie->currentIndex(), 0);
    EXPECT_EQ(w->CbxEvaluatie->count(), 13);
    EXPECT_FALSE(w->CbxEvaluatie->isVisibleTo(w->CbxEvaluatie->parentWidget()));
    EXPECT_FALSE(w->LblEvaluatie->isVisibleTo(w->LblEvaluatie->parentWidget()));
    EXPECT_FALSE(w->SpeVemdekking->isVisibleTo(w->SpeVemdekking->parentWidget()));
    EXPECT_FALSE(w->SttVemdekking->isVisibleTo(w->SttVemdekking->parentWidget()));
    EXPECT_DOUBLE_EQ(w->SpeVemdekking->value(), 102);
    EXPECT_TRUE(w->BtnDump->isVisibleTo(w->PnlSpeedbar));
    EXPECT_TRUE(w->MitInvoerbestand->isVisible());
    EXPECT_TRUE(w->VersieControle1->isVisible());
    EXPECT_FALSE(w->Separator1->isVisible());
    EXPECT_EQ(w->PnlStatusBar->height(), 0);
}

TEST_F(HoofdFormulierTest, MenuInDeVolgordeMetOpschriftenEnSneltoetsen) {
    Maak();
    QStringList bestand;
    for (QAction* a : w->MitBestand->actions())
        bestand << a->objectName();
    EXPECT_EQ(bestand, QStringList({"MitNieuw", "MitOpenen", "MitOpslaan", "MitOpslaanals", "MitDump",
                                    "MitVerzenden", "MitInvoerbestand", "MitN2", "MitPrinterInstelling",
                                    "MitAfdrukvoorbeeld", "MitAfdrukken", "MitN3", "MitAfsluiten"}));
    EXPECT_EQ(w->MitBestand->title(), "&File");
    EXPECT_EQ(w->MitGebruik->title(), "&Options");
    EXPECT_EQ(w->MitHelp->title(), "&Help");
    EXPECT_EQ(w->MitNieuw->text(), "&New...");
    EXPECT_EQ(w->MitNieuw->shortcut(), QKeySequence("Ctrl+N"));
    EXPECT_EQ(w->MitOpenen->shortcut(), QKeySequence("Ctrl+O"));
    EXPECT_EQ(w->MitOpslaan->shortcut(), QKeySequence("Ctrl+S"));
    EXPECT_EQ(w->MitAfdrukken->text(), "&Print...");
    EXPECT_EQ(w->MitAfdrukken->shortcut(), QKeySequence("Ctrl+P"));
    EXPECT_TRUE(w->MitOpslaanals->shortcut().isEmpty());
    EXPECT_EQ(w->MitDump->text(), "Export to dump file...");
    EXPECT_EQ(w->MitDump->toolTip(), "Invoer en uitvoer toevoegen aan een dumpfile");
    EXPECT_EQ(w->MitInvoerbestand->toolTip(), "Automatic processing of input data from input file");
    EXPECT_EQ(w->MitPrinterInstelling->toolTip(), "Chance printer settings");
    EXPECT_EQ(w->MitVerzenden->text(), "S&end");
    EXPECT_EQ(w->MitAfdrukvoorbeeld->text(), "Print p&review");
    EXPECT_EQ(w->VersieControle1->text(), "Controlling &Version");
    EXPECT_EQ(w->Bedrijfslogo1->text(), "Change Company &Logo");
    EXPECT_EQ(w->Separator1->text(), "Set decimal separator");
    EXPECT_EQ(w->MitProduktOndersteuningTonen->text(), "...&show at start of the program");
    EXPECT_TRUE(w->MitProduktOndersteuningTonen->isCheckable());
    EXPECT_TRUE(w->MitProduktOndersteuningTonen->isChecked());
    EXPECT_EQ(w->MitInfo->text(), "&Info...");
    EXPECT_TRUE(w->MitN2->isSeparator());
    EXPECT_EQ(w->Actie("MitOpenen"), w->MitOpenen);
    EXPECT_EQ(w->Actie("bestaat niet"), nullptr);
}

TEST_F(HoofdFormulierTest, AlleenDeOpdrachtenVanDitVensterWerken) {
    Maak();
    for (const auto& item : MenuItems()) {
        QAction* a = w->Actie(QString::fromLatin1(item.Naam));
        ASSERT_NE(a, nullptr) << item.Naam;
        if (!a->isSeparator()) {
            EXPECT_EQ(a->isEnabled(), item.Actief) << item.Naam;
        }
    }
    EXPECT_TRUE(w->Bedrijfslogo1->isEnabled());
    EXPECT_TRUE(w->MitAfsluiten->isEnabled());
    EXPECT_FALSE(w->MitOpenen->isEnabled());
    EXPECT_FALSE(w->MitAfdrukken->isEnabled());
}

TEST_F(HoofdFormulierTest, WerkbalkVolgtZijnMenuopdrachten) {
    Maak();
    QStringList namen, tips;
    for (QToolButton* k : w->PnlSpeedbar->findChildren<QToolButton*>(Qt::FindDirectChildrenOnly)) {
        if (k->objectName().startsWith(QLatin1String("Btn"))) {
            namen << k->objectName();
            tips << k->toolTip();
            EXPECT_FALSE(k->isEnabled()) << k->objectName().toStdString();
        }
    }
    EXPECT_EQ(namen, QStringList({"BtnNieuw", "BtnOpenen", "BtnOpslaan", "BtnVersturen", "BtnDump",
                                  "BtnAfdrukvoorbeeld", "BtnAfdrukken", "BtnProduktOndersteuning",
                                  "BtnHandleiding"}));
    EXPECT_EQ(tips, QStringList({"New", "Open", "Save", "Send", "Export to dump file",
                                 "Calculate and print preview", "Print", "Product support", "Guide"}));
    EXPECT_EQ(w->PnlSpeedbar->height(), 30);

    // A layer above attaches its handler and enables the command: the button follows.
    int geopend = 0;
    QObject::connect(w->MitOpenen, &QAction::triggered, [&] { ++geopend; });
    w->MitOpenen->setEnabled(true);
    EXPECT_TRUE(w->BtnOpenen->isEnabled());
    Toon();
    QTest::mouseClick(w->BtnOpenen, Qt::LeftButton);
    EXPECT_EQ(geopend, 1);
}

struct HintGeval {
    const char* Naam;
    const char* Hint;
};
class HoofdFormulierHintTest : public HoofdFormulierTest, public ::testing::WithParamInterface<HintGeval> {};

TEST_P(HoofdFormulierHintTest, HintVanSpinEditEnLijst) {
    Maak();
    QWidget* c = w->findChild<QWidget*>(QString::fromLatin1(GetParam().Naam));
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(c->toolTip().toStdString(), GetParam().Hint);
}

INSTANTIATE_TEST_SUITE_P(
    Besturingen, HoofdFormulierHintTest,
    ::testing::Values(
        HintGeval{"SpeJaartal", "Minimum: 2006  -  Maximum: 2015"},
        HintGeval{"SpenKoe", "Minimum: 0.0  -  Maximum: 1500.0"},
        HintGeval{"SpeLftJvAfv", "Minimum: 4.0  -  Maximum: 28.0"},
        HintGeval{"SpeVet", "Minimum: 2.00  -  Maximum: 8.00"},
        HintGeval{"SpeOppGrasH", "Minimum: 0.00  -  Maximum: 500.00"},
        HintGeval{"SpeMelklev", "Minimum: 0  -  Maximum: 15000000"},
        HintGeval{"SpeUurWeidOKa", "Minimum: 24.0  -  Maximum: 24.0"},
        HintGeval{"SpeMethGras1", "Minimum: 0  -  Maximum: 100"},
        HintGeval{"SpeGraas13", "Minimum: 0.0  -  Maximum: 1000.0"},
        HintGeval{"CbxModule",
                  "BEX - BEX + BEA - BEX + BEP - BEX + BEA + BEP - BEX + BEA + BEP + BEN - BEX youngstock"},
        HintGeval{"CbxRas", "Middle or large - Cross breed jersey - Jersey"},
        HintGeval{"CbxGrasGrond", "Sand - Clay - Peat"}, HintGeval{"CbxMaisGrond", "Sand - Clay"},
        HintGeval{"CbxMaisGttrap", "I - V - VI - VII - VIII"},
        HintGeval{
            "CbxEvaluatie",
            "0 = Standaard - 1 = Diergewicht 650 kg (1) - 2 = TKT 375 (2a) - 3 = TKT 450 (2b) - 4 = "
            "Vemdekking 97 % (3a) - 5 = Vemdekking 107%  (3b) - 6 = Beweiden 60% kuil (4) - 7 = VG bereken "
            "+ beste kuilen (5) - 8 = Voerverliezen inrekenen (6) - 9 = Weidegras is restpost (7a) - 10 = "
            "Gras en mais is restpost (7b) - 11 = Weiden, gras B 15% en O 30% - 12 = Combinatie 8+9"},
        HintGeval{"EdtNaam", ""}));

TEST_F(HoofdFormulierTest, HintVanEenLegeLijstIsLeegEnAndereBesturingenHoudenHunHint) {
    Maak();
    QComboBox leeg;
    leeg.setToolTip("oud");
    w->SetHintControl(&leeg);
    EXPECT_EQ(leeg.toolTip(), "");
    QLabel label;
    label.setToolTip("eigen hint");
    w->SetHintControl(&label);
    EXPECT_EQ(label.toolTip(), "eigen hint");
}

// --- Reset ---

struct JaarGeval {
    int Klokjaar;
    const char* Jaartal;
};
class ResetJaarTest : public HoofdFormulierTest, public ::testing::WithParamInterface<JaarGeval> {};

TEST_P(ResetJaarTest, JaarVanDeKlokBinnen2006Tot2012) {
    omg.Klok->Datum = QDate(GetParam().Klokjaar, 1, 1);
    Maak();
    EXPECT_EQ(w->SpeJaartal->text().toStdString(), GetParam().Jaartal);
}

INSTANTIATE_TEST_SUITE_P(Jaren, ResetJaarTest,
                         ::testing::Values(JaarGeval{2005, "2010"}, JaarGeval{2006, "2006"},
                                           JaarGeval{2011, "2011"}, JaarGeval{2012, "2012"},
                                           JaarGeval{2013, "2010"}, JaarGeval{2025, "2010"}));

TEST_F(HoofdFormulierTest, BeginwaardenVanEenNieuwBedrijf) {
    Maak();
    for (QWidget* c : std::initializer_list<QWidget*>{
             w->SpenKoe,        w->SpenPink,      w->SpenKalf,      w->SpeMelklev,  w->SpeVet,
             w->SpeEiwit,       w->SpeUreum,      w->SpeOppGras,    w->SpeOppGrasL, w->SpeOppGrasN,
             w->SpeOppGrasH,    w->SpeOppBouw,    w->SpeOppBouwL,   w->SpeOppBouwN, w->SpeOppBouwH,
             w->LblMelkprod,    w->LblExcretieN1, w->LblExcretieP3, w->LblOppGras,  w->LblOppBouw,
             w->EdtOmschrijving})
        EXPECT_EQ(ControleTekst(c), "") << c->objectName().toStdString();
    for (QWidget* c :
         {w->SpeMndWeidBMk, w->SpeMndWeidOMk, w->SpeMndZstvBMk, w->SpeMndZstvOMk, w->SpeUurWeidBMk,
          w->SpeUurWeidOMk, w->SpeMndWeidBKa, w->SpeMndWeidOKa, w->SpeMndWeidBPi, w->SpeMndWeidOPi})
        EXPECT_EQ(ControleTekst(c), "0") << c->objectName().toStdString();
    // The herd layout of dairy cows sets the young stock's ages it hides; the other animals'
    // table is computed last, for the year of the clock (2011).
    const std::pair<QWidget*, const char*> teksten[] = {
        {w->SpeLftJvAan, "0.0"},    {w->SpeLftJvAfv, "24.0"},         {w->SpeUurWeidBKa, "10"},
        {w->SpeUurWeidBPi, "10"},   {w->SpeUurWeidOKa, "24"},         {w->SpeUurWeidOPi, "24"},
        {w->CbxMaisGrond, "Sand"},  {w->CbxMaisGttrap, "VI"},         {w->CbxGrasGrond, "Sand"},
        {w->CbxGrasGttrap, "VI"},   {w->LblGraasExc[13][4], "0.0"},   {w->LblGraasExc[1][1], "71.2"},
        {w->LblnGraas, "0.0"},      {w->LblExcretieGraasGem4, "0.0"}, {w->SpeDrijfMk, "100"},
        {w->SpeMethGras1, "100"},   {w->SpeMethBouw3, "0"},           {w->SpeBEPnormGk1, "90.0"},
        {w->SpeBEPnormSm2, "60.0"}, {w->SpeMestNgeh31dec, "4.00"}};
    for (const auto& [c, tekst] : teksten)
        EXPECT_EQ(ControleTekst(c), tekst) << c->objectName().toStdString();
    EXPECT_EQ(w->CbxRas->currentIndex(), -1);
    EXPECT_EQ(w->CbxTypeStal->currentIndex(), 0);
    EXPECT_EQ(w->LblGraasExc[13][4]->property("tag").toInt(), 134);
    EXPECT_TRUE(w->RbtGraasNee->isChecked());
    EXPECT_TRUE(w->RbtGraasNeeCat[7]->isChecked());
    EXPECT_TRUE(w->RbtMstafvStand->isChecked());
}

TEST_F(HoofdFormulierTest, ResetMaaktDeWaardenVanDeResultaatpaginasLeeg) {
    Maak();
    auto* waarde = new QLabel("+12", w->GrpResultBEX->widget());
    auto* opschrift = new StaticText("Excretion", w->GrpResultBEX->widget());
    auto* analyse = new QLabel("34", w->GrpAnalyse->widget());
    auto* ben = new QLabel("5", w->GrpResultBEN->widget());
    w->InitInvoer();
    EXPECT_EQ(waarde->text(), "");
    EXPECT_EQ(analyse->text(), "");
    EXPECT_EQ(ben->text(), "");
    EXPECT_EQ(opschrift->text(), "Excretion");
}

// --- Settings file ---

TEST_F(HoofdFormulierTest, BedrijfsgegevensUitHetInstellingenbestand) {
    omg.Schrijf("prog/tarvolingrade.ini",
                "[farm/COMPANY]\nname=De Hoeve\nAdress=Dorpsstraat 1\nCity=Ergens\n");
    Maak();
    EXPECT_EQ(w->EdtNaam->text(), "De Hoeve");
    EXPECT_EQ(w->EdtStraat->text(), "Dorpsstraat 1");
    EXPECT_EQ(w->EdtPlaats->text(), "Ergens");
    EXPECT_EQ(w->EdtOmschrijving->text(), "");
}

TEST_F(HoofdFormulierTest, AppDataKopieWordtGelezenEnBeschreven) {
    omg.Schrijf("prog/tarvolingrade.ini", "[Farm/company]\nName=Naast\n");
    omg.Schrijf("appdata/Tarvolingrade/Tarvolingrade.ini", "[Farm/company]\nName=AppData\n");
    Maak();
    EXPECT_EQ(w->IniBestand, omg.IniAppData());
    EXPECT_EQ(w->EdtNaam->text(), "AppData");
    w->EdtNaam->setText("Nieuw");
    w->close();
    EXPECT_EQ(omg.Lees(omg.IniAppData()), "[Farm/company]\nName=Nieuw\nAdress=\nCity=\n");
    EXPECT_EQ(omg.Lees(omg.IniNaastProgramma()), "[Farm/company]\nName=Naast\n");
}

TEST_F(HoofdFormulierTest, SluitenSchrijftDeBedrijfsgegevensEnBeeindigt) {
    omg.Schrijf("prog/tarvolingrade.ini", "[BestandHistorie]\nFileHistCount=0\n");
    Maak();
    QStringList volgorde;
    w->Haken.BijSluiten = [&] { volgorde << QString::fromUtf8(omg.Lees(omg.IniNaastProgramma())); };
    w->EdtNaam->setText("De Hoeve");
    w->EdtStraat->setText("Dorpsstraat 1");
    w->EdtPlaats->setText("1234 AB Ergens");
    Toon();
    w->MitAfsluiten->trigger();
    EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(afgesloten, 1);
    ASSERT_EQ(volgorde.size(), 1);
    EXPECT_EQ(volgorde[0], "[BestandHistorie]\nFileHistCount=0\n") << "the hook runs before the write";
    EXPECT_EQ(IniTekst(), "[BestandHistorie]\nFileHistCount=0\n"
                          "[Farm/company]\nName=De Hoeve\nAdress=Dorpsstraat 1\nCity=1234 AB Ergens\n");
}

TEST_F(HoofdFormulierTest, GeweigerdSluitenLaatAllesStaan) {
    Maak();
    w->Haken.MagSluiten = [] { return false; };
    Toon();
    w->close();
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(afgesloten, 0);
    EXPECT_EQ(IniTekst(), "");
}

TEST_F(HoofdFormulierTest, FoutBijDeSluitvraagHoudtHetVensterOpen) {
    Maak();
    w->Haken.MagSluiten = []() -> bool { throw std::runtime_error("Schijf vol"); };
    Toon();
    w->close();
    EXPECT_TRUE(w->isVisible());
    ASSERT_EQ(omg.Berichten->Lijst.size(), 1u);
    EXPECT_EQ(omg.Berichten->Lijst[0].Soort, TBerichtSoort::Fout);
    EXPECT_EQ(omg.Berichten->Lijst[0].Tekst, "Schijf vol");
}

// --- Product support at activation ---

TEST_F(HoofdFormulierTest, ProductondersteuningBijActiverenStandaardAan) {
    Maak();
    int getoond = 0;
    std::vector<bool> vinkjes;
    w->Haken.ToonProductOndersteuning = [&] { ++getoond; };
    w->Haken.ZetProductOndersteuning = [&](bool b) { vinkjes.push_back(b); };
    w->MitProduktOndersteuningTonen->setChecked(false);
    Toon();
    EXPECT_GE(getoond, 1);
    ASSERT_FALSE(vinkjes.empty());
    EXPECT_TRUE(vinkjes.back());
    EXPECT_TRUE(w->MitProduktOndersteuningTonen->isChecked());
}

// Not shown when the settings file turns it off, nor once its window was closed.
class ProductondersteuningNiet : public HoofdFormulierTest, public ::testing::WithParamInterface<bool> {};

TEST_P(ProductondersteuningNiet, BijActiveren) {
    const bool uitgezet = GetParam();
    if (uitgezet) omg.Schrijf("prog/tarvolingrade.ini", "[Gebruik]\nProduct Support=0\n");
    Maak();
    int getoond = 0;
    w->Haken.ToonProductOndersteuning = [&] { ++getoond; };
    if (!uitgezet) w->Haken.ProductOndersteuningGesloten = [] { return true; };
    Toon();
    EXPECT_EQ(getoond, 0);
    EXPECT_EQ(w->MitProduktOndersteuningTonen->isChecked(), !uitgezet);
}

INSTANTIATE_TEST_SUITE_P(UitgezetOfGesloten, ProductondersteuningNiet, ::testing::Bool());

TEST_F(HoofdFormulierTest, FoutInEenHandlerWordtEenFoutmelding) {
    Maak();
    w->Haken.ToonProductOndersteuning = [] { throw std::runtime_error("OpnameDsGras: Onbekend systeem: X"); };
    Toon();
    ASSERT_FALSE(omg.Berichten->Lijst.empty());
    EXPECT_EQ(omg.Berichten->Lijst[0].Soort, TBerichtSoort::Fout);
    EXPECT_EQ(omg.Berichten->Lijst[0].Knoppen, TKnoppen::OK);
    EXPECT_EQ(omg.Berichten->Lijst[0].Tekst, "OpnameDsGras: Onbekend systeem: X");
}

TEST_F(HoofdFormulierTest, TonenRoeptDeTonenHaak) {
    Maak();
    int keer = 0;
    w->Haken.BijTonen = [&] { ++keer; };
    Toon();
    EXPECT_EQ(keer, 1);
    EXPECT_EQ(w->SpeJaartal->text(), "2011") << "showing resets nothing";
}

// --- Command line ---

TEST_F(HoofdFormulierTest, BestandVanDeOpdrachtregel) {
    Maak();
    QStringList gelezen;
    w->Haken.LeesBestand = [&](const QString& b) { gelezen << b; };
    const QString bestaand = omg.Schrijf("boer.trv", "x");
    w->OpenBestandVanOpdrachtregel({"tarvolingrade"});
    EXPECT_TRUE(gelezen.isEmpty());
    // Whatever is named goes to the reader, which gives its message for what it cannot
    // open; a relative name is taken from the folder the program was started in.
    w->OpenBestandVanOpdrachtregel({"tarvolingrade", omg.Map() + "/weg.trv"});
    const QString map = QDir::currentPath();
    QDir::setCurrent(omg.Map());
    w->OpenBestandVanOpdrachtregel({"tarvolingrade", "boer.trv", "nog een"});
    QDir::setCurrent(map);
    EXPECT_EQ(gelezen, QStringList({omg.Map() + "/weg.trv", bestaand}));
    w->Haken.LeesBestand = [](const QString&) { throw std::runtime_error("Invalid property value"); };
    w->OpenBestandVanOpdrachtregel({"tarvolingrade", bestaand});
    ASSERT_EQ(omg.Berichten->Lijst.size(), 1u);
    EXPECT_EQ(omg.Berichten->Lijst[0].Tekst, "Invalid property value");
}

// --- Farm logo ---

QByteArray Beeld(const char* formaat, QSize maat) {
    QImage img(maat, QImage::Format_RGB32);
    img.fill(QColor(10, 120, 30));
    QByteArray data;
    QBuffer buf(&data);
    buf.open(QIODevice::WriteOnly);
    img.save(&buf, formaat);
    return data;
}

// The smallest GIF picture (1 x 1 pixel); Qt reads GIF but cannot write it.
const QByteArray kGif = QByteArray::fromHex(
    "47494638396101000100800000000000ffffff21f90401000000002c00000000010001000002024401003b");

class LogoFormaatTest : public HoofdFormulierTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(LogoFormaatTest, LogoWordtGeladenEnOnthouden) {
    const QString formaat = QString::fromLatin1(GetParam());
    const QByteArray data = formaat == "gif" ? kGif : Beeld(GetParam(), QSize(32, 16));
    ASSERT_FALSE(data.isEmpty());
    const QString pad = omg.Schrijf("logo/boer." + formaat, data);
    Maak();
    w->LaadLogo(pad);
    EXPECT_EQ(w->LogoBestand, pad);
    EXPECT_EQ(w->ImgBedrijf->size(), formaat == "gif" ? QSize(1, 1) : QSize(32, 16));
    EXPECT_EQ(IniTekst(), "[Gebruik]\nLogoBedrijf=" + pad + "\n");
}

INSTANTIATE_TEST_SUITE_P(Formaten, LogoFormaatTest, ::testing::Values("bmp", "gif", "ico", "jpeg", "png"));

// A logo too large for its place is scaled down to fit.
TEST_F(HoofdFormulierTest, LogoBijHetStartenUitHetInstellingenbestand) {
    const QString pad = omg.Schrijf("logo/foto.png", Beeld("png", QSize(2000, 1000)));
    omg.Schrijf("prog/tarvolingrade.ini", ("[Gebruik]\nLogoBedrijf=" + pad + "\n").toUtf8());
    Maak();
    EXPECT_EQ(w->LogoBestand, pad);
    EXPECT_EQ(w->ImgBedrijf->size(), QSize(160, 80));
}

TEST_F(HoofdFormulierTest, OntbrekendOfOnleesbaarLogoVeranderdNiets) {
    const QString kapot = omg.Schrijf("logo/kapot.bmp", "geen plaatje");
    omg.Schrijf("prog/tarvolingrade.ini", "[Gebruik]\nLogoBedrijf=Bedrijfslogo.wmf\n");
    Maak();
    const QSize standaard = w->ImgBedrijf->size();
    EXPECT_EQ(standaard, QSize(397, 64));
    EXPECT_TRUE(w->LogoBestand.isEmpty());
    w->LaadLogo(omg.Map() + "/logo/weg.bmp");
    w->LaadLogo(kapot);
    w->LaadLogo(QString());
    EXPECT_TRUE(w->LogoBestand.isEmpty());
    EXPECT_EQ(w->ImgBedrijf->size(), standaard);
    EXPECT_EQ(IniTekst(), "[Gebruik]\nLogoBedrijf=Bedrijfslogo.wmf\n");
}

TEST_F(HoofdFormulierTest, LogoKiezenViaHetMenu) {
    const QString eerste = omg.Schrijf("logo/eerste.bmp", Beeld("bmp", QSize(20, 10)));
    const QString tweede = omg.Schrijf("logo/tweede.png", Beeld("png", QSize(30, 10)));
    Maak();
    w->LaadLogo(eerste);
    omg.Dialogen->Antwoorden.push_back(tweede);
    w->Bedrijfslogo1->trigger();
    ASSERT_EQ(omg.Dialogen->Vragen.size(), 1u);
    const TBestandKeuze& k = omg.Dialogen->Vragen[0];
    EXPECT_EQ(k.Titel, "Openen");
    EXPECT_EQ(k.StandaardExtensie, "bmp");
    EXPECT_EQ(k.Map, omg.Map() + "/logo");
    EXPECT_EQ(k.Naam, "eerste.bmp");
    EXPECT_TRUE(k.Filter.contains("*.bmp") && k.Filter.contains("*.gif") && k.Filter.contains("*.ico") &&
                k.Filter.contains("(*)"));
    EXPECT_EQ(w->LogoBestand, tweede);
    // Cancelling changes nothing.
    w->Bedrijfslogo1->trigger();
    EXPECT_EQ(w->LogoBestand, tweede);
    EXPECT_EQ(w->ImgBedrijf->size(), QSize(30, 10));
}

// --- Tabs ---

QColor Pixel(TFrmHoofdFormulier& w, int pagina) {
    QTabBar* balk = w.TabTarvolingrader->tabBar();
    const QRect r = balk->tabRect(pagina);
    const QImage beeld = balk->grab().toImage();
    // Just inside the frame: a caption of narrowed tabs may start a few pixels further.
    return beeld.pixelColor(r.left() + 2, r.center().y());
}

TEST_F(HoofdFormulierTest, TabkleurenVolgenDeStaatVanDePagina) {
    Maak();
    Toon();
    const QColor rood(255, 0, 0), groen(192, 220, 192), blauw(233, 248, 255);
    w->TabbladOK.fill(false);
    w->TabTarvolingrader->TabBalk()->update();
    for (int p : {0, 1, 2, 3, 4, 5})
        EXPECT_EQ(Pixel(*w, p), rood) << p;
    EXPECT_EQ(Pixel(*w, 9), blauw);
    EXPECT_EQ(Pixel(*w, 13), blauw);

    w->TabbladOK[1] = true;
    w->TekenTab(1);
    w->TabbladOK[4] = true;
    w->TekenTab(4);
    EXPECT_EQ(Pixel(*w, 1), groen);
    EXPECT_EQ(Pixel(*w, 4), groen);
    EXPECT_EQ(Pixel(*w, 2), rood);

    // With BEP the tab at visible position 6 is "Input BEP  ", coloured by that page.
    KiesAlsGebruiker(w->CbxModule, 2);
    auto* balk = static_cast<TTabBalk*>(w->TabTarvolingrader->tabBar());
    EXPECT_EQ(balk->PaginaOpPositie(6), 7);
    EXPECT_EQ(balk->tabText(balk->PaginaOpPositie(6)), "Input BEP  ");
    w->TabbladOK[7] = false;
    w->TekenTab(6);
    EXPECT_EQ(Pixel(*w, 7), rood);
    w->TabbladOK[7] = true;
    w->TekenTab(6);
    EXPECT_EQ(Pixel(*w, 7), groen);
    EXPECT_EQ(Pixel(*w, 11), blauw);
}

TEST_F(HoofdFormulierTest, TabopschriftVet12Pixels) {
    Maak();
    const QFont f = w->TabTarvolingrader->tabBar()->font();
    EXPECT_TRUE(f.bold());
    EXPECT_EQ(f.pixelSize(), 12);
    Toon();
    // A caption is drawn on one line: the tab is no higher than one line of text.
    const QRect r = w->TabTarvolingrader->tabBar()->tabRect(1);
    EXPECT_LT(r.height(), 2 * QFontMetrics(f).height());
}

TEST_F(HoofdFormulierTest, BijElkeModuleKeuzePassenAlleTabsHeelInDeBalk) {
    Maak();
    Toon();
    auto* balk = w->TabTarvolingrader->TabBalk();
    // The last item, "BEX + BEA + BEP + BEN", shows all fourteen tabs.
    for (int m = 0; m < w->CbxModule->count(); ++m) {
        KiesAlsGebruiker(w->CbxModule, m);
        QCoreApplication::processEvents();
        const QFontMetrics fm(balk->OpschriftFont());
        int zichtbaar = 0;
        for (int p = 0; p < balk->count(); ++p) {
            if (!balk->isTabVisible(p)) continue;
            ++zichtbaar;
            const QRect r = balk->tabRect(p);
            // Inside the bar and the window, wider than its caption.
            EXPECT_TRUE(balk->rect().contains(r)) << m << " " << p;
            EXPECT_LE(balk->mapTo(w.get(), r.topRight()).x(), w->width()) << m << " " << p;
            EXPECT_GT(r.width(), fm.horizontalAdvance(balk->tabText(p).trimmed())) << m << " " << p;
        }
        EXPECT_EQ(zichtbaar, m == 4 ? 14 : m == 3 ? 12 : m == 0 || m == 5 ? 8 : 10) << m;
        // No scroll arrows.
        for (QToolButton* pijl : balk->findChildren<QToolButton*>())
            EXPECT_FALSE(pijl->isVisible()) << m;
        // Still bold captions of 12 pixels, drawn narrower when needed.
        EXPECT_TRUE(balk->OpschriftFont().bold());
        EXPECT_EQ(balk->OpschriftFont().pixelSize(), 12);
    }
}

TEST_F(HoofdFormulierTest, GeenWaardeLabelToontEenAfgesnedenGetal) {
    Maak();
    KiesAlsGebruiker(w->CbxModule, 4);
    Toon();
    // The largest total of a stock grid's amounts, as single precision gives it.
    const QString groot = QStringLiteral("-100000002004087734272.00");
    for (int p = 0; p < kAantalPaginas; ++p) {
        w->ZetActievePagina(p);
        QWidget* inhoud = w->ScrollBoxen[static_cast<std::size_t>(p)]->widget();
        std::vector<QLabel*> labels;
        for (QLabel* l : inhoud->findChildren<QLabel*>())
            if (!qobject_cast<StaticText*>(l) && l->isVisible() && !l->wordWrap()) labels.push_back(l);
        for (QLabel* l : labels)
            l->setText(groot);
        QCoreApplication::processEvents();
        inhoud->grab();
        for (QLabel* l : labels)
            EXPECT_TRUE(TekstPast(l) || l->toolTip() == groot) << p << " " << l->objectName().toStdString();
    }
}

// --- Enter ---

TEST_F(HoofdFormulierTest, EnterGaatNaarDeVolgendeInvoer) {
    Maak();
    Toon();
    w->SpeJaartal->setFocus();
    ASSERT_EQ(QApplication::focusWidget(), w->SpeJaartal);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), w->EdtOmschrijving);
    EXPECT_EQ(w->SpeJaartal->text(), "2011");
    QTest::keyClicks(w->EdtOmschrijving, "Proef");
    QTest::keyClick(w->EdtOmschrijving, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(QApplication::focusWidget(), w->EdtNaam);
    EXPECT_EQ(w->EdtOmschrijving->text(), "Proef");
    // Also on a list.
    w->CbxModule->setFocus();
    QTest::keyClick(w->CbxModule, Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), w->SpeJaartal);
    EXPECT_EQ(w->CbxModule->currentIndex(), 0);
}

TEST_F(HoofdFormulierTest, EnterOpPagina1) {
    Maak();
    w->TabTarvolingrader->setCurrentIndex(1);
    Toon();
    w->SpenKoe->setFocus();
    QTest::keyClicks(w->SpenKoe, "80");
    QTest::keyClick(w->SpenKoe, Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), w->SpenKalf);
    EXPECT_EQ(w->SpenKoe->text(), "80");
}

TEST_F(HoofdFormulierTest, EnterLooptDoorPagina1ZoalsHijGetekendIsEnToontElkeInvoer) {
    Maak();
    KiesAlsGebruiker(w->CbxModule, 4);
    w->TabTarvolingrader->setCurrentIndex(1);
    Toon();
    // Months of grazing above 0 show their hours.
    w->SpeMndWeidBMk->setValue(3);
    w->SpeMndWeidOMk->setValue(3);
    QCoreApplication::processEvents();
    QScrollArea* box = w->GrpBedrijf;
    QWidget* inhoud = box->widget();
    std::vector<QWidget*> alle;
    for (QWidget* c : inhoud->findChildren<QWidget*>())
        if ((qobject_cast<NumEdit*>(c) || qobject_cast<QComboBox*>(c)) && c->isVisible() && c->isEnabled())
            alle.push_back(c);
    ASSERT_GT(alle.size(), 20u);

    std::vector<QWidget*> bezocht;
    w->SpenKoe->setFocus();
    for (QWidget* f = w->SpenKoe; f && inhoud->isAncestorOf(f) && bezocht.size() <= alle.size();) {
        bezocht.push_back(f);
        // Shown whole within the page's view.
        const QRect r(f->mapTo(box->viewport(), QPoint(0, 0)), f->size());
        EXPECT_TRUE(box->viewport()->rect().contains(r)) << f->objectName().toStdString();
        QTest::keyClick(f, Qt::Key_Return);
        f = QApplication::focusWidget();
        if (f && qobject_cast<NumEdit*>(f->parentWidget())) f = f->parentWidget();
    }
    std::vector<QWidget*> gesorteerd = bezocht, verwacht = alle;
    std::sort(gesorteerd.begin(), gesorteerd.end());
    std::sort(verwacht.begin(), verwacht.end());
    EXPECT_EQ(gesorteerd, verwacht) << "every input once";

    // Group by group as drawn; within a group down the rows and along a row.
    const auto groep = [](QWidget* c) { return c->parentWidget(); };
    for (std::size_t i = 1; i < bezocht.size(); ++i) {
        QWidget* a = bezocht[i - 1];
        QWidget* b = bezocht[i];
        const std::string paar = a->objectName().toStdString() + " -> " + b->objectName().toStdString();
        if (groep(a) != groep(b)) {
            for (std::size_t j = 0; j + 1 < i; ++j)
                EXPECT_NE(groep(bezocht[j]), groep(b)) << "back to a group left: " << paar;
            continue;
        }
        const QRect ra(a->mapTo(inhoud, QPoint(0, 0)), a->size());
        const QRect rb(b->mapTo(inhoud, QPoint(0, 0)), b->size());
        const bool zelfdeRij = std::abs(ra.center().y() - rb.center().y()) < ra.height() / 2;
        EXPECT_TRUE(zelfdeRij ? rb.left() > ra.left() : rb.top() > ra.top()) << paar;
    }
    // The pairs of the grazing block and the land classes high, neutral, low.
    const auto na = [&](QWidget* a, QWidget* b) {
        const auto i = std::find(bezocht.begin(), bezocht.end(), a);
        return i != bezocht.end() && i + 1 != bezocht.end() && *(i + 1) == b;
    };
    EXPECT_TRUE(na(w->SpeMndWeidBMk, w->SpeUurWeidBMk));
    EXPECT_TRUE(na(w->SpeUurWeidBMk, w->SpeMndWeidOMk));
    EXPECT_TRUE(na(w->SpeMndWeidOMk, w->SpeUurWeidOMk));
    EXPECT_TRUE(na(w->SpeOppGrasH, w->SpeOppGrasN));
    EXPECT_TRUE(na(w->SpeOppGrasN, w->SpeOppGrasL));
    EXPECT_TRUE(na(w->SpeOppBouwH, w->SpeOppBouwN));
    EXPECT_TRUE(na(w->SpeOppBouwN, w->SpeOppBouwL));
}
} // namespace

namespace {
// --- Mouse wheel ---

void Wiel(QWidget* w) {
    const QPointF midden = QRectF(w->rect()).center();
    QWheelEvent e(midden, w->mapToGlobal(midden), QPoint(), QPoint(0, 120), Qt::NoButton, Qt::NoModifier,
                  Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(w, &e);
}

TEST_F(HoofdFormulierTest, WielVeranderdAlleenEenInvoerMetFocus) {
    Maak();
    Toon();
    w->EdtNaam->setFocus();
    Wiel(w->SpeJaartal);
    Wiel(w->CbxModule);
    EXPECT_EQ(w->SpeJaartal->text(), "2011");
    EXPECT_EQ(w->CbxModule->currentIndex(), 0);
    EXPECT_EQ(QApplication::focusWidget(), w->EdtNaam);
    w->SpeJaartal->setFocus();
    Wiel(w->SpeJaartal);
    EXPECT_EQ(w->SpeJaartal->text(), "2012");
}
} // namespace
