// The check items of the stock pages 3..5: the five grid checks, their flags, the row
// types of the wet by-products and the silage stock.
#include "Tarvolingrade_u.h"

#include "Getallen.h"
#include "NatteProducten.h"
#include "VoorraadGrid.h"

#include <QComboBox>
#include <QLabel>

#include <array>

bool TFrmHoofdFormulier::ControleerGrid(int pagina, TVoorraadGrid* grid, bool Meldingen) {
    const QStringList fouten = ControleerCellen(*grid, grid->Soort(), ModuleBEA);
    if (Meldingen)
        for (const QString& tekst : fouten)
            Berichten().Fout(tekst);
    GridOK[pagina][grid->Soort()] = fouten.isEmpty();
    bool alle = true;
    for (int k = kGK; k <= kMP; ++k)
        alle = alle && GridOK[pagina][k];
    TabbladOK[static_cast<std::size_t>(pagina)] = alle;
    TekenTab(pagina);
    return fouten.isEmpty();
}

void TFrmHoofdFormulier::GrdBeginGkSelectCell(TVoorraadGrid* grid, int ACol, int /*ARow*/) {
    grid->setToolTip(QString());
    grid->setToolTip(CelHint(grid->Soort(), ACol, grid->Moment() == mAanleg));
    // Selected by the user, the box waits until the selection has settled.
    if (ACol == kKolRe && grid->Soort() == kGK)
        Berichten().Informatie(QStringLiteral("Crude protein inclusive NH3-fraction."));
}

void TFrmHoofdFormulier::MaakControlesVoorraad() {
    // The grid flags' names per page 3..5 and kind 1..5.
    static const std::array<std::array<const char*, 6>, 3> kNamen = {{
        {"", "Graskuilen", "Maiskuilen", "Overige ruwvoer, bijproducten", "Krachtvoeders", "Melkpoeder"},
        {"", "Graskuilen", "Maiskuilen", "Overig ruwvoer, bijproducten", "Krachtvoeders",
         "Aanvoer melkpoeder"},
        {"", "Graskuilen", "Maiskuilen", "Overig ruwvoer, bijproducten", "Krachtvoeders", "Melkpoeder"},
    }};
    for (int p = 3; p <= 5; ++p) {
        const int m = p - 2;
        auto& items = Controles[static_cast<std::size_t>(p)];

        TControleItem grids;
        grids.Soort = TControleSoort::Eigen;
        grids.Eigen = [p, m](TFrmHoofdFormulier& f, bool, bool) {
            for (int k = kGK; k <= kMP; ++k)
                f.ControleerGrid(p, f.VoorraadGrids[m][k], false);
            return true;
        };
        items.push_back(grids);

        for (int k = kGK; k <= kMP; ++k) {
            TControleItem vlag;
            vlag.Soort = TControleSoort::Eigen;
            vlag.Naam =
                QString::fromUtf8(kNamen[static_cast<std::size_t>(m - 1)][static_cast<std::size_t>(k)]);
            vlag.Eigen = [p, k, naam = vlag.Naam](TFrmHoofdFormulier& f, bool Meldingen, bool) {
                if (f.GridOK[p][k]) return true;
                if (Meldingen) f.Berichten().Fout(naam + QStringLiteral(" has no current value (s) "));
                return false;
            };
            items.push_back(vlag);
        }

        // Every row with a description needs its type while the types are shown (with
        // BEA), also the rows a folded grid keeps out of view.
        TControleItem typen;
        typen.Soort = TControleSoort::Eigen;
        typen.Eigen = [m](TFrmHoofdFormulier& f, bool Meldingen, bool) {
            if (!f.ModuleBEA) return true;
            const TVoorraadGrid* grid = f.VoorraadGrids[m][kNAT];
            bool goed = true;
            for (int r = 1; r < grid->RowCount(); ++r) {
                const QString omschrijving = grid->Cells(kKolOmschrijving, r);
                // The totals line a batch writes is no product to choose.
                if (omschrijving.isEmpty() || f.CbxNat[m][r]->currentIndex() >= 0 ||
                    f.NatProductNr[m][r] == kNatTotaal)
                    continue;
                goed = false;
                if (Meldingen) f.Berichten().Fout(omschrijving + QStringLiteral(" type was not filled"));
            }
            return goed;
        };
        items.push_back(typen);

        TControleItem kuilen;
        kuilen.Soort = TControleSoort::Eigen;
        kuilen.Eigen = [m](TFrmHoofdFormulier& f, bool Meldingen, bool) {
            const auto hoev = [](const QLabel* l) {
                return TryStrToFloat(l->text().toStdString()).value_or(0.0);
            };
            if (hoev(f.LblTotaal[m][kGK][1]) + hoev(f.LblTotaal[m][kSM][1]) > 0.1) return true;
            if (Meldingen)
                f.Berichten().Fout(
                    QStringLiteral("There must be grass+maize silage stock present on the farm"));
            return false;
        };
        items.push_back(kuilen);
    }
}
