// The main window with its file commands attached, files in the test's folder, and the
// whole state of the input pages as text, to compare two windows or a window before and
// after.
#pragma once

#include "Bestandscommandos.h"
#include "TestBytes.h"
#include "Venster.h"

#include <QDir>
#include <QString>
#include <QStringList>

class BestandTest : public VensterTest {
protected:
    void SetUp() override {
        VensterTest::SetUp();
        KoppelBestanden(*w);
    }
    // A new window with the file commands.
    void MaakOpnieuw() {
        Maak();
        KoppelBestanden(*w);
    }
    QString Pad(const QString& naam) const { return QDir(omg.Map()).filePath(naam); }
    QString Bewaar(const QString& naam, const std::vector<std::uint8_t>& b) const {
        return omg.Schrijf(
            naam, QByteArray(reinterpret_cast<const char*>(b.data()), static_cast<qsizetype>(b.size())));
    }
};

// Every input control, label, list, button and grid cell of the input pages with its
// value, range and own visibility; the page flags, the page shown, the by-products and
// purchase flags, the file name and the caption.
QStringList Toestand(const TFrmHoofdFormulier& w);
// The lines in which two states differ, as "a | b", for a readable failure.
std::string Verschil(const QStringList& a, const QStringList& b);

inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}
