#include "TestOmgeving.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

TAntwoord TOpgenomenBerichten::Toon(TBerichtSoort soort, const QString& tekst, TKnoppen knoppen) {
    Lijst.push_back({soort, tekst, knoppen});
    if (!Antwoorden.empty()) {
        const TAntwoord a = Antwoorden.front();
        Antwoorden.pop_front();
        return a;
    }
    return knoppen == TKnoppen::OK ? TAntwoord::OK : TAntwoord::Nee;
}

QStringList TOpgenomenBerichten::Teksten() const {
    QStringList t;
    for (const auto& b : Lijst)
        t << b.Tekst;
    return t;
}

QStringList TOpgenomenBerichten::Teksten(TBerichtSoort soort) const {
    QStringList t;
    for (const auto& b : Lijst)
        if (b.Soort == soort) t << b.Tekst;
    return t;
}

QString TNepDialogen::Open(QWidget* /*ouder*/, const TBestandKeuze& keuze) {
    Vragen.push_back(keuze);
    if (Antwoorden.empty()) return {};
    const QString a = Antwoorden.front();
    Antwoorden.pop_front();
    return a;
}

QString TNepDialogen::Opslaan(QWidget* ouder, const TBestandKeuze& keuze) {
    return Open(ouder, keuze);
}

TTestOmgeving::TTestOmgeving() {
    QDir(fMap.path()).mkpath(QStringLiteral("prog"));
    QDir(fMap.path()).mkpath(QStringLiteral("appdata"));
}

TOmgeving TTestOmgeving::Omgeving() const {
    TOmgeving o;
    o.Berichten = Berichten;
    o.Dialogen = Dialogen;
    o.Klok = Klok;
    o.AppDataMap = AppDataMap();
    o.ProgrammaBestand = ProgrammaBestand();
    return o;
}

QString TTestOmgeving::ProgrammaBestand() const {
    return fMap.filePath(QStringLiteral("prog/tarvolingrade"));
}

QString TTestOmgeving::AppDataMap() const {
    return fMap.filePath(QStringLiteral("appdata"));
}

QString TTestOmgeving::IniNaastProgramma() const {
    return fMap.filePath(QStringLiteral("prog/tarvolingrade.ini"));
}

QString TTestOmgeving::IniAppData() const {
    return fMap.filePath(QStringLiteral("appdata/Tarvolingrade/Tarvolingrade.ini"));
}

QString TTestOmgeving::Schrijf(const QString& relatief, const QByteArray& inhoud) const {
    const QString pad = QDir(fMap.path()).filePath(relatief);
    QDir().mkpath(QFileInfo(pad).absolutePath());
    QFile f(pad);
    if (!f.open(QIODevice::WriteOnly) || f.write(inhoud) != inhoud.size()) return {};
    return pad;
}

QByteArray TTestOmgeving::Lees(const QString& pad) const {
    QFile f(pad);
    if (!f.open(QIODevice::ReadOnly)) return {};
    return f.readAll();
}

void KiesAlsGebruiker(QComboBox* lijst, int index) {
    lijst->setCurrentIndex(index);
    emit lijst->activated(index);
}

TBerichtSluiter::TBerichtSluiter() : fTimer(new QTimer) {
    QObject::connect(fTimer, &QTimer::timeout, [this] { Kijk(); });
    fTimer->start(5);
}

TBerichtSluiter::~TBerichtSluiter() {
    delete fTimer;
}

void TBerichtSluiter::Kijk() {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box || !box->isVisible()) return;
    Teksten << box->text();
    Titels << box->windowTitle();
    switch (Teksten.size() % 3) {
    case 1:
        QTest::keyClick(box, Qt::Key_Return);
        break;
    case 2:
        QTest::keyClick(box, Qt::Key_Escape);
        break;
    default:
        if (!box->buttons().isEmpty()) box->buttons().first()->click();
        break;
    }
    // A box that takes neither key is closed all the same.
    if (box->isVisible()) box->done(0);
}

bool TBerichtSluiter::WachtOp(int n) {
    QElapsedTimer klok;
    klok.start();
    while (Teksten.size() < n && klok.elapsed() < 2000)
        QTest::qWait(5);
    QCoreApplication::processEvents();
    return Teksten.size() >= n;
}
