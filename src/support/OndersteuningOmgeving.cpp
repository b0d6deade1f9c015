#include "OndersteuningOmgeving.h"

#include <QDesktopServices>
#include <QDialog>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QPointer>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

bool TQtUrlOpener::Open(const QUrl& adres) {
    return QDesktopServices::openUrl(adres);
}

struct THttpVersieOphaler::TData {
    QNetworkAccessManager Netwerk;
    int Timeout = kStandaardTimeout;
};

THttpVersieOphaler::THttpVersieOphaler(int timeoutMs) : d(std::make_unique<TData>()) {
    d->Timeout = timeoutMs;
}

THttpVersieOphaler::~THttpVersieOphaler() = default;

void THttpVersieOphaler::Haal(const QUrl& adres, QObject* context,
                              std::function<void(const TVersieAntwoord&)> klaar) {
    QNetworkRequest verzoek(adres);
    verzoek.setTransferTimeout(d->Timeout);
    QNetworkReply* antwoord = d->Netwerk.get(verzoek);
    QObject::connect(antwoord, &QNetworkReply::finished, context, [antwoord, klaar = std::move(klaar)] {
        antwoord->deleteLater();
        TVersieAntwoord a;
        if (antwoord->error() == QNetworkReply::NoError) {
            a.Gelukt = true;
            a.Inhoud = antwoord->readAll();
        } else {
            a.Fout = antwoord->errorString();
        }
        klaar(a);
    });
    // A context that goes first leaves the reply to the manager, which frees it.
}

QString TQtProcesStarter::Zoek(const QString& programma) {
    return QStandardPaths::findExecutable(programma);
}

void TQtProcesStarter::Start(const QString& programma, const QStringList& argumenten, QObject* context,
                             std::function<void(int)> klaar) {
    auto* proces = new QProcess;
    auto gemeld = std::make_shared<bool>(false);
    QPointer<QObject> ctx(context);
    const auto meld = [proces, gemeld, ctx, klaar](int code) {
        if (*gemeld) return;
        *gemeld = true;
        proces->deleteLater();
        if (ctx) klaar(code);
    };
    QObject::connect(proces, &QProcess::finished, proces, [meld](int code, QProcess::ExitStatus status) {
        meld(status == QProcess::NormalExit ? code : -1);
    });
    QObject::connect(proces, &QProcess::errorOccurred, proces, [meld](QProcess::ProcessError fout) {
        if (fout == QProcess::FailedToStart) meld(-1);
    });
    proces->start(programma, argumenten);
}

void TQtVensterTonen::Toon(QDialog& venster) {
    venster.exec();
}

TOndersteuningOmgeving TOndersteuningOmgeving::Standaard() {
    TOndersteuningOmgeving o;
    o.Url = std::make_shared<TQtUrlOpener>();
    o.Versie = std::make_shared<THttpVersieOphaler>();
    o.Proces = std::make_shared<TQtProcesStarter>();
    o.Vensters = std::make_shared<TQtVensterTonen>();
    return o;
}
