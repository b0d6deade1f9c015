// Stand-in until the farm-file commands land: New resets, Save writes a marker file.
#include "Bestandscommandos.h"

#include "Tarvolingrade_u.h"

#include <QFile>

void KoppelBestanden(TFrmHoofdFormulier&) {}

void MitNieuwClick(TFrmHoofdFormulier& w) {
    w.NieuwBedrijf();
    w.BestandNaam.clear();
    w.Opgeslagen = false;
    w.Gewijzigd = false;
}

bool SchrijfBestand(TFrmHoofdFormulier& w, const QString& naam) {
    QFile f(naam);
    if (!f.open(QIODevice::WriteOnly)) {
        w.Berichten().Fout(QStringLiteral("Cannot create file ") + naam);
        return false;
    }
    f.write("trv");
    return true;
}

bool MitOpslaanClick(TFrmHoofdFormulier& w) {
    if (w.BestandNaam.isEmpty() || !SchrijfBestand(w, w.BestandNaam)) return false;
    w.Opgeslagen = true;
    w.Gewijzigd = false;
    return true;
}

bool LeesBestand(TFrmHoofdFormulier&, const QString&) {
    return false;
}

TAntwoord VraagOpslaan(TFrmHoofdFormulier& w) {
    if (!w.Gewijzigd) return TAntwoord::Nee;
    const TAntwoord a =
        w.Berichten().Waarschuwing(QStringLiteral("Save file ") + w.BestandNaam + QStringLiteral("?"));
    if (a == TAntwoord::Ja && !MitOpslaanClick(w)) return TAntwoord::Annuleren;
    return a;
}
