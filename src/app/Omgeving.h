// What the windows need from the world outside them: message boxes, file dialogs, the
// clock and the folders of the settings file. Each sits behind a small interface so that
// tests drive the windows without a modal box, a real dialog or today's date.
#pragma once

#include <QDate>
#include <QString>

#include <exception>
#include <memory>

class QWidget;

enum class TBerichtSoort { Fout, Informatie, Waarschuwing, Vraag };
// JaNeeAlles: Yes, No, Yes to all and No to all (a question asked for many farms in turn).
enum class TKnoppen { OK, JaNee, JaNeeAnnuleren, JaNeeAlles };
enum class TAntwoord { OK, Ja, Nee, Annuleren, JaAlles, NeeAlles };

// Every message box of the program. A line break in a text is "\n" or the character 13;
// both show as a new line.
class TBerichten {
public:
    virtual ~TBerichten() = default;
    virtual TAntwoord Toon(TBerichtSoort soort, const QString& tekst, TKnoppen knoppen) = 0;

    // Error box with OK.
    void Fout(const QString& tekst) { Toon(TBerichtSoort::Fout, tekst, TKnoppen::OK); }
    // Information box with OK.
    void Informatie(const QString& tekst) { Toon(TBerichtSoort::Informatie, tekst, TKnoppen::OK); }
    // Warning box with Yes, No and Cancel.
    TAntwoord Waarschuwing(const QString& tekst) {
        return Toon(TBerichtSoort::Waarschuwing, tekst, TKnoppen::JaNeeAnnuleren);
    }
    // Warning box with OK.
    void WaarschuwingOK(const QString& tekst) { Toon(TBerichtSoort::Waarschuwing, tekst, TKnoppen::OK); }
    // Confirmation box with Yes, No and Cancel.
    TAntwoord Vraag(const QString& tekst) {
        return Toon(TBerichtSoort::Vraag, tekst, TKnoppen::JaNeeAnnuleren);
    }
};

// Message boxes on QMessageBox, modal to the active window.
class TQtBerichten : public TBerichten {
public:
    TAntwoord Toon(TBerichtSoort soort, const QString& tekst, TKnoppen knoppen) override;
};

// One open or save dialog. The filter uses Qt's form "Text (*.x);;Other (*)".
struct TBestandKeuze {
    QString Titel;
    QString Map;
    QString Naam;
    QString Filter;
    QString StandaardExtensie; // without the dot
    // A save dialog asks before an existing file is chosen; else it does not.
    bool BevestigOverschrijven = false;
    // Open dialog only: a name that does not exist yet may be chosen, and an existing one
    // is taken without a question about overwriting it.
    bool NieuweNaam = false;
};

class TBestandDialogen {
public:
    virtual ~TBestandDialogen() = default;
    // The chosen file's full name, or an empty text when the user cancels.
    virtual QString Open(QWidget* ouder, const TBestandKeuze& keuze) = 0;
    virtual QString Opslaan(QWidget* ouder, const TBestandKeuze& keuze) = 0;
};

class TQtBestandDialogen : public TBestandDialogen {
public:
    QString Open(QWidget* ouder, const TBestandKeuze& keuze) override;
    QString Opslaan(QWidget* ouder, const TBestandKeuze& keuze) override;
};

class TKlok {
public:
    virtual ~TKlok() = default;
    virtual QDate Vandaag() const = 0;
};

class TSysteemKlok : public TKlok {
public:
    QDate Vandaag() const override { return QDate::currentDate(); }
};

struct TOmgeving {
    std::shared_ptr<TBerichten> Berichten;
    std::shared_ptr<TBestandDialogen> Dialogen;
    std::shared_ptr<TKlok> Klok;
    // The user's application-data folder; the settings file is looked for in its
    // subfolder "Tarvolingrade". Empty: only the file beside the program is used.
    QString AppDataMap;
    // The program file; the settings file beside it has its name with ".ini".
    QString ProgrammaBestand;

    // QMessageBox, QFileDialog, the system clock, Qt's configuration folder and the
    // running program. Needs the QApplication.
    static TOmgeving Standaard();
};

// Makes the program's pictures available; the windows call it before they use one.
void InitBronnen();

// The text of an exception for the error box.
QString FoutTekst(const std::exception& e);

// Runs f; an exception never leaves it but is shown as an error box with its message, as
// every handler of the program must (Qt may not see an exception leave a slot).
template <typename F> void Bewaakt(TBerichten& berichten, F&& f) noexcept {
    try {
        try {
            f();
        } catch (const std::exception& e) {
            berichten.Fout(FoutTekst(e));
        } catch (...) {
            berichten.Fout(QStringLiteral("Unknown error"));
        }
    } catch (...) {
        // Showing the message failed too; nothing more can be done here.
    }
}
