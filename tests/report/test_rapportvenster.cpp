// The report pages painted from a snapshot of the real main window: the control names the
// pages read exist and carry what the window shows.
#include "RapportToets.h"

#include "Getallen.h"
#include "NumEdit.h"
#include "PaginaIndeling.h"
#include "QtPrinten.h"
#include "Tarvolingrade_u.h"
#include "TestOmgeving.h"

#include <QComboBox>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>

#include <tuple>

namespace {

TEST(RapportVenster, PaginasLezenDeBesturingen) {
    TTestOmgeving omg;
    TFrmHoofdFormulier w(omg.Omgeving());
    KiesAlsGebruiker(w.CbxModule, w.CbxModule->findText(QStringLiteral("BEX + BEA + BEP + BEN")));
    ASSERT_TRUE(w.ModuleBEA && w.ModuleBEP && w.ModuleBEN);
    w.EdtNaam->setText(QStringLiteral("Jansen"));
    const TMomentopname m = NeemMomentopname(w);
    ASSERT_EQ(PaginaAantal(m), 11);

    const TOpnameCanvas voorblad = Teken(m, 1);
    EXPECT_EQ(TekstenOpRij(voorblad, 39), QStringList({"Farmer\"s name", ":", "Jansen"}));
    EXPECT_EQ(TekstenOpRij(voorblad, 37), QStringList({"Based on year ..", ":", w.SpeJaartal->text()}));
    EXPECT_EQ(TekstenOpRij(voorblad, 49), QStringList("http://" + w.InfoBox.WebAdres));

    // The captions of the BEP result page as the window shows them.
    const TOpnameCanvas bep = Teken(m, 4);
    const auto opschrift = [&](const char* naam) { return w.findChild<QLabel*>(naam)->text(); };
    EXPECT_EQ(TekstenOpRij(bep, 25), QStringList(opschrift("SttBepJaar")));
    EXPECT_EQ(TekstenOpRij(bep, 29), QStringList(opschrift("SttBepJaar3")));
    EXPECT_EQ(TekstenOpRij(bep, 50), QStringList(opschrift("SttBepBasis")));
    EXPECT_FALSE(opschrift("SttBepJaar").isEmpty());

    // The input page: every other-animal caption cut before its category number.
    const TOpnameCanvas invoer = Teken(m, 7);
    for (int i = 1; i <= 13; ++i) {
        const QString opschrift = w.LblGraas[static_cast<std::size_t>(i)]->text();
        ASSERT_TRUE(opschrift.contains("(cat")) << opschrift.toStdString();
        EXPECT_TRUE(invoer.Zoek(opschrift.left(opschrift.indexOf("(cat")))) << opschrift.toStdString();
    }
    EXPECT_TRUE(invoer.Zoek(QStringLiteral("Graze- and suckler cows, liq. manure ")));
    EXPECT_TRUE(invoer.Zoek(QStringLiteral("Breed cows")));
    for (const QString& t : invoer.Teksten())
        EXPECT_FALSE(t.contains("(cat")) << t.toStdString();

    // The module input page: list texts, and the maize soil line follows its list.
    const TOpnameCanvas module = Teken(m, 8);
    const TOpname* stal = module.Zoek(QStringLiteral("Stable type"));
    ASSERT_TRUE(stal);
    EXPECT_EQ(TekstenOpRij(module, (stal->Y - kBoven) / 280.0),
              QStringList({"Stable type", w.CbxTypeStal->currentText()}));
    EXPECT_EQ(module.Zoek(QStringLiteral("Maize: soil type, groundwater level")) != nullptr,
              !w.CbxMaisGrond->isHidden());
}

// The snapshot keeps the decimal sign the standards table is printed with.
TEST(RapportVenster, DecimaaltekenInDeMomentopname) {
    TTestOmgeving omg;
    TFrmHoofdFormulier w(omg.Omgeving());
    w.ModuleBEA = true;
    SetDecimalSeparator(',');
    const TMomentopname komma = NeemMomentopname(w);
    SetDecimalSeparator('.');
    const TMomentopname punt = NeemMomentopname(w);
    EXPECT_EQ(komma.Decimaalteken, QLatin1Char(','));
    EXPECT_EQ(punt.Decimaalteken, QLatin1Char('.'));
    EXPECT_EQ(TekstenOpRij(Teken(komma, 3), 22).value(1), "5,1");
    EXPECT_EQ(TekstenOpRij(Teken(punt, 3), 22).value(1), "5.1");
}

// The cover draws the farm logo from the picture at its own size, not the size the window
// shrinks it to; a file that is no picture keeps the logo there was.
TEST(RapportVenster, BedrijfslogoOpEigenMaat) {
    TTestOmgeving omg;
    TFrmHoofdFormulier w(omg.Omgeving());
    QTemporaryDir map;
    const QString logo = map.filePath("logo.png");
    QImage beeld(1000, 200, QImage::Format_RGB32);
    beeld.fill(Qt::darkGreen);
    ASSERT_TRUE(beeld.save(logo));
    w.LaadLogo(logo);
    EXPECT_EQ(w.ImgBedrijf->size(), QSize(400, 80));
    const QString kapot = map.filePath("kapot.png");
    QFile f(kapot);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("geen plaatje");
    f.close();
    w.LaadLogo(kapot);

    const TMomentopname m = NeemMomentopname(w);
    EXPECT_EQ(m.ImgBedrijf.size(), QSize(1000, 200));
    // Limited by its height: 0.8 x 800 / 200 = 3.2 twips a pixel.
    const TOpnameCanvas c = Teken(m, 1);
    const TOpname* plaatje = nullptr;
    for (const TOpname& o : c.Lijst)
        if (o.Soort == TOpname::TSoort::Plaatje && o.Beeld == QSize(1000, 200)) plaatje = &o;
    ASSERT_TRUE(plaatje);
    EXPECT_EQ(std::make_tuple(plaatje->X, plaatje->Y, plaatje->X2, plaatje->Y2),
              std::make_tuple(11131 - 3200, 15597 - 640, 11131, 15597));
}

} // namespace
