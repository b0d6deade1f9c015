#include "Voorbeeldbedrijf.h"

#include "Getallen.h"
#include "NumEdit.h"
#include "TabBalk.h"
#include "Tarvolingrade_u.h"
#include "TestOmgeving.h"
#include "VoorraadGrid.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <memory>

namespace {
// Set while the example farm is typed: its numbers, written with ".", are typed with the
// current decimal sign, as a user of that sign types them. Other tests type as written.
bool gMetHuidigTeken = false;

QString MetTeken(QString getal) {
    if (gMetHuidigTeken) getal.replace(QLatin1Char('.'), QLatin1Char(DecimalSeparator()));
    return getal;
}

// The messages a keystroke or a click raised are shown once its event is over, as the event
// loop would do now.
void NaAfloop() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::MetaCall);
}
} // namespace

void Typ(NumEdit* e, const QString& tekst) {
    QTest::keyClick(e, Qt::Key_A, Qt::ControlModifier);
    if (tekst.isEmpty())
        QTest::keyClick(e, Qt::Key_Backspace);
    else
        QTest::keyClicks(e, MetTeken(tekst));
    NaAfloop();
}

void TypCel(TVoorraadGrid* g, int kolom, int rij, const QString& tekst) {
    g->setCurrentCell(rij - 1, kolom);
    g->editItem(g->item(rij - 1, kolom));
    // Column 1 is the description; the others hold numbers.
    if (QLineEdit* e = g->Editor()) QTest::keyClicks(e, kolom == 1 ? tekst : MetTeken(tekst));
    g->SluitEditor();
    NaAfloop();
}

void TypRegel(TVoorraadGrid* g, int rij, const QStringList& cellen) {
    for (int i = 0; i < cellen.size(); ++i)
        if (!cellen[i].isEmpty()) TypCel(g, i + 1, rij, cellen[i]);
}

void KlikTab(TFrmHoofdFormulier& w, int pagina) {
    TTabBalk* balk = w.TabTarvolingrader->TabBalk();
    QTest::mouseClick(balk, Qt::LeftButton, Qt::NoModifier, balk->tabRect(pagina).center());
    NaAfloop();
}

namespace {
void TypTekst(QLineEdit* e, const QString& tekst) {
    e->clear();
    QTest::keyClicks(e, tekst);
}
} // namespace

QString TypVoorbeeldbedrijf(TFrmHoofdFormulier& w) {
    gMetHuidigTeken = true;
    const std::unique_ptr<bool, void (*)(bool*)> terug(&gMetHuidigTeken, [](bool* b) { *b = false; });
    const auto ok = [&w](int pagina, int volgende) -> QString {
        if (w.TabTarvolingrader->currentIndex() != pagina)
            return QStringLiteral("not on page %1 but on %2")
                .arg(pagina)
                .arg(w.TabTarvolingrader->currentIndex());
        w.BtnSheet[static_cast<std::size_t>(pagina)]->click();
        if (w.TabTarvolingrader->currentIndex() != volgende)
            return QStringLiteral("OK on page %1 led to page %2")
                .arg(pagina)
                .arg(w.TabTarvolingrader->currentIndex());
        return {};
    };
    enum { Gk = 1, Sm = 2, Nat = 3, Kv = 4, Mp = 5 };
    // Description, amount, VEM, RE, N, P, crude ash.
    const auto kuil = [](const char* naam, const char* hoev, const char* vem, const char* re, const char* n,
                         const char* p) { return QStringList{naam, hoev, vem, re, n, p, "100"}; };

    // Page 0 "Common "
    KiesAlsGebruiker(w.CbxModule, 4); // BEX + BEA + BEP + BEN
    Typ(w.SpeJaartal, "2012");
    TypTekst(w.EdtOmschrijving, "Voorbeeld 2012");
    TypTekst(w.EdtNaam, "J. Jansen");
    TypTekst(w.EdtStraat, "Dorpsweg 1");
    TypTekst(w.EdtPlaats, "1234 AB Ergens");
    if (QString f = ok(0, 1); !f.isEmpty()) return f;

    // Page 1 "Company/farm   "
    Typ(w.SpenKoe, "80");
    Typ(w.SpenKalf, "25");
    Typ(w.SpenPink, "30");
    KiesAlsGebruiker(w.CbxRas, 0);
    Typ(w.SpeDrijfMk, "80");
    Typ(w.SpeDrijfKa, "0");
    Typ(w.SpeDrijfPi, "50");
    Typ(w.SpeMelklev, "680000");
    Typ(w.SpeVet, "4.4");
    Typ(w.SpeEiwit, "3.5");
    Typ(w.SpeUreum, "22");
    Typ(w.SpeMndWeidBMk, "6");
    Typ(w.SpeUurWeidBMk, "8");
    Typ(w.SpeOppGrasL, "5");
    Typ(w.SpeOppGrasN, "15");
    Typ(w.SpeOppGrasH, "10");
    Typ(w.SpeOppBouwL, "0");
    Typ(w.SpeOppBouwN, "5");
    Typ(w.SpeOppBouwH, "0");
    if (QString f = ok(1, 2); !f.isEmpty()) return f;

    // Page 2 "Other grazing animals ": ten breeding sheep, fed from the farm's stocks.
    w.RbtGraasJa->click();
    Typ(w.SpeGraas[8], "10");
    if (QString f = ok(2, 3); !f.isEmpty()) return f;

    // Page 3 "Starting stock "
    // Grass silage by its N (RE follows), as choosing its RE column shows a notice each time.
    TypRegel(w.VoorraadGrids[1][Gk], 1, kuil("Graskuil 2011", "150000", "900", "", "27.2", "4"));
    TypRegel(w.VoorraadGrids[1][Sm], 1, kuil("Snijmais 2011", "100000", "960", "75", "", "2"));
    if (QString f = ok(3, 4); !f.isEmpty()) return f;

    // Page 4 "Stock increase ": the best grass silage above a poorer cut, bought maize.
    TypRegel(w.VoorraadGrids[2][Gk], 1, kuil("Eerste snede", "250000", "960", "", "30.4", "4.3"));
    TypRegel(w.VoorraadGrids[2][Gk], 2, kuil("Najaarskuil", "50000", "840", "", "20.8", "3.7"));
    TypRegel(w.VoorraadGrids[2][Sm], 1, kuil("Mais gekocht", "250000", "980", "", "11.5", "2.1"));
    w.ChkAankoop[2][Sm][1]->click();
    TypRegel(w.VoorraadGrids[2][Nat], 1, {"Bierbostel", "20000", "1000", "200", "", "5"});
    KiesAlsGebruiker(w.CbxNat[2][1], 15); // "Overig"
    TypRegel(w.VoorraadGrids[2][Kv], 1, {"Standaardbrok", "180000", "1000", "170", "", "4.5"});
    TypRegel(w.VoorraadGrids[2][Mp], 1, {"Kalvermelk", "500", "1100", "", "36", "7"});
    if (QString f = ok(4, 5); !f.isEmpty()) return f;

    // Page 5 "Closing stock "
    TypRegel(w.VoorraadGrids[3][Gk], 1, kuil("Graskuil 2012", "120000", "910", "", "28", "4.1"));
    TypRegel(w.VoorraadGrids[3][Sm], 1, kuil("Snijmais 2012", "90000", "970", "", "11.8", "2"));
    if (QString f = ok(5, 6); !f.isEmpty()) return f;

    // Page 6 "Input BEA  ": house item 0, disposal based on BEX.
    Typ(w.SpeDrijfMais, "600");
    Typ(w.SpeDrijfBouw, "100");
    Typ(w.SpeKasGras, "4500");
    Typ(w.SpeUreumGras, "300");
    Typ(w.SpeKasBouw, "400");
    Typ(w.SpeUreumBouw, "50");
    Typ(w.SpeMethGras1, "70"); // 70/30/0
    Typ(w.SpeMethBouw1, "50"); // 50/50/0
    Typ(w.SpeMethBouw2, "0");  // 50/0/50
    if (QString f = ok(6, 7); !f.isEmpty()) return f;

    // Page 7 "Input BEP  "
    Typ(w.SpeOppMaisN, "4");
    Typ(w.SpeAfvoerGkHoev, "15000");
    Typ(w.SpeAfvoerGkP, "4");
    Typ(w.SpeBEPnormGk2, "100");
    Typ(w.SpeBEPnormGk1, "95");
    Typ(w.SpeBEPnormSm1, "70");
    if (QString f = ok(7, 8); !f.isEmpty()) return f;

    // Page 8 "Input BEN  "
    KiesAlsGebruiker(w.CbxMaisGttrap, 2); // VII - VIII
    Typ(w.SpeToedNKmMais, "300");
    return ok(8, 9);
}
