// A stand-in for the Save command while the farm file's own commands are elsewhere: it
// asks for a name as Save as does and makes that name current, writing nothing.
#include "Bestandscommandos.h"

#include "Omgeving.h"
#include "Tarvolingrade_u.h"

bool MitOpslaanClick(TFrmHoofdFormulier& w) {
    if (w.BestandNaam.isEmpty()) {
        TBestandKeuze keuze;
        keuze.Titel = QStringLiteral("Opslaan als");
        keuze.StandaardExtensie = QStringLiteral("trv");
        w.BestandNaam = w.Omgeving().Dialogen->Opslaan(&w, keuze);
    }
    w.Opgeslagen = !w.BestandNaam.isEmpty();
    return w.Opgeslagen;
}
