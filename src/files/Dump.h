// The dump export: the inputs and results of the current farm appended, one line per
// module, to text files that collect many farms for analysis elsewhere.
//
// Every line is a row of fields, each followed by "@" (the last one too), ended by CR LF
// and written in Windows-1252. The first line of a file is its module's header of keys;
// every further line is one farm. BEX goes to the chosen file D, BEA to D + "2", BEP to
// D + "3" and BEN to D + "4".
#pragma once

#include <QByteArray>
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

// Appends a farm's line to a dump file. A missing or empty file gets the header and the
// line; a file whose first line is not the header is left alone with an error; when a row
// of the same farm (its upper-case name and "@") is found, vraag decides (true appends).
// Every write is checked: on failure the file keeps what it had and the error is shown.
// Returns whether the line was written.
bool VoegDumpRegelToe(const QString& bestand, const QByteArray& kop, const QByteArray& regel,
                      const QString& naam, TBerichten& berichten,
                      const std::function<bool(const QString& vraag)>& vraag);

// Calculates with the window's calculation driver and appends the line of every module
// that is on to its file for the chosen name D. The question about a farm already present
// goes through vraagDubbel when given (true appends), else to the window's message seam
// (Yes appends). An error of one module is shown and the next module goes on.
void SchrijfDump(TFrmHoofdFormulier& w, const QString& D,
                 const std::function<bool(const QString& vraag)>& vraagDubbel = {});

// The export command of the menu and the tool bar: a farm without a file name is saved
// first, then the dump file is chosen and written.
void BtnDumpClick(TFrmHoofdFormulier& w);

// Enables the export command (menu item MitDump and button BtnDump) and attaches it.
void KoppelDump(TFrmHoofdFormulier& w);
