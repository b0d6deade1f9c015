// Stand-ins for the browser, the mail program and the modal loop of the support windows,
// and the main window with its support attached.
#pragma once

#include "Ondersteuning.h"
#include "OndersteuningOmgeving.h"
#include "Venster.h"

#include <QDialog>
#include <QUrl>

#include <functional>
#include <vector>

class TNepUrlOpener : public TUrlOpener {
public:
    bool Open(const QUrl& adres) override {
        Geopend.push_back(adres);
        return Gelukt;
    }
    std::vector<QUrl> Geopend;
    bool Gelukt = true;
};

class TNepProcesStarter : public TProcesStarter {
public:
    struct TStart {
        QString Programma;
        QStringList Argumenten;
    };
    QString Zoek(const QString& programma) override {
        return Gevonden ? QStringLiteral("/usr/bin/") + programma : QString();
    }
    void Start(const QString& programma, const QStringList& argumenten, QObject*,
               std::function<void(int)> klaar) override {
        Starts.push_back({programma, argumenten});
        klaar(Code);
    }
    bool Gevonden = true;
    int Code = 0;
    std::vector<TStart> Starts;
};

// Records each window shown, lets the test look at it, and closes it with OK.
class TNepVensters : public TVensterTonen {
public:
    void Toon(QDialog& venster) override;
    QStringList Getoond;
    std::function<void(QDialog&)> BijTonen;
};

class OndersteuningTest : public VensterTest {
protected:
    void SetUp() override {
        VensterTest::SetUp();
        Koppel();
    }
    // The support of the window as it is now, with the stand-ins.
    void Koppel() { o = KoppelOndersteuning(*w, Omgeving()); }
    TOndersteuningOmgeving Omgeving() const;
    // A new main window with its support (the next start of the program).
    void Herstart() {
        Maak();
        Koppel();
    }

    std::shared_ptr<TNepUrlOpener> url = std::make_shared<TNepUrlOpener>();
    std::shared_ptr<TNepProcesStarter> proces = std::make_shared<TNepProcesStarter>();
    std::shared_ptr<TNepVensters> vensters = std::make_shared<TNepVensters>();
    std::shared_ptr<TVersieOphaler> versie = std::make_shared<THttpVersieOphaler>(3000);
    TOndersteuning* o = nullptr;
};
