// What the support windows need from the world outside the program: the browser, the
// network, the mail program and showing a modal window. Each sits behind a small interface
// so that tests drive them without a real browser, host, mail client or modal loop.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

class QDialog;
class QObject;
class QUrl;

// Opens an address (a web page, a mailto: link) in the desktop's program for it. False
// when nothing could be started.
class TUrlOpener {
public:
    virtual ~TUrlOpener() = default;
    virtual bool Open(const QUrl& adres) = 0;
};

class TQtUrlOpener : public TUrlOpener {
public:
    bool Open(const QUrl& adres) override;
};

// The answer to one fetch: the body, or the reason it failed.
struct TVersieAntwoord {
    bool Gelukt = false;
    QByteArray Inhoud;
    QString Fout;
};

// Fetches one file over HTTP in the background. klaar runs once, on the GUI thread, unless
// context has gone first.
class TVersieOphaler {
public:
    virtual ~TVersieOphaler() = default;
    virtual void Haal(const QUrl& adres, QObject* context,
                      std::function<void(const TVersieAntwoord&)> klaar) = 0;
};

// On QNetworkAccessManager. The limit holds for the whole fetch, so that neither a silent
// host nor one that drips its answer can keep a check open for ever; a fetch that runs out
// of time fails. Of the body only the first kMaxInhoud bytes are read: the version file is
// a few lines, and whatever else a host sends is not waited for or kept.
class THttpVersieOphaler : public TVersieOphaler {
public:
    static constexpr int kStandaardLimiet = 10000; // ms
    static constexpr qsizetype kMaxInhoud = 65536; // 64 KB
    explicit THttpVersieOphaler(int limietMs = kStandaardLimiet);
    ~THttpVersieOphaler() override;
    void Haal(const QUrl& adres, QObject* context,
              std::function<void(const TVersieAntwoord&)> klaar) override;

private:
    struct TData;
    std::unique_ptr<TData> d;
};

// Starts a program with an argument list (no shell) without waiting for it. klaar gets its
// exit code, or -1 when it could not be started or crashed.
class TProcesStarter {
public:
    virtual ~TProcesStarter() = default;
    // The full path of a program on the search path, or an empty text.
    virtual QString Zoek(const QString& programma) = 0;
    virtual void Start(const QString& programma, const QStringList& argumenten, QObject* context,
                       std::function<void(int)> klaar) = 0;
};

class TQtProcesStarter : public TProcesStarter {
public:
    QString Zoek(const QString& programma) override;
    void Start(const QString& programma, const QStringList& argumenten, QObject* context,
               std::function<void(int)> klaar) override;
};

// Shows a window modally and returns when it has been closed.
class TVensterTonen {
public:
    virtual ~TVensterTonen() = default;
    virtual void Toon(QDialog& venster) = 0;
};

class TQtVensterTonen : public TVensterTonen {
public:
    void Toon(QDialog& venster) override;
};

struct TOndersteuningOmgeving {
    std::shared_ptr<TUrlOpener> Url;
    std::shared_ptr<TVersieOphaler> Versie;
    std::shared_ptr<TProcesStarter> Proces;
    std::shared_ptr<TVensterTonen> Vensters;

    // The desktop, the network with the standard limit, QProcess and exec().
    static TOndersteuningOmgeving Standaard();
};
