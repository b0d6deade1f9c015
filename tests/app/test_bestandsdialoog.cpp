// The real file dialog behind the seam, closed by the test as a user would: the open
// dialog that allows a new name adds the default extension and asks nothing about an
// existing file.
#include "Omgeving.h"

#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

namespace {
struct TGetypt {
    QString Titel;
    // The dialog stayed open after its accept button.
    bool Open = false;
    // A message box came up over the dialog (not found, overwrite?).
    bool Melding = false;
};

class BestandsdialoogTest : public ::testing::Test {
protected:
    TBestandKeuze Keuze(bool nieuweNaam) const {
        TBestandKeuze k;
        k.Titel = QStringLiteral("Exporteren");
        k.Map = map.path();
        k.Filter = QStringLiteral("dmp-bestand (*.dmp)");
        k.StandaardExtensie = QStringLiteral("dmp");
        k.NieuweNaam = nieuweNaam;
        return k;
    }
    QString Kies(bool nieuweNaam, const QString& naam, TGetypt* gezien = nullptr) {
        auto uitkomst = std::make_shared<TGetypt>();
        QTimer::singleShot(0, [uitkomst, naam] {
            auto* dlg = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (!dlg) return;
            uitkomst->Titel = dlg->windowTitle();
            if (auto* regel = dlg->findChild<QLineEdit*>(QStringLiteral("fileNameEdit")))
                regel->setText(naam);
            QTimer::singleShot(0, [uitkomst] {
                if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                    uitkomst->Melding = true;
                    box->reject();
                }
            });
            QMetaObject::invokeMethod(dlg, "accept");
            uitkomst->Open = dlg->isVisible();
            if (uitkomst->Open) dlg->reject();
        });
        const QString gekozen = TQtBestandDialogen().Open(nullptr, Keuze(nieuweNaam));
        if (gezien) *gezien = *uitkomst;
        return gekozen;
    }
    QTemporaryDir map;
};

TEST_F(BestandsdialoogTest, NieuweNaamKrijgtDeExtensie) {
    TGetypt gezien;
    EXPECT_EQ(Kies(true, QStringLiteral("uitvoer"), &gezien), map.filePath(QStringLiteral("uitvoer.dmp")));
    EXPECT_EQ(gezien.Titel, "Exporteren");
    EXPECT_FALSE(gezien.Open);
    EXPECT_FALSE(gezien.Melding);
}

TEST_F(BestandsdialoogTest, BestaandBestandZonderVraag) {
    QFile f(map.filePath(QStringLiteral("bestaat.dmp")));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.close();
    TGetypt gezien;
    EXPECT_EQ(Kies(true, QStringLiteral("bestaat.dmp"), &gezien),
              map.filePath(QStringLiteral("bestaat.dmp")));
    EXPECT_FALSE(gezien.Melding);
}

} // namespace
