#include "Vervangen.h"

#include <QFile>
#include <QSaveFile>

#include <cerrno>

#include <sys/stat.h>
#include <unistd.h>

namespace {
TSynchroniseer gSynchroniseer = ::fdatasync;

// The reason for the failure of the call just made: its error number where it left one
// (Qt's own text reads "Unknown error" after a file-size limit), else Qt's text.
QString Reden(const QFileDevice& f) {
    return errno != 0 ? qt_error_string(errno) : f.errorString();
}
} // namespace

TSynchroniseer ZetSynchroniseer(TSynchroniseer nieuw) {
    const TSynchroniseer oud = gSynchroniseer;
    gSynchroniseer = nieuw;
    return oud;
}

TVervangUitslag VervangBestand(const QString& pad, const QByteArray& inhoud) {
    // The temporary file would be renamed over whatever the name leads to, a device too.
    struct stat st {};
    if (::stat(QFile::encodeName(pad).constData(), &st) != 0) {
        if (errno != ENOENT) return {TVervangen::NietGemaakt, qt_error_string(errno)};
    } else if (!S_ISREG(st.st_mode)) {
        return {TVervangen::NietGemaakt, GeenGewoonBestand(st.st_mode)};
    }
    QSaveFile f(pad);
    errno = 0;
    if (!f.open(QIODevice::WriteOnly)) return {TVervangen::NietGemaakt, Reden(f)};
    errno = 0;
    if (f.write(inhoud) != inhoud.size()) {
        const QString reden = Reden(f);
        f.cancelWriting();
        return {TVervangen::Schrijffout, reden};
    }
    // commit() renames even when its own flush of the last buffered bytes fails (a full
    // disk), and even when its sync fails (on a network folder a full disk or a quota may
    // first show there), so both are done and checked here first.
    errno = 0;
    if (!f.flush() || gSynchroniseer(f.handle()) != 0) {
        const QString reden = Reden(f);
        f.cancelWriting();
        return {TVervangen::NietGemaakt, reden};
    }
    errno = 0;
    if (!f.commit()) return {TVervangen::NietGemaakt, Reden(f)};
    return {};
}

QString GeenGewoonBestand(unsigned modus) {
    return S_ISDIR(modus) ? qt_error_string(EISDIR) : QStringLiteral("Not a regular file");
}

QString VervangMelding(const QString& tekst, const QString& pad, const TVervangUitslag& uitslag) {
    QString melding = tekst;
    if (!tekst.contains(pad)) melding += QStringLiteral(": ") + pad;
    if (!uitslag.Reden.isEmpty()) melding += QStringLiteral(": ") + uitslag.Reden;
    return melding;
}

bool ZelfdeBestand(const QString& a, const QString& b) {
    struct stat sa {};
    struct stat sb {};
    return ::stat(QFile::encodeName(a).constData(), &sa) == 0 &&
           ::stat(QFile::encodeName(b).constData(), &sb) == 0 && sa.st_dev == sb.st_dev &&
           sa.st_ino == sb.st_ino;
}
