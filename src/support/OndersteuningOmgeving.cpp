#include "OndersteuningOmgeving.h"

#include <QDesktopServices>
#include <QDialog>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QPointer>
#include <QProcess>
#include <QStandardPaths>
#include <QTimer>
#include <QUrl>

bool TQtUrlOpener::Open(const QUrl& adres) {
    return QDesktopServices::openUrl(adres);
}

struct THttpVersieOphaler::TData {
    QNetworkAccessManager Netwerk;
    int Limiet = kStandaardLimiet;
};

THttpVersieOphaler::THttpVersieOphaler(int limietMs) : d(std::make_unique<TData>()) {
    d->Limiet = limietMs;
}

THttpVersieOphaler::~THttpVersieOphaler() = default;

void THttpVersieOphaler::Haal(const QUrl& adres, QObject* context,
                              std::function<void(const TVersieAntwoord&)> klaar) {
    QNetworkReply* antwoord = d->Netwerk.get(QNetworkRequest(adres));
    // Qt keeps no more of the body waiting than is read.
    antwoord->setReadBufferSize(kMaxInhoud);
    struct TStand {
        QByteArray Inhoud;
        bool Vol = false;     // kMaxInhoud bytes read: the rest is not fetched
        bool VolGoed = false; // and the host had answered with success
        bool Verlopen = false;
    };
    auto stand = std::make_shared<TStand>();
    const auto lees = [antwoord, stand] {
        // An aborted reply is closed: there is nothing more to read.
        if (stand->Vol || !antwoord->isOpen()) return;
        stand->Inhoud += antwoord->read(kMaxInhoud + 1 - stand->Inhoud.size());
        if (stand->Inhoud.size() <= kMaxInhoud) return;
        stand->Inhoud.truncate(kMaxInhoud);
        stand->Vol = true;
        const int status = antwoord->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        stand->VolGoed = status >= 200 && status < 300;
    };
    auto* klok = new QTimer(antwoord);
    klok->setSingleShot(true);
    QObject::connect(klok, &QTimer::timeout, antwoord, [antwoord, stand] {
        stand->Verlopen = true;
        antwoord->abort();
    });
    QObject::connect(antwoord, &QNetworkReply::readyRead, antwoord, [antwoord, stand, lees] {
        lees();
        if (stand->Vol) antwoord->abort();
    });
    QObject::connect(antwoord, &QNetworkReply::finished, antwoord, &QObject::deleteLater);
    QObject::connect(antwoord, &QNetworkReply::finished, context,
                     [limiet = d->Limiet, antwoord, klok, stand, lees, klaar = std::move(klaar)] {
                         klok->stop();
                         lees();
                         TVersieAntwoord a;
                         if (stand->Vol ? stand->VolGoed : antwoord->error() == QNetworkReply::NoError) {
                             a.Gelukt = true;
                             a.Inhoud = stand->Inhoud;
                         } else if (stand->Verlopen) {
                             a.Fout = QStringLiteral("no answer within %1 ms").arg(limiet);
                         } else {
                             a.Fout = antwoord->errorString();
                         }
                         klaar(a);
                     });
    klok->start(d->Limiet);
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
