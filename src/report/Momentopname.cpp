#include "Momentopname.h"

#include "Getallen.h"
#include "NumEdit.h"
#include "Tarvolingrade_u.h"
#include "VoorraadGrid.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>

TMomentopname NeemMomentopname(const TFrmHoofdFormulier& w) {
    InitBronnen();
    TMomentopname m;
    m.Invoer = w.Invoer;
    m.Uitvoer = w.Uitvoer;
    m.ModuleBEA = w.ModuleBEA;
    m.ModuleBEP = w.ModuleBEP;
    m.ModuleBEN = w.ModuleBEN;
    m.Diercategorie = w.Diercategorie;

    for (QWidget* c : w.findChildren<QWidget*>()) {
        const QString naam = c->objectName();
        if (naam.isEmpty()) continue;
        if (auto* e = qobject_cast<NumEdit*>(c)) {
            m.Teksten.insert(naam, e->text());
            m.Waarden.insert(naam, e->value());
        } else if (auto* l = qobject_cast<QLabel*>(c)) {
            m.Teksten.insert(naam, l->text());
        } else if (auto* le = qobject_cast<QLineEdit*>(c)) {
            m.Teksten.insert(naam, le->text());
        } else if (auto* cb = qobject_cast<QComboBox*>(c)) {
            m.Teksten.insert(naam, cb->currentText());
        } else {
            continue;
        }
        if (c->isHidden()) m.Verborgen.insert(naam);
    }

    for (int moment = mBegin; moment <= mEind; ++moment) {
        for (int soort = kGK; soort <= kMP; ++soort) {
            TVoorraadStand& s = m.Voorraad[moment][soort];
            if (const TVoorraadGrid* g = w.VoorraadGrids[moment][soort]) {
                for (int rij = 1; rij < g->RowCount(); ++rij) {
                    TArray<QString, 1, 8> cellen{};
                    for (int kolom = 1; kolom <= 8; ++kolom)
                        cellen[kolom] = g->Cells(kolom, rij);
                    s.Rijen.push_back(std::move(cellen));
                }
            }
            for (int veld = 1; veld <= 7; ++veld)
                if (const QLabel* l = w.LblTotaal[moment][soort][veld]) s.Totaal[veld] = l->text();
        }
    }
    const TFrmHoofdFormulier::TAankoopVlaggen* vlaggen[] = {&w.AankoopBegin, &w.AankoopAanleg,
                                                            &w.AankoopEind};
    for (int moment = mBegin; moment <= mEind; ++moment)
        for (int groep = 1; groep <= 3; ++groep)
            for (int rij = 1; rij <= 20; ++rij)
                m.Aankoop[moment][groep][rij] = (*vlaggen[moment - 1])[groep][rij];

    m.ImgZelm = QImage(QStringLiteral(":/images/zelm.png"));
    if (w.ImgBedrijf) m.ImgBedrijf = w.ImgBedrijf->pixmap().toImage();

    m.Bestandsnaam = w.BestandNaam;
    m.Versie = w.InfoBox.Versie;
    m.Datum = w.InfoBox.Datum;
    m.WebAdres = w.InfoBox.WebAdres;
    m.Decimaalteken = QLatin1Char(DecimalSeparator());
    m.Vandaag = w.Omgeving().Klok ? w.Omgeving().Klok->Vandaag() : QDate::currentDate();
    return m;
}
