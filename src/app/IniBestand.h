// The settings file: a plain INI file of "[Section]" headers and "Key=Value" lines.
// Sections and keys are found without regard to case; values are taken as they stand
// (blanks around them dropped, no quotes or escapes), so "[Farm/company]" and the key
// "Product Support" keep their form. A byte-order mark names the file's encoding (UTF-16
// from Windows); a file without one that is no valid UTF-8 is read as Windows-1252. It is
// written back as UTF-8. Lines this class does not change, other sections
// and comments included, are kept. Every write saves the whole file at once (through a
// temporary file, so a failed write leaves the old file whole); a name that leads to no
// regular file, a FIFO or device say, is not written, nor is a file that was not read (too
// large to be a settings file, unreadable, or UTF-16 with bytes that do not decode).
#pragma once

#include <QString>
#include <QStringList>

class TIniBestand {
public:
    // Reads the file when it exists; a missing or unreadable file reads as empty.
    explicit TIniBestand(QString pad);

    const QString& Pad() const { return fPad; }

    QString LeesTekst(const QString& sectie, const QString& sleutel, const QString& standaard) const;
    // A whole number; anything else gives the default.
    int LeesGetal(const QString& sectie, const QString& sleutel, int standaard) const;
    // "1" and other whole numbers but 0 are true, "0" false; "true" and "false" in any
    // case are read too; anything else gives the default.
    bool LeesBoolean(const QString& sectie, const QString& sleutel, bool standaard) const;
    bool BevatSleutel(const QString& sectie, const QString& sleutel) const;

    // Each returns whether the file was written. Line breaks in a value become blanks, so
    // a value can never break the file's lines.
    bool SchrijfTekst(const QString& sectie, const QString& sleutel, const QString& waarde);
    bool SchrijfGetal(const QString& sectie, const QString& sleutel, int waarde);
    bool SchrijfBoolean(const QString& sectie, const QString& sleutel, bool waarde);

    // The file's text as it would be written.
    QString Tekst() const;

private:
    struct TPlek {
        qsizetype sectie = -1;  // line of the section header
        qsizetype sleutel = -1; // line of the key
        qsizetype einde = -1;   // line after the section's last key
    };
    TPlek Zoek(const QString& sectie, const QString& sleutel) const;
    bool Opslaan() const;

    QString fPad;
    QStringList fRegels;
    bool fOngelezen = false; // there is a file, but it was not read whole
};

// The settings file to use. AppData + "/Tarvolingrade/Tarvolingrade.ini" when that file
// exists; else the file beside the program (its name with ".ini") when that file can be
// written or, missing, created; else the application-data one, so a program installed
// in a folder the user cannot write still keeps its settings (the folder is created by
// the first write).
QString KiesIniBestand(const QString& programmaBestand, const QString& appDataMap);
