#include "BestandVenster.h"

#include "Getallen.h"
#include "NumEdit.h"
#include "Tarvolingrade_t.h"
#include "Tarvolingrade_u.h"
#include "TijdelijkeVlag.h"
#include "VoorraadGrid.h"

#include <QComboBox>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include <algorithm>
#include <stdexcept>

namespace {
// The controls of the item table by name, as the window remembers them (a batch saves a
// farm file for every farm).
class TItemBesturingen {
public:
    explicit TItemBesturingen(const TFrmHoofdFormulier& w) {
        const auto& items = BestandItems();
        fBesturingen.resize(items.size(), nullptr);
        for (std::size_t i = 0; i < items.size(); ++i) {
            const TItemSoort s = items[i].Soort;
            if (s == TItemSoort::Teken || s == TItemSoort::Grids || s == TItemSoort::Aankoop) continue;
            QWidget* c = w.BesturingOpNaam(QString::fromLatin1(items[i].Naam));
            if (!c) throw std::logic_error(std::string("Control missing in the window: ") + items[i].Naam);
            fBesturingen[i] = c;
        }
    }
    template <typename T> T* Geef(std::size_t i) const {
        auto* c = qobject_cast<T*>(fBesturingen[i]);
        if (!c) throw std::logic_error(std::string("Control of another kind: ") + BestandItems()[i].Naam);
        return c;
    }

private:
    std::vector<QWidget*> fBesturingen;
};

int AankoopMoment(std::string_view naam) {
    return naam == "AankoopBegin" ? 1 : naam == "AankoopAanleg" ? 2 : 3;
}

std::string Std(const QString& s) {
    return s.toStdString();
}

void LeesGrid(TFrmHoofdFormulier& w, const TBoerderijBestand& b, int moment, int soort) {
    TVoorraadGrid* grid = w.VoorraadGrids[moment][soort];
    grid->SluitEditor();
    const TGridCellen& cellen = b.Grid(moment, soort);
    const int rijen = std::min(grid->RowCount() - 1, 20);
    for (int c = 1; c <= 8; ++c)
        for (int r = 1; r <= rijen; ++r)
            grid->SetCells(c, r, QString::fromStdString(cellen.Cel(c, r)));
    if (soort == kNatSoort)
        for (int r = 1; r <= rijen; ++r) {
            if (grid->Cells(1, r).isEmpty()) continue;
            w.NatProductNr[moment][r] =
                b.NatProductNr[static_cast<std::size_t>(moment - 1)][static_cast<std::size_t>(r - 1)];
            w.ToonNatProduct(moment, r);
        }
    // Each row with an amount is computed again as if its description had been typed.
    for (int r = 1; r <= rijen; ++r)
        if (!grid->Cells(2, r).isEmpty()) w.GrdBeginGkSetEditText(grid, 1, r, QStringLiteral("0"));
    w.BerekenVoorraadGrid(grid);
}

// Formats 201102 up to 201110: each crop's phosphate removal becomes an amount and a P
// content, from the P content the stock increase shows (grass silage for fresh grass and
// grass silage, maize silage for maize).
void ZetOudeAfvoer(TFrmHoofdFormulier& w, const std::array<double, 3>& x) {
    const auto p = [&w](int soort) -> long double {
        const auto v = TryStrToFloat(Std(w.LblTotaal[2][soort][5]->text()));
        return v ? *v : 0.0L;
    };
    const std::array<long double, 3> gehalte = {p(1) * 4.3L / 4.2L, p(1), p(2)};
    const std::array<long double, 3> standaard = {4.3L, 4.2L, 2.0L};
    const std::array<std::pair<NumEdit*, NumEdit*>, 3> velden = {{
        {w.SpeAfvoerVgHoev, w.SpeAfvoerVgP},
        {w.SpeAfvoerGkHoev, w.SpeAfvoerGkP},
        {w.SpeAfvoerSmHoev, w.SpeAfvoerSmP},
    }};
    for (std::size_t i = 0; i < 3; ++i) {
        long double pi = gehalte[i];
        if (pi <= 0.001L) pi = standaard[i];
        velden[i].first->setValue(static_cast<double>(RoundHalfEven(Deel(x[i], pi / 1000))));
        velden[i].second->setValue(static_cast<double>(RoundHalfEven(100 * pi) / 100));
    }
}
} // namespace

TBoerderijBestand VerzamelBestand(const TFrmHoofdFormulier& w) {
    TBoerderijBestand b;
    b.Versie = kBestandVersie;
    b.Pagina = w.EersteFoutePagina();
    b.Decimaalteken = std::string(1, DecimalSeparator());
    const TItemBesturingen besturingen(w);
    const auto& items = BestandItems();
    for (std::size_t i = 0; i < items.size(); ++i) {
        switch (items[i].Soort) {
        case TItemSoort::Geheel:
            b.Waarden[i] = besturingen.Geef<QComboBox>(i)->currentIndex();
            break;
        case TItemSoort::Drijvend: {
            // The value within the range, as a spin edit gives it: an empty one its
            // minimum, a text beyond the range (an hour the reset set to 0) the nearest end.
            const NumEdit* e = besturingen.Geef<NumEdit>(i);
            b.Waarden[i] = std::clamp(e->value(), e->minimum(), std::max(e->minimum(), e->maximum()));
            break;
        }
        case TItemSoort::Boolean:
            b.Waarden[i] = besturingen.Geef<QRadioButton>(i)->isChecked();
            break;
        case TItemSoort::Tekst:
            b.Waarden[i] = Std(besturingen.Geef<QLineEdit>(i)->text());
            break;
        case TItemSoort::Teken:
            break;
        case TItemSoort::Grids:
            for (int m = 1; m <= 3; ++m)
                for (int k = 1; k <= 5; ++k) {
                    const TVoorraadGrid* grid = w.VoorraadGrids[m][k];
                    TGridCellen& cellen = b.Grid(m, k);
                    const int rijen = std::min(grid->RowCount() - 1, 20);
                    for (int c = 1; c <= 8; ++c)
                        for (int r = 1; r <= rijen; ++r)
                            cellen.Cel(c, r) = Std(grid->Cells(c, r));
                }
            for (int m = 1; m <= 3; ++m)
                for (int r = 1; r <= 20; ++r)
                    b.NatProductNr[static_cast<std::size_t>(m - 1)][static_cast<std::size_t>(r - 1)] =
                        w.NatProductNr[m][r];
            break;
        case TItemSoort::Aankoop: {
            const int m = AankoopMoment(items[i].Naam);
            const auto& vlaggen = m == 1 ? w.AankoopBegin : m == 2 ? w.AankoopAanleg : w.AankoopEind;
            for (int g = 1; g <= 2; ++g)
                for (int r = 1; r <= 20; ++r)
                    b.Aankoop[static_cast<std::size_t>(m - 1)][static_cast<std::size_t>(g - 1)]
                             [static_cast<std::size_t>(r - 1)] = vlaggen[g][r];
            break;
        }
        }
    }
    return b;
}

void ControleerBestand(const TFrmHoofdFormulier& w, const TBoerderijBestand& b) {
    const TItemBesturingen besturingen(w);
    const auto& items = BestandItems();
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (items[i].Soort != TItemSoort::Geheel || !b.Waarden[i]) continue;
        const auto* v = std::get_if<int>(&*b.Waarden[i]);
        const int n = besturingen.Geef<QComboBox>(i)->count();
        if (!v || *v < -1 || *v >= n) throw TBestandFout(kOngeldigeWaarde);
    }
}

void PasBestandToe(TFrmHoofdFormulier& w, const TBoerderijBestand& b) {
    const TItemBesturingen besturingen(w);
    const auto& items = BestandItems();
    {
        const TTijdelijkeVlag inlezen(w.BezigMetInlezen);
        for (std::size_t i = 0; i < items.size(); ++i) {
            const std::string_view naam = items[i].Naam;
            if (naam == "SpeAfvoerVgHoev" && b.OudeAfvoer) ZetOudeAfvoer(w, *b.OudeAfvoer);
            const auto& waarde = b.Waarden[i];
            switch (items[i].Soort) {
            case TItemSoort::Geheel:
                if (waarde)
                    besturingen.Geef<QComboBox>(i)->setCurrentIndex(std::get<int>(*waarde));
                else if (naam == "CbxModule")
                    // The reset keeps the module; a file without one gives the first.
                    w.CbxModule->setCurrentIndex(0);
                break;
            case TItemSoort::Drijvend:
                if (waarde) besturingen.Geef<NumEdit>(i)->setValue(std::get<double>(*waarde));
                break;
            case TItemSoort::Boolean: {
                if (!waarde) break;
                // Of a pair the button stored true is checked; an auto-exclusive button
                // cannot be unchecked, so "not specified" checks its partner.
                if (std::get<bool>(*waarde))
                    besturingen.Geef<QRadioButton>(i)->setChecked(true);
                else if (naam == "RbtMstafvOpg")
                    w.RbtMstafvStand->setChecked(true);
                break;
            }
            case TItemSoort::Tekst:
                if (waarde)
                    besturingen.Geef<QLineEdit>(i)->setText(
                        QString::fromStdString(std::get<std::string>(*waarde)));
                break;
            case TItemSoort::Teken:
                break;
            case TItemSoort::Grids:
                for (int m = 1; m <= 3; ++m)
                    for (int k = 1; k <= 5; ++k)
                        LeesGrid(w, b, m, k);
                break;
            case TItemSoort::Aankoop: {
                const int m = AankoopMoment(naam);
                auto& vlaggen = w.Aankoop(m);
                for (int g = 1; g <= 2; ++g)
                    for (int r = 1; r <= 20; ++r)
                        vlaggen[g][r] =
                            b.Aankoop[static_cast<std::size_t>(m - 1)][static_cast<std::size_t>(g - 1)]
                                     [static_cast<std::size_t>(r - 1)];
                break;
            }
            }
        }
    }

    w.BerekenGraasdieren();
    w.ZetVinkjes();
    w.CbxModuleChange();
    w.CbxRasChange();
    w.SpeMelklevChange();
    w.RbtMstafvStandClick();
    w.RbtGraasNeeClick();
    w.SpeDrijfBouwChange();
    w.SpeOppMaisHChange();

    const int P = std::clamp(b.Pagina, 0, 9);
    for (int p = 0; p < P; ++p)
        w.ControleerPagina(p, false);
    w.TabTarvolingraderChange(&w);

    // Back to the page the user was on, but not beyond the first page the file leaves
    // invalid (the pages of modules that are off count as valid).
    for (int i = 0; i <= 8; ++i) {
        const bool geldig = w.TabbladOK[static_cast<std::size_t>(i)] || !w.PaginaTelt(i);
        if (geldig && i <= P) continue;
        w.ZetActievePagina(std::min(i, w.TabTarvolingrader->currentIndex()));
        break;
    }
}
