// Replacing a file as a whole: the old file stays exactly as it was unless the new one was
// written completely and reached the disk.
#pragma once

#include <QByteArray>
#include <QString>

enum class TVervangen {
    Gelukt,
    NietGemaakt, // not written: no regular file at the name, or it could not be made, flushed or synced
    Schrijffout, // a write of the content failed
};

struct TVervangUitslag {
    TVervangen Uitkomst = TVervangen::Gelukt;
    QString Reden; // why it failed, as the system says it ("No space left on device")
};

// Writes inhoud to pad through a temporary file that then takes the name. Only a regular
// file (a symlink is followed) or a missing name is replaced; a folder, FIFO, socket or
// device is left alone.
TVervangUitslag VervangBestand(const QString& pad, const QByteArray& inhoud);

// A failure as a message: the program's own text, the file when that text does not name
// it, and the reason.
QString VervangMelding(const QString& tekst, const QString& pad, const TVervangUitslag& uitslag);

// Whether both names lead (through symlinks) to one file: the same device and inode, so a
// hard link or another spelling on a folder that ignores case counts too. A name that
// leads nowhere is no file of the other's.
bool ZelfdeBestand(const QString& a, const QString& b);

// Why a name that leads to a folder, FIFO, socket or device (its st_mode) is no file to
// open or replace.
QString GeenGewoonBestand(unsigned modus);

// The call that brings a file's data to the disk; tests put a failing one in its place.
using TSynchroniseer = int (*)(int fd);
TSynchroniseer ZetSynchroniseer(TSynchroniseer nieuw);
