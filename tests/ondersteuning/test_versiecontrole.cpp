// The version check against a small web server on this machine: what the user is told for
// a current, a newer and a missing version file, and that the window keeps working while
// the check waits.
#include "KtInfoBox.h"
#include "Nepomgeving.h"
#include "Startup.h"
#include "StaticText.h"

#include <QNetworkProxy>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

namespace {

// Answers every request with a version file, a 404, or nothing at all; or with the
// version file at the start of a body of 100 MB, sent a byte at a time (Druppel) or as fast
// as the client takes it (Groot).
class TVersieServer : public QObject {
public:
    enum class TSoort { Bestand, NietGevonden, Stil, Druppel, Groot };
    TVersieServer(TSoort soort, QByteArray inhoud) : fSoort(soort), fInhoud(std::move(inhoud)) {
        EXPECT_TRUE(fServer.listen(QHostAddress::LocalHost, 0));
        connect(&fServer, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* s = fServer.nextPendingConnection()) {
                connect(s, &QTcpSocket::readyRead, s, [this, s] { Lees(s); });
                connect(s, &QTcpSocket::disconnected, s, &QObject::deleteLater);
            }
        });
    }
    QString Adres() const {
        return QStringLiteral("127.0.0.1:%1/software/Tarvolingrade").arg(fServer.serverPort());
    }
    QStringList Verzoeken;
    qint64 Verzonden = 0; // bytes of the body of Groot sent

private:
    void Lees(QTcpSocket* s) {
        QByteArray& buffer = fBuffers[s];
        buffer += s->readAll();
        if (!buffer.contains("\r\n\r\n")) return;
        Verzoeken << QString::fromLatin1(buffer.left(buffer.indexOf("\r\n")));
        buffer.clear();
        if (fSoort == TSoort::Stil) return;
        if (fSoort == TSoort::Druppel || fSoort == TSoort::Groot) {
            Stroom(s);
            return;
        }
        const QByteArray status = fSoort == TSoort::Bestand ? "200 OK" : "404 Not Found";
        const QByteArray body = fSoort == TSoort::Bestand ? fInhoud : QByteArray("not here");
        s->write("HTTP/1.1 " + status + "\r\nContent-Type: text/plain\r\nContent-Length: " +
                 QByteArray::number(body.size()) + "\r\nConnection: close\r\n\r\n" + body);
        s->disconnectFromHost();
    }
    void Stroom(QTcpSocket* s) {
        constexpr qint64 kLengte = 100LL * 1024 * 1024;
        s->write("HTTP/1.1 200 OK\r\nContent-Type: text/plain\r\nContent-Length: " +
                 QByteArray::number(kLengte) + "\r\n\r\n" + fInhoud);
        if (fSoort == TSoort::Druppel) {
            auto* klok = new QTimer(s);
            connect(klok, &QTimer::timeout, s, [s] { s->write(" "); });
            klok->start(50);
            return;
        }
        Verzonden = fInhoud.size();
        const auto meer = [this, s] {
            // Only what the client has taken is followed by more.
            while (s->state() == QAbstractSocket::ConnectedState && s->bytesToWrite() < 65536 &&
                   Verzonden < kLengte) {
                s->write(QByteArray(65536, ' '));
                Verzonden += 65536;
            }
        };
        connect(s, &QTcpSocket::bytesWritten, s, meer);
        meer();
    }
    QTcpServer fServer;
    TSoort fSoort;
    QByteArray fInhoud;
    std::map<QTcpSocket*, QByteArray> fBuffers;
};

const QString kHuidig = QStringLiteral("Tarvolingrade PLUS version 2012.00 - 5 April 2012");

QString Actueel() {
    return QStringLiteral("At present no newer version of the program is available.\n\n"
                          "You are using the most recent version:\n") +
           kHuidig;
}

QString Nieuwer(const QString& regel, const QString& download) {
    return QStringLiteral("A newer version of the program is available:\n") + regel +
           QStringLiteral("\n\nAt present you are using version:\n") + kHuidig +
           QStringLiteral("\n\nThe most recent version can be downloaded from the website:    \n") +
           download +
           QStringLiteral("\n\nDownload the most recent version to your PC now ?\n(highly recommended)");
}

QString Mislukt(const QString& download) {
    return QStringLiteral("Automatic checking of the versionnumber has failed.\n\nGo to the website ") +
           download +
           QStringLiteral(
               "\nto check if a newer version is available.\n\nAt present you are using version:\n") +
           kHuidig + QStringLiteral("\n\nThe most recent version can be downloaded from the wesite.");
}

struct TVersieGeval {
    const char* Naam;
    TVersieServer::TSoort Soort;
    const char* Inhoud;
    bool Stil; // the quiet check of the start
    // The expected box: 'A' current, 'N' newer, 'F' failed, '-' none.
    char Bericht;
};

class VersieControleTest : public OndersteuningTest, public ::testing::WithParamInterface<TVersieGeval> {
protected:
    void SetUp() override {
        // Straight to this machine, whatever proxy the environment names.
        QNetworkProxy::setApplicationProxy(QNetworkProxy::NoProxy);
        versie = std::make_shared<THttpVersieOphaler>(1000);
        OndersteuningTest::SetUp();
    }
    // Runs one check and waits for its end while counting the ticks of a timer.
    void Controleer(TVersieServer& server, bool stil) {
        w->InfoBox.VersieAdres = server.Adres();
        w->InfoBox.DownloadAdres = QStringLiteral("tarvolingrade.example.org/software/Tarvolingrade");
        bool klaar = false;
        QObject ontvanger;
        QObject::connect(&o->InfoBox(), &TKtInfoBox::VersieControleKlaar, &ontvanger, [&] { klaar = true; });
        QTimer tik;
        QObject::connect(&tik, &QTimer::timeout, [&] { ++tikken; });
        tik.start(5);
        if (stil)
            o->InfoBox().VersieControle(false);
        else
            w->Actie(QStringLiteral("VersieControle1"))->trigger();
        // Nothing is told before the answer: the check runs in the background.
        EXPECT_TRUE(Meldingen().isEmpty());
        EXPECT_TRUE(QTest::qWaitFor([&] { return klaar; }, 5000));
    }
    int tikken = 0;
};

TEST_P(VersieControleTest, TellsWhatTheServerAnswered) {
    const TVersieGeval& g = GetParam();
    TVersieServer server(g.Soort, QByteArray(g.Inhoud));
    // Nothing is read from a reply that was given up on.
    static QString console;
    console.clear();
    const QtMessageHandler vorige =
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString& s) { console += s; });
    Controleer(server, g.Stil);
    qInstallMessageHandler(vorige);
    EXPECT_FALSE(console.contains("device not open")) << console.toStdString();
    EXPECT_GT(tikken, 0);
    ASSERT_EQ(server.Verzoeken.size(), 1);
    EXPECT_EQ(server.Verzoeken[0], QStringLiteral("GET /software/Tarvolingrade/versie.txt HTTP/1.1"));
    const QString download = w->InfoBox.DownloadAdres;
    switch (g.Bericht) {
    case 'A':
        EXPECT_EQ(Meldingen(TBerichtSoort::Informatie), QStringList{Actueel()});
        break;
    case 'N':
        EXPECT_EQ(Meldingen(TBerichtSoort::Waarschuwing),
                  QStringList{
                      Nieuwer(QStringLiteral("Tarvolingrade PLUS version 2013.00 - 1 May 2013"), download)});
        break;
    case 'F':
        EXPECT_EQ(Meldingen(TBerichtSoort::Informatie), QStringList{Mislukt(download)});
        break;
    default:
        EXPECT_TRUE(Meldingen().isEmpty()) << Meldingen().join(u'|').toStdString();
    }
    EXPECT_EQ(Meldingen().size(), g.Bericht == '-' ? 0 : 1);
    // Only Yes opens a page.
    EXPECT_TRUE(url->Geopend.empty());
}

using S = TVersieServer::TSoort;
INSTANTIATE_TEST_SUITE_P(
    Server, VersieControleTest,
    ::testing::Values(
        TVersieGeval{"SameVersionMenu", S::Bestand,
                     "Tarvolingrade PLUS\r\n2012.00\r\n5 April 2012\r\nhttp://x.org/\r\n", false, 'A'},
        TVersieGeval{"SameVersionQuiet", S::Bestand,
                     "Tarvolingrade PLUS\n2012.00\n5 April 2012\nhttp://x.org/\n", true, '-'},
        TVersieGeval{"YearOnlyMenu", S::Bestand, "Tarvolingrade PLUS\r\n2012\r\n5 April 2012\r\n", false,
                     'A'},
        TVersieGeval{"YearOnlyQuiet", S::Bestand, "Tarvolingrade PLUS\r\n2012\r\n", true, '-'},
        TVersieGeval{"NewerMenu", S::Bestand,
                     "Tarvolingrade PLUS\r\n2013.00\r\n1 May 2013\r\nhttp://x.org/\r\n", false, 'N'},
        TVersieGeval{"NewerQuiet", S::Bestand,
                     "Tarvolingrade PLUS\r\n2013.00\r\n1 May 2013\r\nhttp://x.org/\r\n", true, 'N'},
        TVersieGeval{"EmptyBodyQuiet", S::Bestand, "", true, 'F'},
        TVersieGeval{"EmptyVersionLineMenu", S::Bestand, "Tarvolingrade PLUS\r\n\r\n", false, 'F'},
        TVersieGeval{"NotFoundQuiet", S::NietGevonden, "", true, 'F'},
        TVersieGeval{"NotFoundMenu", S::NietGevonden, "", false, 'F'},
        TVersieGeval{"NoAnswerQuiet", S::Stil, "", true, 'F'},
        // An answer that drips in is given up on at the limit like one that never comes.
        TVersieGeval{"DripQuiet", S::Druppel, "Tarvolingrade PLUS\r\n2013.00\r\n1 May 2013\r\n", true, 'F'},
        // No version number, no newer version.
        TVersieGeval{"LoginPageQuiet", S::Bestand,
                     "<!DOCTYPE html>\r\n<html><head><title>Hotel WiFi</title></head>\r\n"
                     "<body><form>Log in</form></body></html>\r\n",
                     true, 'F'},
        TVersieGeval{"GarbageQuiet", S::Bestand, "\x89PNG\r\n\x1a\n\xff\xd8\xff\xe0 JFIF\x7f", true, 'F'},
        TVersieGeval{"DotMenu", S::Bestand, "Tarvolingrade PLUS\r\n.\r\n5 April 2012\r\n", false, 'F'},
        TVersieGeval{"TrailingPointMenu", S::Bestand, "Tarvolingrade PLUS\r\n2012.\r\n", false, 'F'}),
    [](const auto& info) { return std::string(info.param.Naam); });

class DownloadTest : public VersieControleTest {};

TEST_F(DownloadTest, OfALargeBodyOnlyTheStartIsRead) {
    TVersieServer server(S::Groot, "Tarvolingrade PLUS\r\n2013.00\r\n1 May 2013\r\nhttp://x.org/\r\n");
    Controleer(server, true);
    EXPECT_EQ(Meldingen(TBerichtSoort::Waarschuwing),
              QStringList{Nieuwer(QStringLiteral("Tarvolingrade PLUS version 2013.00 - 1 May 2013"),
                                  w->InfoBox.DownloadAdres)});
    EXPECT_LT(server.Verzonden, 16LL * 1024 * 1024);
}

TEST_F(DownloadTest, ALongNameLineIsCutInTheMessage) {
    omg.Berichten->Antwoorden = {TAntwoord::Nee};
    o->InfoBox().VerwerkVersie(
        TVersieAntwoord{true, QByteArray(1 << 20, 'T') + "\n2013.00\n1 May 2013\n", {}}, false);
    EXPECT_EQ(Meldingen(TBerichtSoort::Waarschuwing),
              QStringList{Nieuwer(QString(200, u'T') + QStringLiteral("... version 2013.00 - 1 May 2013"),
                                  w->InfoBox.DownloadAdres)});
}

// Counts the fetches that are started.
class TTellendeOphaler : public TVersieOphaler {
public:
    explicit TTellendeOphaler(std::shared_ptr<TVersieOphaler> echt) : fEcht(std::move(echt)) {}
    void Haal(const QUrl& adres, QObject* context,
              std::function<void(const TVersieAntwoord&)> klaar) override {
        ++Aantal;
        fEcht->Haal(adres, context, std::move(klaar));
    }
    int Aantal = 0;

private:
    std::shared_ptr<TVersieOphaler> fEcht;
};

class EenControleTest : public OndersteuningTest {
protected:
    void SetUp() override {
        QNetworkProxy::setApplicationProxy(QNetworkProxy::NoProxy);
        teller = std::make_shared<TTellendeOphaler>(std::make_shared<THttpVersieOphaler>(1000));
        versie = teller;
        OndersteuningTest::SetUp();
    }
    std::shared_ptr<TTellendeOphaler> teller;
};

TEST_F(EenControleTest, AClickWhileACheckWaitsStartsNoSecondOne) {
    TVersieServer server(S::Bestand, "Tarvolingrade PLUS\n2012.00\n5 April 2012\n");
    w->InfoBox.VersieAdres = server.Adres();
    QObject ontvanger;
    int klaar = 0;
    QObject::connect(&o->InfoBox(), &TKtInfoBox::VersieControleKlaar, &ontvanger, [&] { ++klaar; });
    QAction* menu = w->Actie(QStringLiteral("VersieControle1"));
    // Three clicks on the menu; then the quiet check of the start and a click during it,
    // which is answered all the same.
    for (const bool start : {false, true}) {
        SCOPED_TRACE(start);
        omg.Berichten->Lijst.clear();
        teller->Aantal = 0;
        klaar = 0;
        if (start) o->InfoBox().VersieControle(false);
        for (int i = start ? 1 : 0; i < 3; ++i)
            menu->trigger();
        EXPECT_EQ(teller->Aantal, 1);
        ASSERT_TRUE(QTest::qWaitFor([&] { return klaar > 0; }, 5000));
        EXPECT_EQ(Meldingen(), QStringList{Actueel()});
    }
}

TEST_F(DownloadTest, YesOpensOnlyAWebAddressFromTheFile) {
    const QString eigen = QStringLiteral("http://tarvolingrade.example.org/software/Tarvolingrade");
    // Line 4 of the file, the answer, what is opened ("" nothing), whether opening works.
    const std::vector<std::tuple<const char*, TAntwoord, QString, bool>> gevallen = {
        {"https://downloads.example.org/tarvo.exe", TAntwoord::Ja, "https://downloads.example.org/tarvo.exe",
         true},
        {"http://downloads.example.org/", TAntwoord::Ja, "http://downloads.example.org/", true},
        {"file:///etc/passwd", TAntwoord::Ja, eigen, true},
        {"/usr/bin/xterm", TAntwoord::Ja, eigen, true},
        {"", TAntwoord::Ja, eigen, true},
        {"https://downloads.example.org/", TAntwoord::Nee, "", true},
        {"https://downloads.example.org/", TAntwoord::Ja, "https://downloads.example.org/", false}};
    for (const auto& [regel, antwoord, geopend, lukt] : gevallen) {
        SCOPED_TRACE(regel);
        url->Geopend.clear();
        url->Gelukt = lukt;
        omg.Berichten->Lijst.clear();
        omg.Berichten->Antwoorden = {antwoord};
        TVersieServer server(S::Bestand, QByteArray("Tarvolingrade PLUS\n2013.00\n1 May 2013\n") + regel);
        Controleer(server, true);
        ASSERT_EQ(url->Geopend.size(), geopend.isEmpty() ? 0u : 1u);
        if (!geopend.isEmpty()) {
            EXPECT_EQ(url->Geopend[0].toString(), geopend);
        }
        const QStringList fouten = Meldingen(TBerichtSoort::Fout);
        EXPECT_EQ(fouten.size(), lukt ? 0 : 1);
        if (!lukt) {
            EXPECT_TRUE(fouten[0].startsWith(QStringLiteral("Error in procedure of version checking: ")));
        }
    }
}

TEST_F(DownloadTest, TheStartWindowChecksQuietlyAndShowsProductSupport) {
    TVersieServer server(S::Bestand, "Tarvolingrade PLUS\n2013.00\n1 May 2013\n");
    w->InfoBox.VersieAdres = server.Adres();
    TFrmStartup startup(omg.Berichten);
    o->KoppelStartvenster(startup);
    bool klaar = false;
    QObject::connect(&o->InfoBox(), &TKtInfoBox::VersieControleKlaar, [&] { klaar = true; });
    startup.InitOpstart();
    EXPECT_TRUE(startup.SttInfo->isEnabled());
    ASSERT_TRUE(QTest::qWaitFor([&] { return klaar; }, 5000));
    EXPECT_EQ(Meldingen(TBerichtSoort::Waarschuwing).size(), 1);
    startup.SttInfoClick();
    EXPECT_EQ(vensters->Getoond, QStringList{QStringLiteral("FrmInfotxt")});
}

TEST_F(DownloadTest, AWindowClosedDuringTheCheckHearsNothing) {
    TVersieServer server(S::Stil, "");
    w->InfoBox.VersieAdres = server.Adres();
    o->InfoBox().VersieControle(true);
    w.reset();
    QTest::qWait(1300);
    EXPECT_TRUE(Meldingen().isEmpty());
}

} // namespace
