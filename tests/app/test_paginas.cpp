// The tables are the window's design: a typo in a name, a range or a group would only
// show as a missing control or a wrong hint much later, so they are checked as a whole.
#include "NumEdit.h"
#include "Paginas.h"
#include "StaticText.h"
#include "Tarvolingrade_u.h"
#include "TestOmgeving.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollArea>

#include "QtPrinten.h"

#include <gtest/gtest.h>

#include <set>

namespace {
bool IsSoort(QWidget* w, TSoort soort) {
    switch (soort) {
    case TSoort::Lbl:
        return qobject_cast<QLabel*>(w) && !qobject_cast<StaticText*>(w);
    case TSoort::Stt:
        return qobject_cast<StaticText*>(w) && !static_cast<StaticText*>(w)->isLink();
    case TSoort::Link:
        return qobject_cast<StaticText*>(w) && static_cast<StaticText*>(w)->isLink();
    case TSoort::Edt:
        return qobject_cast<QLineEdit*>(w) != nullptr;
    case TSoort::Spe:
        return qobject_cast<NumEdit*>(w) != nullptr;
    case TSoort::Cbx:
        return qobject_cast<QComboBox*>(w) != nullptr;
    case TSoort::Rbt:
        return qobject_cast<QRadioButton*>(w) != nullptr;
    case TSoort::Chk:
        return qobject_cast<QCheckBox*>(w) != nullptr;
    }
    return false;
}

TEST(Paginatabellen, ElkeBesturingBestaatEenmaalMetZijnSoortOpZijnPagina) {
    TTestOmgeving omg;
    TFrmHoofdFormulier w(omg.Omgeving());
    std::set<std::string> namen;
    for (int p = 0; p < kAantalPaginas; ++p) {
        for (const auto& def : PaginaBesturingen(p)) {
            if (!*def.Naam) continue;
            EXPECT_TRUE(namen.insert(def.Naam).second) << "twice: " << def.Naam;
            const auto gevonden = w.findChildren<QWidget*>(QString::fromLatin1(def.Naam));
            ASSERT_EQ(gevonden.size(), 1) << def.Naam;
            QWidget* c = gevonden.first();
            EXPECT_TRUE(IsSoort(c, def.Soort)) << def.Naam;
            EXPECT_TRUE(w.ScrollBoxen[static_cast<std::size_t>(p)]->isAncestorOf(c)) << def.Naam;
            EXPECT_EQ(ZoekBesturing(QString::fromLatin1(def.Naam)), &def);
        }
    }
}

TEST(Paginatabellen, BereikenEnOntwerpwaardenPassen) {
    for (const auto* def : AlleBesturingen()) {
        if (def->Soort == TSoort::Spe) {
            EXPECT_LE(def->Min, def->Max) << def->Naam;
            EXPECT_GT(def->Stap, 0) << def->Naam;
            if (*def->Standaard) {
                const double v = QString::fromLatin1(def->Standaard).toDouble();
                EXPECT_TRUE(v >= def->Min && v <= def->Max) << def->Naam;
            }
        }
        if (def->Soort == TSoort::Cbx) {
            const int i = QString::fromLatin1(def->Standaard).toInt();
            EXPECT_TRUE(i >= -1 && i < Keuzes(*def).size()) << def->Naam;
        }
        if (def->Reset == TResetStap::Lijsten) {
            EXPECT_EQ(def->Soort, TSoort::Cbx) << def->Naam;
            EXPECT_LT(QString::fromLatin1(def->ResetTekst).toInt(), Keuzes(*def).size()) << def->Naam;
        }
    }
}

TEST(Paginatabellen, GroepenOpDezelfdePagina) {
    for (int p = 0; p < kAantalPaginas; ++p) {
        for (const auto& def : PaginaBesturingen(p)) {
            bool gevonden = false;
            for (const auto& g : Groepen())
                gevonden = gevonden || (QLatin1String(g.Naam) == QLatin1String(def.Groep) && g.Pagina == p);
            EXPECT_TRUE(gevonden) << def.Naam << " in " << def.Groep;
        }
    }
}
} // namespace
