#include "IniBestand.h"

#include "Vervangen.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <QStringEncoder>

#include <optional>
#include <utility>

namespace {
// A settings file is small; a much larger file is not ours and is not read.
constexpr qint64 kMaxGrootte = qint64{4} * 1024 * 1024;

bool IsSectie(const QString& regel, QString* naam = nullptr) {
    const QString t = regel.trimmed();
    if (t.size() < 2 || !t.startsWith(u'[') || !t.endsWith(u']')) return false;
    if (naam) *naam = t.mid(1, t.size() - 2).trimmed();
    return true;
}

bool IsSleutel(const QString& regel, QString* naam = nullptr, QString* waarde = nullptr) {
    const QString t = regel.trimmed();
    if (t.isEmpty() || t.startsWith(u';') || t.startsWith(u'#')) return false;
    const qsizetype is = regel.indexOf(u'=');
    if (is < 0) return false;
    if (naam) *naam = regel.left(is).trimmed();
    if (waarde) *waarde = regel.mid(is + 1).trimmed();
    return true;
}

bool Gelijk(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// The file's text. Windows puts a byte-order mark before a file saved as Unicode text
// (UTF-16 mostly); without a mark the file is UTF-8 when valid, else in the Windows code
// page. Returns false when bytes were lost on the way in (an odd byte or a lone surrogate
// in UTF-16): writing the text back would then lose them for good.
bool Decodeer(const QByteArray& bytes, QString* tekst) {
    const std::optional<QStringConverter::Encoding> teken = QStringConverter::encodingForData(bytes);
    if (teken && *teken != QStringConverter::Utf8) {
        QStringDecoder lezer(*teken);
        *tekst = lezer(bytes);
        const QByteArray terug = QStringEncoder(*teken, QStringConverter::Flag::WriteBom)(*tekst);
        return !lezer.hasError() && tekst->isValidUtf16() && terug == bytes;
    }
    // QString::fromUtf8 drops a UTF-8 mark.
    QStringDecoder windows("windows-1252");
    *tekst = bytes.isValidUtf8() ? QString::fromUtf8(bytes)
             : windows.isValid() ? QString(windows(bytes))
                                 : QString::fromLatin1(bytes);
    return true;
}
} // namespace

TIniBestand::TIniBestand(QString pad) : fPad(std::move(pad)) {
    const QFileInfo info(fPad);
    if (!info.exists()) return;
    // What is not read is not written either: the first write would replace it by the few
    // lines written. A FIFO or device in its place would hold the start until something
    // writes to it.
    fOngelezen = true;
    if (!info.isFile()) return;
    QFile f(fPad);
    if (f.size() > kMaxGrootte || !f.open(QIODevice::ReadOnly)) return;
    const QByteArray bytes = f.readAll();
    if (f.error() != QFileDevice::NoError) return;
    QString tekst;
    fOngelezen = !Decodeer(bytes, &tekst);
    tekst.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    tekst.replace(u'\r', u'\n');
    fRegels = tekst.split(u'\n');
    if (!fRegels.isEmpty() && fRegels.last().isEmpty()) fRegels.removeLast();
}

TIniBestand::TPlek TIniBestand::Zoek(const QString& sectie, const QString& sleutel) const {
    TPlek plek;
    for (qsizetype i = 0; i < fRegels.size(); ++i) {
        QString naam;
        if (IsSectie(fRegels[i], &naam)) {
            if (plek.sectie >= 0) break; // the end of our section
            if (Gelijk(naam, sectie)) {
                plek.sectie = i;
                plek.einde = i + 1;
            }
            continue;
        }
        if (plek.sectie < 0) continue;
        QString sl;
        if (IsSleutel(fRegels[i], &sl)) {
            plek.einde = i + 1;
            if (plek.sleutel < 0 && Gelijk(sl, sleutel)) plek.sleutel = i;
        }
    }
    return plek;
}

QString TIniBestand::LeesTekst(const QString& sectie, const QString& sleutel,
                               const QString& standaard) const {
    const TPlek plek = Zoek(sectie, sleutel);
    if (plek.sleutel < 0) return standaard;
    QString waarde;
    IsSleutel(fRegels[plek.sleutel], nullptr, &waarde);
    return waarde;
}

bool TIniBestand::BevatSleutel(const QString& sectie, const QString& sleutel) const {
    return Zoek(sectie, sleutel).sleutel >= 0;
}

int TIniBestand::LeesGetal(const QString& sectie, const QString& sleutel, int standaard) const {
    bool ok = false;
    const int v = LeesTekst(sectie, sleutel, QString()).toInt(&ok, 10);
    return ok ? v : standaard;
}

bool TIniBestand::LeesBoolean(const QString& sectie, const QString& sleutel, bool standaard) const {
    const QString t = LeesTekst(sectie, sleutel, QString());
    if (Gelijk(t, QStringLiteral("true"))) return true;
    if (Gelijk(t, QStringLiteral("false"))) return false;
    bool ok = false;
    const int v = t.toInt(&ok, 10);
    return ok ? v != 0 : standaard;
}

bool TIniBestand::SchrijfTekst(const QString& sectie, const QString& sleutel, const QString& waarde) {
    QString w = waarde;
    w.replace(u'\r', u' ');
    w.replace(u'\n', u' ');
    const TPlek plek = Zoek(sectie, sleutel);
    if (plek.sleutel >= 0) {
        QString naam;
        IsSleutel(fRegels[plek.sleutel], &naam);
        fRegels[plek.sleutel] = naam + u'=' + w;
    } else if (plek.sectie >= 0) {
        fRegels.insert(plek.einde, sleutel + u'=' + w);
    } else {
        fRegels.append(u'[' + sectie + u']');
        fRegels.append(sleutel + u'=' + w);
    }
    return Opslaan();
}

bool TIniBestand::SchrijfGetal(const QString& sectie, const QString& sleutel, int waarde) {
    return SchrijfTekst(sectie, sleutel, QString::number(waarde));
}

bool TIniBestand::SchrijfBoolean(const QString& sectie, const QString& sleutel, bool waarde) {
    return SchrijfTekst(sectie, sleutel, waarde ? QStringLiteral("1") : QStringLiteral("0"));
}

QString TIniBestand::Tekst() const {
    QString t;
    for (const QString& r : fRegels)
        t += r + u'\n';
    return t;
}

bool TIniBestand::Opslaan() const {
    if (fPad.isEmpty() || fOngelezen) return false;
    const QFileInfo info(fPad);
    if (!QDir().mkpath(info.absolutePath())) return false;
    return VervangBestand(fPad, Tekst().toUtf8()).Uitkomst == TVervangen::Gelukt;
}

QString KiesIniBestand(const QString& programmaBestand, const QString& appDataMap) {
    QString appData;
    if (!appDataMap.isEmpty()) {
        appData = QDir(appDataMap).filePath(QStringLiteral("Tarvolingrade/Tarvolingrade.ini"));
        if (QFileInfo(appData).isFile()) return appData;
    }
    const QFileInfo prog(programmaBestand);
    const QString basis = prog.suffix().isEmpty() ? prog.fileName() : prog.completeBaseName();
    QString naast = QDir(prog.absolutePath()).filePath(basis + QStringLiteral(".ini"));
    const QFileInfo info(naast);
    const QFileInfo map(prog.absolutePath());
    const bool bruikbaar = info.exists() ? info.isWritable() : (map.isDir() && map.isWritable());
    if (bruikbaar || appData.isEmpty()) return naast;
    return appData;
}
