// The cover: the report's title, its subjects, the farm's identity and the two logos.
#include "RapportPaginas.h"

#include <algorithm>
#include <cmath>

namespace {
// The fixed logo is placed as a picture of 307 x 307 pixels at 20 twips a pixel, centred
// on a band of 10300 twips from x = 454, 350 twips below y = 4500; any picture used for it
// is stretched into that place.
constexpr int kZelmPixels = 307;
constexpr int kVoorbladX = 454;
constexpr int kVoorbladY = 4500;

int Rond(long double x) {
    return static_cast<int>(std::nearbyint(x));
}

TTwipsRect ZelmRechthoek() {
    const int links = kVoorbladX + Rond((10300 - 20 * kZelmPixels) / 2.0L);
    const int boven = kVoorbladY + 350;
    return {links, boven, links + 20 * kZelmPixels, boven + 20 * kZelmPixels};
}

// The farm logo bottom right, in proportion: at most 0.8 of the body's width wide and
// 640 twips high, its bottom edge 200 twips below Onder. A picture without width or
// height is not drawn.
void Bedrijfslogo(TRapport& r) {
    const QImage& logo = r.M.ImgBedrijf;
    const int W = logo.width();
    const int H = logo.height();
    if (W <= 0 || H <= 0) return;
    const float scale = static_cast<float>(std::min(Deel(r.Rechts - r.Links, W), Deel(800, H)) * 0.8L);
    const int onder = r.Onder + 200;
    r.Canvas.StretchDraw({r.Rechts - Rond(W * static_cast<long double>(scale)),
                          onder - Rond(H * static_cast<long double>(scale)), r.Rechts, onder},
                         logo);
}
} // namespace

void PrintVoorblad(TRapport& r) {
    r.Canvas.Brush.SetColor(kWit);
    if (!r.M.ImgZelm.isNull()) r.Canvas.StretchDraw(ZelmRechthoek(), r.M.ImgZelm);
    r.Letter(10);
    r.Canvas.Brush.SetClear();

    r.Letter(40, true);
    r.PrintTekst(1, QStringLiteral("Report Tarvolingrade"), 15, 2);

    r.Letter(20, true);
    r.Regel = 6;
    if (r.M.Diercategorie == QLatin1String("JV"))
        r.PrintTekst(0, QStringLiteral("Farm-specific excretion of youngstock"), 3.5, r.Regel + 1);
    else
        r.PrintTekst(0, QStringLiteral("Farm specific excretion of dairy"), 3.5, r.Regel);
    const std::pair<bool, const char*> modules[] = {
        {r.M.ModuleBEA, "Farm-specific excretion of ammonia"},
        {r.M.ModuleBEP, "Farm-specific application standard phosphate"},
        {r.M.ModuleBEN, "Farm-specific application standard nitrogen????"},
    };
    for (const auto& [aan, tekst] : modules) {
        if (!aan) continue;
        r.Regel += 2;
        r.PrintTekst(0, QString::fromLatin1(tekst), 3.5, r.Regel);
    }

    r.Letter(10);
    r.Regel = 37;
    r.PrintVoorbladRegel(QStringLiteral("Based on year .."), r.Jaar());
    r.PrintVoorbladRegel(QStringLiteral("Description"), r.M.Tekst("EdtOmschrijving"));
    r.PrintVoorbladRegel(QStringLiteral("Farmer\"s name"), r.M.Tekst("EdtNaam"));
    r.PrintVoorbladRegel(QStringLiteral("Adress + number"), r.M.Tekst("EdtStraat"));
    r.PrintVoorbladRegel(QStringLiteral("Zip code + city"), r.M.Tekst("EdtPlaats"));

    r.Canvas.Font.Underline = true;
    r.Canvas.Brush.SetClear();
    r.PrintTekst(0, QStringLiteral("http://") + r.M.WebAdres, 0, 49);
    r.Canvas.Font.Underline = false;

    Bedrijfslogo(r);
    r.PrintVoet(r.PageNo);
}
