// Stand-in until the dump export lands: one line with the farm's name per module file.
#include "Dump.h"

#include "Tarvolingrade_u.h"

#include <QFile>
#include <QFileInfo>

void SchrijfDump(TFrmHoofdFormulier& w, const QString& D,
                 const std::function<bool(const QString& vraag)>& vraagDubbel) {
    const QString naam = QFileInfo(w.BestandNaam).completeBaseName().toUpper();
    for (const QString& bestand : {D, D + QStringLiteral("2")}) {
        QFile f(bestand);
        QByteArray inhoud;
        if (f.open(QIODevice::ReadOnly)) inhoud = f.readAll();
        f.close();
        const QByteArray regel = naam.toLatin1() + "@";
        if (inhoud.startsWith(regel) || inhoud.contains("\n" + regel)) {
            const QString vraag =
                QStringLiteral("Dump file already contents a file with the name: ") + naam +
                QStringLiteral("\nWill youWilt u dit bestand toch (nogmaals) exporteren naar dumpfile?");
            const bool ja = vraagDubbel ? vraagDubbel(vraag) : w.Berichten().Vraag(vraag) == TAntwoord::Ja;
            if (!ja) continue;
        }
        if (!f.open(QIODevice::Append)) continue;
        if (inhoud.isEmpty()) f.write("naaminv@\r\n");
        f.write(regel + "\r\n");
    }
}
