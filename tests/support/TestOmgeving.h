// Stand-ins for the outside world of the windows: recorded message boxes with scripted
// answers, scripted file dialogs, a fixed clock and a private pair of folders for the
// settings file. No test ever waits on a real modal window.
#pragma once

#include "Omgeving.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <deque>
#include <memory>
#include <vector>

class QComboBox;

// Chooses an item of a list as the user does: the handlers bound to activated() run.
void KiesAlsGebruiker(QComboBox* lijst, int index);

class TOpgenomenBerichten : public TBerichten {
public:
    struct TBericht {
        TBerichtSoort Soort;
        QString Tekst;
        TKnoppen Knoppen;
    };
    TAntwoord Toon(TBerichtSoort soort, const QString& tekst, TKnoppen knoppen) override;
    // The texts shown, in order; of one kind only.
    QStringList Teksten() const;
    QStringList Teksten(TBerichtSoort soort) const;

    std::vector<TBericht> Lijst;
    // Answers in order; when none is left: OK for an OK box, No for the others.
    std::deque<TAntwoord> Antwoorden;
};

class TNepDialogen : public TBestandDialogen {
public:
    QString Open(QWidget* ouder, const TBestandKeuze& keuze) override;
    QString Opslaan(QWidget* ouder, const TBestandKeuze& keuze) override;

    std::vector<TBestandKeuze> Vragen;
    // Chosen names in order; when none is left the dialog is cancelled.
    std::deque<QString> Antwoorden;
};

class TVasteKlok : public TKlok {
public:
    explicit TVasteKlok(QDate datum) : Datum(datum) {}
    QDate Vandaag() const override { return Datum; }
    QDate Datum;
};

// A temporary folder with "prog/tarvolingrade" as the program (its folder exists, so the
// settings file beside it is used) and "appdata" as the application-data folder.
class TTestOmgeving {
public:
    TTestOmgeving();

    TOmgeving Omgeving() const;
    QString Map() const { return fMap.path(); }
    QString ProgrammaBestand() const;
    QString AppDataMap() const;
    // The settings file beside the program.
    QString IniNaastProgramma() const;
    // The settings file in the application-data folder.
    QString IniAppData() const;
    // Writes a file (folders are made) and returns its full name.
    QString Schrijf(const QString& relatief, const QByteArray& inhoud) const;
    QByteArray Lees(const QString& pad) const;

    std::shared_ptr<TOpgenomenBerichten> Berichten = std::make_shared<TOpgenomenBerichten>();
    std::shared_ptr<TNepDialogen> Dialogen = std::make_shared<TNepDialogen>();
    std::shared_ptr<TVasteKlok> Klok = std::make_shared<TVasteKlok>(QDate(2011, 6, 15));

private:
    QTemporaryDir fMap;
};

class QMessageBox;

// Closes every real message box that opens while it lives, as a user does: in turn by
// Return, by Escape and by a click on its first button. It keeps the texts in order.
class TBerichtSluiter {
public:
    TBerichtSluiter();
    ~TBerichtSluiter();
    TBerichtSluiter(const TBerichtSluiter&) = delete;
    TBerichtSluiter& operator=(const TBerichtSluiter&) = delete;

    // Runs the event loop until n boxes have been closed, at most two seconds.
    bool WachtOp(int n);
    QStringList Teksten;
    QStringList Titels;

private:
    void Kijk();
    class QTimer* fTimer;
};
