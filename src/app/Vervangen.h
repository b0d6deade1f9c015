// Replacing a file as a whole: the old file stays exactly as it was unless the new one was
// written completely.
#pragma once

#include <QByteArray>
#include <QString>

enum class TVervangen {
    Gelukt,
    NietGemaakt, // not written: no regular file at the name, or it could not be made or flushed
    Schrijffout, // a write of the content failed
};

// Writes inhoud to pad through a temporary file that then takes the name. Only a regular
// file (a symlink is followed) or a missing name is replaced; a folder, FIFO, socket or
// device is left alone.
TVervangen VervangBestand(const QString& pad, const QByteArray& inhoud);
