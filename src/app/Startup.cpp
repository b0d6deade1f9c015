#include "Startup.h"

#include "StaticText.h"
#include "Tarvolingrade_u.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFrame>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

TFrmStartup* FrmStartup = nullptr;

namespace {
const QString kVolledig = QStringLiteral("Tarvolingrade 2012.00 - 5 April 2012");
const QString kNaam = QStringLiteral("Tarvolingrade");

QLabel* MaakLabel(QWidget* ouder, const char* naam, int pixels, bool vet, const QColor& kleur) {
    auto* l = new QLabel(ouder);
    l->setObjectName(QLatin1String(naam));
    QFont f = l->font();
    f.setPixelSize(pixels);
    f.setBold(vet);
    l->setFont(f);
    QPalette pal = l->palette();
    pal.setColor(QPalette::WindowText, kleur);
    l->setPalette(pal);
    return l;
}
} // namespace

QString GetVersie(const QString& Format) {
    const qsizetype streep = kVolledig.indexOf(u'-');
    const QString versie = kVolledig.mid(kNaam.size(), streep - kNaam.size());
    const QString datum = kVolledig.mid(streep + 1, 100);
    const QString f = Format.toUpper();
    QString result;
    for (qsizetype i = 0; i < f.size(); ++i) {
        if (f[i] == u'P')
            result += kNaam;
        else if (f[i] == u'V')
            result += versie;
        else if (f[i] == u'D')
            result += i == 0 ? datum : u'-' + datum;
    }
    return result.trimmed();
}

int BerekenBestandVersie() {
    const QString v = GetVersie(QStringLiteral("VERSION"));
    return (v.left(4) + v.mid(5, 2)).toInt();
}

TFrmStartup::TFrmStartup(std::shared_ptr<TBerichten> berichten, QWidget* parent)
    : QWidget(parent, Qt::Dialog), fBerichten(std::move(berichten)) {
    InitBronnen();
    setObjectName(QStringLiteral("FrmStartup"));
    setFixedSize(823, 516);
    Afsluiten = [] { QCoreApplication::quit(); };

    auto* buiten = new QVBoxLayout(this);
    buiten->setContentsMargins(0, 0, 0, 0);
    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setAutoFillBackground(true);
    QPalette pal = Panel1->palette();
    pal.setColor(QPalette::Window, QColor(240, 202, 166));
    Panel1->setPalette(pal);
    buiten->addWidget(Panel1);

    ImgZelm = new QLabel(Panel1);
    ImgZelm->setObjectName(QStringLiteral("ImgZelm"));
    ImgZelm->setFixedSize(130, 130);
    ImgZelm->setScaledContents(true);
    ImgZelm->setAttribute(Qt::WA_TranslucentBackground);
    ImgZelm->setPixmap(QPixmap(QStringLiteral(":/images/zelm.png")));

    const QColor rood(255, 0, 0);
    LblNaamOpstart = MaakLabel(Panel1, "LblNaamOpstart", 24, true, rood);
    LblNaamOpstart->setAlignment(Qt::AlignCenter);
    LblVersie = MaakLabel(Panel1, "LblVersie", 16, false, rood);
    LblVersie->setAlignment(Qt::AlignCenter);
    LblOpstart1 = MaakLabel(Panel1, "LblOpstart1", 15, false, QColor(0, 0, 0));
    LblOpstart1->setWordWrap(true);
    LblOpstart1->setVisible(false);
    LblOpstart2 = MaakLabel(Panel1, "LblOpstart2", 15, false, QColor(0, 0, 0));
    LblOpstart2->setWordWrap(true);
    LblOpstart2->setVisible(false);

    SttInfo = new StaticText(QStringLiteral("For more information about the program: click here"), Panel1);
    SttInfo->setObjectName(QStringLiteral("SttInfo"));
    SttInfo->setAlignment(Qt::AlignCenter);
    SttInfo->setLink(true);
    SttInfo->setEnabled(false);

    BitBtn1 = new QPushButton(QStringLiteral("OK"), Panel1);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setDefault(true);

    auto* kop = new QHBoxLayout;
    kop->addWidget(ImgZelm, 0, Qt::AlignTop);
    auto* titels = new QVBoxLayout;
    titels->addStretch();
    titels->addWidget(LblNaamOpstart);
    titels->addWidget(LblVersie);
    titels->addStretch();
    kop->addLayout(titels, 1);
    kop->addSpacing(130); // keeps the titles centred on the window

    auto* tekst = new QVBoxLayout;
    tekst->setContentsMargins(40, 0, 40, 0);
    tekst->addWidget(LblOpstart1);
    tekst->addSpacing(12);
    tekst->addWidget(LblOpstart2);

    auto* knop = new QHBoxLayout;
    knop->addStretch();
    knop->addWidget(BitBtn1);
    knop->addStretch();

    auto* l = new QVBoxLayout(Panel1);
    l->setContentsMargins(8, 8, 8, 12);
    l->addLayout(kop);
    l->addLayout(tekst);
    l->addStretch();
    l->addWidget(SttInfo);
    l->addSpacing(8);
    l->addLayout(knop);

    connect(BitBtn1, &QPushButton::clicked, this,
            [this] { Bewaakt(*fBerichten, [this] { BitBtn1Click(); }); });
    connect(SttInfo, &StaticText::clicked, this,
            [this] { Bewaakt(*fBerichten, [this] { SttInfoClick(); }); });

    if (const QScreen* scherm = QGuiApplication::primaryScreen())
        move(scherm->availableGeometry().center() - rect().center());
    FormCreate();
}

void TFrmStartup::FormCreate() {
    LblVersie->setText(QStringLiteral("version ") + GetVersie(QStringLiteral("VD")));
}

void TFrmStartup::InitOpstart() {
    setWindowTitle(QStringLiteral("Tarvolingrade"));
    LblNaamOpstart->setText(QStringLiteral("Tarvolingrade dairy"));
    const QString naam = kNaam;
    const QString zin1 =
        QStringLiteral("The ") + naam +
        QStringLiteral(" calculates the farm-specific excretion of nitrogen and phosphorus from "
                       "manure (BEX). ");
    const QString zin2 = QStringLiteral(
        "In addition, the program allow to calculate farm-specific emissions of ammonia (BEA).");
    const QString zin3 =
        QStringLiteral("This version of the \"") + naam +
        QStringLiteral("\" makes it possible to choose not only to calculate the standard BEX, but "
                       "also to calculate BEA. As user, You can choose for these two options.");
    const QString zin4 =
        QStringLiteral("Please enter the required information as accurate as possible. The user is "
                       "able to compare the calculated excretions with a fixed standard, ");
    const QString zin5 = QStringLiteral(
        "or to compare the emissions with an average emission of a particular farm-type or to compare the "
        "farm-specific standard for phospate with the general standard for phosphate.");
    // The paragraph breaks are line feeds: a label does not break on a carriage return.
    LblOpstart1->setText(zin1 + zin2 + u'\n' + u'\n' + zin3 + u'\n' + zin4 + zin5);
    LblOpstart2->setText(QStringLiteral(
        "Tarvolingrade is a desktop program for Dutch dairy farmers and their advisers. "
        "It computes the farm's own excretion of nitrogen and phosphate beside the norm of the year. "
        "Optional modules add the ammonia emission (BEA), a farm-specific phosphate standard (BEP) "
        "and a nitrogen balance (BEN).\n"
        "The results are only as good as the figures entered: check them before you rely on them."));
    LblOpstart1->setVisible(true);
    LblOpstart2->setVisible(true);
    SttInfo->setEnabled(static_cast<bool>(ToonProductOndersteuning));
    // Posted, so that the start window is shown and usable before the check begins.
    QTimer::singleShot(0, this, [this] {
        Bewaakt(*fBerichten, [this] {
            if (VersieControle) VersieControle();
        });
    });
}

void TFrmStartup::BitBtn1Click() {
    fOkGekozen = true;
    hide();
    if (FrmHoofdFormulier) {
        QWidget* hoofd = FrmHoofdFormulier;
        hoofd->show();
        hoofd->raise();
        hoofd->activateWindow();
    }
    QCoreApplication::processEvents();
}

void TFrmStartup::SttInfoClick() {
    if (ToonProductOndersteuning) ToonProductOndersteuning();
}

void TFrmStartup::closeEvent(QCloseEvent* event) {
    event->accept();
    if (!fOkGekozen && Afsluiten) Afsluiten();
}
