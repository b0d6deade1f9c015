// The dump export: the inputs and results of the current farm appended, one line per
// module, to text files that collect many farms for analysis elsewhere.
//
// Every line is a row of fields, each followed by "@" (the last one too), ended by CR LF
// and written in Windows-1252. The first line of a file is its module's header of keys;
// every further line is one farm. BEX goes to the chosen file D, BEA to D + "2", BEP to
// D + "3" and BEN to D + "4".
#pragma once

#include <QByteArray>
#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>

#include <functional>
#include <string>

class TBerichten;
class TFrmHoofdFormulier;

enum class TDumpModule { BEX = 1, BEA = 2, BEP = 3, BEN = 4 };

// The value of an empty field: 0 in the general form of a real of width 23, always with
// a point.
inline constexpr char kDumpLeeg[] = " 0.00000000000000E+0000";

// The keys of a module's lines in their order; the BEX grazing keys follow the animal
// group ("MK" the cows' six, any other group the young stock's eight).
QStringList DumpSleutels(TDumpModule module, const QString& diercategorie = QStringLiteral("MK"));

// The file of a module for the chosen name D.
QString DumpBestandsnaam(const QString& D, TDumpModule module);

// One field of a line: kind 1 writes the key, kind 2 the value (the empty value for an
// empty text); any other kind is a programming error that is shown. The terminator "@"
// follows in every case. An "@" or a line break inside the text becomes "_" or a blank,
// so the fields of a line never shift.
void WRITEDMP(QByteArray& regel, int Soort, const QString& Kop, const QString& Waarde, TBerichten& berichten);

// "+" before a positive value, "-" before a negative one, nothing for 0, then the
// absolute value with the pattern "0": 0 gives "0", 0.3 "+0", -12.6 "-13".
std::string PlusMinTekstDmp(float X);

// The two lines of a module (without CR LF) for the farm named naam, from the kept
// records of the last calculation and the window's controls.
QByteArray DumpKopregel(const TFrmHoofdFormulier& w, TDumpModule module);
QByteArray DumpWaarderegel(const TFrmHoofdFormulier& w, TDumpModule module, const QString& naam);

// Text in Windows-1252; a character it lacks becomes "?".
QByteArray NaarWindows1252(const QString& tekst);

// What appending needs to know of a dump file, as it was at a given size: its first line,
// the first field of every further row and whether it ends in a line break.
struct TDumpStand {
    qint64 Grootte = -1; // the size described; -1 before the file is read
    QByteArray Kop;
    QSet<QByteArray> Namen;
    bool Regeleinde = true;
};
// The dump files of one batch run by name, each read once and kept up to date with every
// line appended, so that a run does not read its whole dump files again for every farm.
struct TDumpGeheugen {
    QHash<QString, TDumpStand> Bestanden;
};

// How appending a line went.
enum class TDumpUitkomst {
    Geschreven,
    NietGeschreven, // another header, or the farm was there already and not to be added
    Bestandsfout,   // the file could not be opened, read or written (and the error was shown)
};

// Appends a farm's line to a dump file. A missing or empty file gets the header and the
// line; a file whose first line is not the header is left alone with an error; when a row
// of the same farm (its upper-case name and "@") is found, vraag decides (true appends).
// A folder, FIFO, socket or device is refused with "Cannot open file ...". A failed write
// is cut back, so the file keeps exactly what it had, and shown; when even that fails the
// message says the file may be damaged. With stand, the file is read only when stand does
// not describe its present size, and stand is kept up to date.
TDumpUitkomst VoegDumpRegelToe(const QString& bestand, const QByteArray& kop, const QByteArray& regel,
                               const QString& naam, TBerichten& berichten,
                               const std::function<bool(const QString& vraag)>& vraag,
                               TDumpStand* stand = nullptr);

// Calculates with the window's calculation driver and appends the line of every module
// that is on to its file for the chosen name D. The question about a farm already present
// goes through vraagDubbel when given (true appends), else to the window's message seam
// (Yes appends). Another header or a farm not added again is shown or asked and the next
// module goes on; a file error is shown and ends the export, leaving the files of the
// modules after it untouched. A batch run passes its geheugen, so that each file is read
// once in the run. False when the farm could not be calculated or a file error ended it.
bool SchrijfDump(TFrmHoofdFormulier& w, const QString& D,
                 const std::function<bool(const QString& vraag)>& vraagDubbel = {},
                 TDumpGeheugen* geheugen = nullptr);

// The export command of the menu and the tool bar: a farm without a file name is saved
// first, then the dump file is chosen and written.
void BtnDumpClick(TFrmHoofdFormulier& w);

// Enables the export command (menu item MitDump and button BtnDump) and attaches it.
void KoppelDump(TFrmHoofdFormulier& w);
