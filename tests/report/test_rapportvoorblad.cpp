// The cover and the BEX result page on a recording surface.
#include "RapportToets.h"

#include <tuple>

namespace {

using TRijen = std::vector<std::pair<const char*, int>>;

// The subtitles by animal group and modules, each left at column 3.5 in bold 20 pt.
TEST(RapportVoorblad, OndertitelsPerModuleEnDiercategorie) {
    const std::tuple<bool, bool, bool, const char*, TRijen> gevallen[] = {
        {false, false, false, "MK", {{"Farm specific excretion of dairy", 6}}},
        {false,
         true,
         false,
         "MK",
         {{"Farm specific excretion of dairy", 6}, {"Farm-specific application standard phosphate", 8}}},
        {true,
         true,
         true,
         "MK",
         {{"Farm specific excretion of dairy", 6},
          {"Farm-specific excretion of ammonia", 8},
          {"Farm-specific application standard phosphate", 10},
          {"Farm-specific application standard nitrogen????", 12}}},
        {false,
         false,
         true,
         "MK",
         {{"Farm specific excretion of dairy", 6}, {"Farm-specific application standard nitrogen????", 8}}},
        {false, false, false, "JV", {{"Farm-specific excretion of youngstock", 7}}},
        {true,
         false,
         false,
         "JV",
         {{"Farm-specific excretion of youngstock", 7}, {"Farm-specific excretion of ammonia", 8}}},
    };
    for (const auto& [bea, bep, ben, groep, rijen] : gevallen) {
        TMomentopname m = VoorbeeldOpname();
        m.ModuleBEA = bea;
        m.ModuleBEP = bep;
        m.ModuleBEN = ben;
        m.Diercategorie = QString::fromLatin1(groep);
        const TOpnameCanvas c = Teken(m, 1);
        SCOPED_TRACE(ModuleTag(m).toStdString() + groep);
        QStringList ondertitels;
        for (const TOpname& o : c.Lijst)
            if (o.Soort == TOpname::TSoort::Tekst && o.Font.Size == 20) ondertitels.append(o.Tekst);
        ASSERT_EQ(ondertitels.size(), static_cast<qsizetype>(rijen.size()));
        for (const auto& [tekst, rij] : rijen)
            Controleer(c, {QString::fromLatin1(tekst), 0, 3.5, double(rij), 20, true});
    }
}

// The title, the identity rows (an empty field prints its label and colon) and the
// underlined web address; no header on the cover.
TEST(RapportVoorblad, TitelIdentiteitEnWebadres) {
    TMomentopname m = VoorbeeldOpname();
    m.Teksten.insert("EdtNaam", "J. Jansen");
    m.WebAdres = "tarvolingrade.example.org";
    const TOpnameCanvas c = Teken(m, 1);
    Controleer(c,
               {{"Report Tarvolingrade", 1, 15, 2, 40, true}, {"Farmer\"s name", 0, 0, 39}, {":", 0, 7, 39}});
    const std::tuple<const char*, const char*> regels[] = {
        {"Based on year ..", "2011"}, {"Description", ""},     {"Farmer\"s name", "J. Jansen"},
        {"Adress + number", ""},      {"Zip code + city", ""},
    };
    for (int i = 0; i < 5; ++i) {
        const auto op = OpRij(c, 37 + i);
        ASSERT_EQ(op.size(), 3u) << i;
        EXPECT_EQ(op[0]->Tekst, std::get<0>(regels[i]));
        EXPECT_EQ(op[2]->Tekst, std::get<1>(regels[i]));
        EXPECT_EQ(op[2]->X, KolomX(8, 0, ""));
    }
    const TOpname* web = c.Zoek("http://tarvolingrade.example.org");
    ASSERT_TRUE(web);
    EXPECT_EQ(std::tie(web->X, web->Y), std::make_tuple(kLinks, RijY(49)));
    EXPECT_TRUE(web->Font.Underline);
    EXPECT_FALSE(c.Zoek("Invoerset"));
}

// The fixed logo fills its own place whatever the picture's size; the farm logo keeps its
// proportion, bottom right, at most 80 % of the body wide and 640 twips high.
TEST(RapportVoorblad, Logos) {
    const std::tuple<int, int, TTwipsRect> gevallen[] = {
        {397, 64, {7161, 14957, 11131, 15597}},   // the default logo: limited by its height
        {2000, 100, {2845, 15183, 11131, 15597}}, // wide: 0.8 x 10357 / 2000 = 4.1428 a pixel
        {50, 400, {11051, 14957, 11131, 15597}},  // tall: 1.6 a pixel
        {1, 1, {10491, 14957, 11131, 15597}},     // one pixel grows to 640 twips
    };
    for (const auto& [w, h, rect] : gevallen) {
        TMomentopname m = VoorbeeldOpname();
        m.ImgZelm = QImage(10, 20, QImage::Format_RGB32);
        m.ImgBedrijf = QImage(w, h, QImage::Format_RGB32);
        const TOpnameCanvas c = Teken(m, 1);
        std::vector<TOpname> plaatjes;
        for (const TOpname& o : c.Lijst)
            if (o.Soort == TOpname::TSoort::Plaatje) plaatjes.push_back(o);
        ASSERT_EQ(plaatjes.size(), 2u) << w;
        EXPECT_EQ(std::tie(plaatjes[0].X, plaatjes[0].Y, plaatjes[0].X2, plaatjes[0].Y2),
                  std::make_tuple(2534, 4850, 8674, 10990));
        EXPECT_EQ(plaatjes[0].Beeld, QSize(10, 20));
        EXPECT_EQ(TTwipsRect({plaatjes[1].X, plaatjes[1].Y, plaatjes[1].X2, plaatjes[1].Y2}), rect)
            << w << "x" << h;
        EXPECT_EQ(plaatjes[1].Beeld, QSize(w, h));
    }
    // A farm logo without width or height is not drawn.
    TMomentopname m = VoorbeeldOpname();
    m.ImgZelm = QImage(10, 20, QImage::Format_RGB32);
    m.ImgBedrijf = QImage();
    const TOpnameCanvas c = Teken(m, 1);
    int plaatjes = 0;
    for (const TOpname& o : c.Lijst)
        plaatjes += o.Soort == TOpname::TSoort::Plaatje;
    EXPECT_EQ(plaatjes, 1);
}

TMomentopname BexOpname() {
    TMomentopname m = VoorbeeldOpname();
    TTvUitvoer& u = m.Uitvoer;
    u.ExcrSpecExc = {"11", "12"};
    u.ExcrSpecInc = {"21", "22"};
    u.ExcrForf = {"31", "32"};
    u.ExcrVoordeel = {"+12", "-3"};
    u.GebrNorm = {"51", "52"};
    u.MestafzSpec = {"61", "62"};
    u.MestafzForf = {"71", "72"};
    u.MestafzVoordeel = {"0", "+4"};
    u.Efficientie = {"28.5", "40.1"};
    return m;
}

// Labels at column 0, nitrogen right at 20 and phosphate at 28; the advantage rows bold,
// each figure in the colour of its sign, the label black.
TEST(RapportBEX, RegelsKolommenEnKleuren) {
    const TOpnameCanvas c = Teken(BexOpname(), 2);
    Controleer(c, {
                      {"Results BEX analysis (Normen 2011)", 0, 0, 5, 11, true},
                      {"Nitrogen", 2, 20, 7, 11, true},
                      {"Phosphate", 2, 28, 7, 11, true},
                      {"11", 2, 20, 8},
                      {"12", 2, 28, 8},
                      {"Forfaitair (kg)", 0, 0, 10},
                      {"Advantage farm-specific, incl. (kg)", 0, 0, 11, 10, true},
                      {"+12", 2, 20, 11, 10, true, kVoordeel},
                      {"-3", 2, 28, 11, 10, true, kNadeel},
                      {"Manure disposal", 0, 0, 13, 11, true},
                      {"Manure disposal using a farm-specific excretion standard(kg)", 0, 0, 15},
                      {"72", 2, 28, 16},
                      {"Advantage farm-specific, incl. (kg)", 0, 0, 17, 10, true},
                      {"0", 2, 20, 17, 10, true, kZwart},
                      {"+4", 2, 28, 17, 10, true, kVoordeel},
                      {"Feed/Diet", 0, 0, 19, 11, true},
                      {"Efficiëncy (%)", 0, 0, 20},
                      {"40.1", 2, 28, 20},
                  });
    const std::vector<std::pair<int, TKleur>> banden = {
        {5, kTitelBand}, {7, kSectieBand}, {13, kSectieBand}, {19, kSectieBand}};
    EXPECT_EQ(Banden(c), banden);
}

// The BEX page does not change with the modules.
TEST(RapportBEX, ZelfdeMetOfZonderModules) {
    const TMomentopname zonder = BexOpname();
    TMomentopname met = zonder;
    met.ModuleBEA = met.ModuleBEP = met.ModuleBEN = true;
    EXPECT_EQ(Teken(zonder, 2).Teksten(), Teken(met, 2).Teksten());
}

} // namespace
