#include "Bestandvenster.h"

#include "NumEdit.h"
#include "VoorraadGrid.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>

QStringList Toestand(const TFrmHoofdFormulier& w) {
    QStringList t;
    const auto zicht = [](const QWidget* c) {
        return c->isVisibleTo(c->parentWidget()) ? QStringLiteral(" v") : QStringLiteral(" h");
    };
    for (int p = 0; p < 9; ++p)
        for (const QWidget* c :
             w.ScrollBoxen[static_cast<std::size_t>(p)]->widget()->findChildren<QWidget*>()) {
            const QString n = c->objectName();
            if (n.isEmpty()) continue;
            if (const auto* e = qobject_cast<const NumEdit*>(c))
                t << n + "=" + e->text() + " [" + QString::number(e->minimum()) + ".." +
                         QString::number(e->maximum()) + "]" + zicht(c) + (c->isEnabled() ? "" : " off");
            else if (const auto* l = qobject_cast<const QLabel*>(c))
                t << n + "=" + l->text() + zicht(c);
            else if (const auto* e = qobject_cast<const QLineEdit*>(c))
                t << n + "=" + e->text() + zicht(c);
            else if (const auto* b = qobject_cast<const QComboBox*>(c))
                t << n + "=" + QString::number(b->currentIndex()) + " " + b->placeholderText() + zicht(c);
            else if (const auto* k = qobject_cast<const QAbstractButton*>(c))
                t << n + "=" + (k->isChecked() ? "1" : "0") + zicht(c);
        }
    for (int m = 1; m <= 3; ++m)
        for (int k = 1; k <= 5; ++k) {
            const TVoorraadGrid* g = w.VoorraadGrids[m][k];
            for (int r = 1; r < g->RowCount(); ++r) {
                QStringList rij;
                for (int c = 0; c < g->ColCount(); ++c)
                    rij << g->Cells(c, r);
                t << g->objectName() + QString::number(r) + "=" + rij.join('|');
            }
        }
    for (int m = 1; m <= 3; ++m)
        for (int r = 1; r <= 20; ++r)
            t << QStringLiteral("Nat%1.%2=%3").arg(m).arg(r).arg(w.NatProductNr[m][r]);
    for (const auto* a : {&w.AankoopBegin, &w.AankoopAanleg, &w.AankoopEind})
        for (int g = 1; g <= 3; ++g)
            for (int r = 1; r <= 20; ++r)
                t << QStringLiteral("Aankoop%1.%2=%3").arg(g).arg(r).arg((*a)[g][r]);
    for (int p = 0; p < 9; ++p)
        t << QStringLiteral("TabbladOK%1=%2").arg(p).arg(w.TabbladOK[static_cast<std::size_t>(p)]);
    t << QStringLiteral("Pagina=%1").arg(w.TabTarvolingrader->currentIndex());
    t << QStringLiteral("Modules=%1%2%3").arg(w.ModuleBEA).arg(w.ModuleBEP).arg(w.ModuleBEN);
    t << "BestandNaam=" + w.BestandNaam << "Titel=" + w.windowTitle();
    return t;
}

std::string Verschil(const QStringList& a, const QStringList& b) {
    std::string v;
    for (qsizetype i = 0; i < std::max(a.size(), b.size()); ++i) {
        const QString x = i < a.size() ? a[i] : QString();
        const QString y = i < b.size() ? b[i] : QString();
        if (x != y) v += (x + "  |  " + y + "\n").toStdString();
    }
    return v;
}
