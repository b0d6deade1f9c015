#include "Controle.h"

#include "NumEdit.h"
#include "Tarvolingrade_u.h"

#include "Getallen.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

QString ControleTekst(const QWidget* w) {
    if (auto* e = qobject_cast<const NumEdit*>(w)) return e->text();
    if (auto* e = qobject_cast<const QLineEdit*>(w)) return e->text();
    if (auto* l = qobject_cast<const QLabel*>(w)) return l->text();
    if (auto* c = qobject_cast<const QComboBox*>(w)) return c->currentText();
    return {};
}

bool ZelfZichtbaar(const QWidget* w) {
    return w->parentWidget() ? w->isVisibleTo(w->parentWidget()) : !w->isHidden();
}

namespace {
QString NietGevuld(const QString& naam) {
    return naam + QStringLiteral(" was not filled in or has no current value");
}
} // namespace

bool TFrmHoofdFormulier::ControleerItem(const TControleItem& item, bool Meldingen, bool TotNuGoed) {
    auto zoek = [this](const QString& naam, QPointer<QWidget>& gevonden) -> QWidget* {
        if (gevonden) return gevonden;
        QWidget* w = findChild<QWidget*>(naam);
        if (!w) throw std::logic_error("page check: no control " + naam.toStdString());
        gevonden = w;
        return w;
    };
    auto fout = [&](const QString& tekst) {
        if (Meldingen) Berichten().Fout(tekst);
        return false;
    };

    switch (item.Soort) {
    case TControleSoort::Gevuld: {
        const QWidget* w = zoek(item.Besturing, item.Gevonden);
        if (ZelfZichtbaar(w) && ControleTekst(w).trimmed().isEmpty()) return fout(NietGevuld(item.Naam));
        return true;
    }
    case TControleSoort::Keuze: {
        const auto* c = qobject_cast<const QComboBox*>(zoek(item.Besturing, item.Gevonden));
        if (c && ZelfZichtbaar(c) && (c->currentIndex() < 0 || c->currentIndex() > item.Max))
            return fout(NietGevuld(item.Naam));
        return true;
    }
    case TControleSoort::EenVanTwee: {
        const auto* a = qobject_cast<const QRadioButton*>(zoek(item.Besturing, item.Gevonden));
        const auto* b = qobject_cast<const QRadioButton*>(zoek(item.Besturing2, item.Gevonden2));
        if (!(a && a->isChecked()) && !(b && b->isChecked())) return fout(NietGevuld(item.Naam));
        return true;
    }
    case TControleSoort::Getal: {
        const QWidget* w = zoek(item.Besturing, item.Gevonden);
        if (!ZelfZichtbaar(w)) return true;
        const QString tekst = ControleTekst(w).trimmed();
        const auto v = TryStrToFloat(tekst.toStdString());
        if (tekst.isEmpty() || !v || *v < item.Min || *v > item.Max)
            return fout(item.Naam + QStringLiteral(" has no current value(s)"));
        return true;
    }
    case TControleSoort::Eigen:
        return item.Eigen ? item.Eigen(*this, Meldingen, TotNuGoed) : true;
    }
    return true;
}

void TFrmHoofdFormulier::ControleerPagina(int pagina, bool Meldingen) {
    if (pagina < 0 || pagina > 8) return;
    bool goed = true;
    for (const TControleItem& item : Controles[static_cast<std::size_t>(pagina)]) {
        if (item.Voorwaarde && !item.Voorwaarde(*this)) continue;
        if (!ControleerItem(item, Meldingen, goed)) goed = false;
    }
    TabbladOK[static_cast<std::size_t>(pagina)] = goed;
    TekenTab(pagina);
}

bool TFrmHoofdFormulier::PaginaTelt(int pagina) const {
    switch (pagina) {
    case 6:
        return ModuleBEA;
    case 7:
        return ModuleBEP;
    case 8:
        return ModuleBEN;
    default:
        return true;
    }
}

bool TFrmHoofdFormulier::AllesGoed() const {
    return EersteFoutePagina() == 9;
}

int TFrmHoofdFormulier::EersteFoutePagina() const {
    for (int p = 0; p <= 8; ++p)
        if (!TabbladOK[static_cast<std::size_t>(p)] && PaginaTelt(p)) return p;
    return 9;
}
