#include "Venstertoestand.h"

#include "NumEdit.h"
#include "TabBalk.h"
#include "Tarvolingrade_u.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QTableWidget>

namespace {
QString Vlag(bool b) {
    return b ? QStringLiteral("1") : QStringLiteral("0");
}

// What the widget holds, by its kind.
QString Inhoud(const QWidget* c) {
    QStringList t;
    if (const auto* e = qobject_cast<const NumEdit*>(c)) {
        t << e->text() << QString::number(e->minimum()) + ".." + QString::number(e->maximum())
          << QString::number(e->decimals());
    } else if (const auto* e = qobject_cast<const QLineEdit*>(c)) {
        t << e->text() << Vlag(e->isReadOnly());
    } else if (const auto* l = qobject_cast<const QLabel*>(c)) {
        t << l->text() << l->palette().color(QPalette::WindowText).name();
    } else if (const auto* b = qobject_cast<const QAbstractButton*>(c)) {
        t << b->text() << Vlag(b->isCheckable()) << Vlag(b->isChecked());
    } else if (const auto* k = qobject_cast<const QComboBox*>(c)) {
        t << QString::number(k->currentIndex()) << k->currentText() << QString::number(k->count());
    } else if (const auto* g = qobject_cast<const QGroupBox*>(c)) {
        t << g->title();
    } else if (const auto* tabel = qobject_cast<const QTableWidget*>(c)) {
        t << QString::number(tabel->rowCount()) + 'x' + QString::number(tabel->columnCount());
        for (int k = 0; k < tabel->columnCount(); ++k) {
            const QTableWidgetItem* kop = tabel->horizontalHeaderItem(k);
            t << (kop ? kop->text() : QString()) + (tabel->isColumnHidden(k) ? "(hidden)" : "");
        }
        for (int r = 0; r < tabel->rowCount(); ++r)
            for (int k = 0; k < tabel->columnCount(); ++k)
                if (const QTableWidgetItem* cel = tabel->item(r, k))
                    t << QString::number(r) + ',' + QString::number(k) + '=' + cel->text() + '/' +
                             QString::number(cel->checkState());
    }
    return t.join('|');
}

// The place of the widget in its parent's grid layout, when it has one.
QString Plaats(const QWidget* c) {
    const QWidget* ouder = c->parentWidget();
    const auto* grid = ouder ? qobject_cast<const QGridLayout*>(ouder->layout()) : nullptr;
    const int index = grid ? grid->indexOf(c) : -1;
    if (index < 0) return {};
    int r = 0, k = 0, rs = 0, ks = 0;
    grid->getItemPosition(index, &r, &k, &rs, &ks);
    return QString::number(r) + ',' + QString::number(k);
}

void Loop(const QWidget* ouder, const QString& pad, TVenstertoestand& s) {
    std::map<QString, int> ongenoemd;
    for (const QObject* o : ouder->children()) {
        const auto* c = qobject_cast<const QWidget*>(o);
        if (!c) continue;
        QString naam = c->objectName();
        if (naam.isEmpty()) {
            const QString klasse = QString::fromLatin1(c->metaObject()->className());
            naam = klasse + '#' + QString::number(ongenoemd[klasse]++);
        }
        const QString sleutel = pad + '/' + naam;
        // Qt's own parts (viewports, scroll bars, the spin edits' inner line) follow the
        // layout, not the farm; what they hold is walked below them.
        if (!naam.startsWith(QLatin1String("qt_")) && !qobject_cast<const QScrollBar*>(c))
            s[sleutel] = Vlag(!c->isHidden()) + Vlag(c->isEnabled()) + '|' + c->toolTip() + '|' + Plaats(c) +
                         '|' + Inhoud(c);
        Loop(c, sleutel, s);
    }
}
} // namespace

TVenstertoestand Venstertoestand(const TFrmHoofdFormulier& w) {
    TVenstertoestand s;
    Loop(&w, QString(), s);
    for (const QAction* a : w.findChildren<QAction*>())
        if (!a->objectName().isEmpty())
            s[QStringLiteral("actie:") + a->objectName()] =
                Vlag(a->isVisible()) + Vlag(a->isEnabled()) + Vlag(a->isChecked());
    for (std::size_t p = 0; p < w.TabbladOK.size(); ++p)
        s[QStringLiteral("TabbladOK") + QString::number(p)] = Vlag(w.TabbladOK[p]);
    for (int p = 3; p <= 5; ++p)
        for (int k = 1; k <= 5; ++k)
            s[QStringLiteral("GridOK%1,%2").arg(p).arg(k)] = Vlag(w.GridOK[p][k]);
    for (int m = 1; m <= 3; ++m)
        for (int r = 1; r <= 20; ++r)
            s[QStringLiteral("NatProductNr%1,%2").arg(m).arg(r)] = QString::number(w.NatProductNr[m][r]);
    for (int m = 1; m <= 3; ++m) {
        const auto& aankoop = m == 1 ? w.AankoopBegin : m == 2 ? w.AankoopAanleg : w.AankoopEind;
        for (int g = 1; g <= 3; ++g) {
            QString vlaggen;
            for (int r = 1; r <= 20; ++r)
                vlaggen += Vlag(aankoop[g][r]);
            s[QStringLiteral("Aankoop%1,%2").arg(m).arg(g)] = vlaggen;
        }
    }
    s[QStringLiteral("Modules")] =
        Vlag(w.ModuleBEX) + Vlag(w.ModuleBEA) + Vlag(w.ModuleBEP) + Vlag(w.ModuleBEN);
    s[QStringLiteral("Diercategorie")] = w.Diercategorie;
    s[QStringLiteral("BezigMetInlezen")] = Vlag(w.BezigMetInlezen);
    s[QStringLiteral("Pagina")] = QString::number(w.TabTarvolingrader->currentIndex());
    QString tabs;
    for (int p = 0; p < w.TabTarvolingrader->count(); ++p)
        tabs += Vlag(w.TabTarvolingrader->isTabVisible(p));
    s[QStringLiteral("Tabs")] = tabs;
    return s;
}

QStringList Verschillen(const TVenstertoestand& voor, const TVenstertoestand& na) {
    QStringList v;
    const QString geen = QStringLiteral("(none)");
    for (const auto& [sleutel, waarde] : voor) {
        const auto it = na.find(sleutel);
        if (it == na.end())
            v << sleutel + ": " + waarde + " -> " + geen;
        else if (it->second != waarde)
            v << sleutel + ": " + waarde + " -> " + it->second;
    }
    for (const auto& [sleutel, waarde] : na)
        if (!voor.count(sleutel)) v << sleutel + ": " + geen + " -> " + waarde;
    return v;
}
