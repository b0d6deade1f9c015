#include "Vervangen.h"

#include <QFile>
#include <QSaveFile>

#include <cerrno>

#include <sys/stat.h>

TVervangen VervangBestand(const QString& pad, const QByteArray& inhoud) {
    // The temporary file would be renamed over whatever the name leads to, a device too.
    struct stat st {};
    if (::stat(QFile::encodeName(pad).constData(), &st) == 0 ? !S_ISREG(st.st_mode) : errno != ENOENT)
        return TVervangen::NietGemaakt;
    QSaveFile f(pad);
    if (!f.open(QIODevice::WriteOnly)) return TVervangen::NietGemaakt;
    if (f.write(inhoud) != inhoud.size()) {
        f.cancelWriting();
        return TVervangen::Schrijffout;
    }
    // commit() renames even when its own flush of the last buffered bytes fails (a full
    // disk), so the flush is done and checked here first.
    if (!f.flush()) {
        f.cancelWriting();
        return TVervangen::NietGemaakt;
    }
    return f.commit() ? TVervangen::Gelukt : TVervangen::NietGemaakt;
}
