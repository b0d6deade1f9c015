#include "KtInfoBox.h"

#include "Getallen.h"
#include "Omgeving.h"
#include "Tarvolingrade_u.h"

#include <QEvent>
#include <QFileInfo>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>
#include <QRegularExpression>
#include <QUrl>
#include <QVBoxLayout>

#include <stdexcept>
#include <utility>

std::array<QString, 4> LeesVersieRegels(const QByteArray& inhoud) {
    std::array<QString, 4> regels;
    const qsizetype n = inhoud.size();
    qsizetype pos = 0;
    const auto einde = [](char c) { return c == '\0' || c == '\n' || c == '\r'; };
    for (QString& regel : regels) {
        if (pos >= n) break;
        const qsizetype begin = pos;
        while (pos < n && !einde(inhoud[pos]))
            ++pos;
        regel = QString::fromUtf8(inhoud.constData() + begin, pos - begin);
        if (pos < n) ++pos; // the character that ended the line
        while (pos < n && (inhoud[pos] == '\n' || inhoud[pos] == '\r'))
            ++pos;
    }
    return regels;
}

bool IsVersieNummer(const QString& regel) {
    static const QRegularExpression kNummer(QStringLiteral("^[0-9]+(\\.[0-9]+)?$"));
    return kNummer.match(regel).hasMatch();
}

namespace {
// A text of the version file as it may stand in a message.
QString Kort(const QString& tekst) {
    return QString::fromStdString(KortAf(tekst.toStdString()));
}
} // namespace

QString NaamInRegels(const QString& naam) {
    if (naam.size() <= 40) return naam;
    // Positions 1..39 count: the blank must stand before position 40.
    const qsizetype blank = naam.lastIndexOf(u' ', 38);
    if (blank < 0) return u'\n' + naam;
    return naam.left(blank) + u'\n' + naam.mid(blank + 1);
}

// ---------------------------------------------------------------------------------------
// The about box

namespace {
QLabel* Opschrift(const char* tekst, QWidget* ouder) {
    return new QLabel(QString::fromLatin1(tekst), ouder);
}
QLabel* Waarde(const char* naam, QWidget* ouder) {
    auto* l = new QLabel(ouder);
    l->setObjectName(QLatin1String(naam));
    l->setTextInteractionFlags(Qt::TextSelectableByMouse);
    l->setWordWrap(true);
    return l;
}
} // namespace

TFrmInfo::TFrmInfo(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FrmInfo"));
    setWindowTitle(QStringLiteral("Info"));
    setModal(true);
    setMinimumWidth(380);

    ImgLogo = new QLabel(this);
    ImgLogo->setObjectName(QStringLiteral("ImgLogo"));
    ImgLogo->setAlignment(Qt::AlignCenter);
    ImgLogo->setPixmap(QPixmap(QStringLiteral(":/images/zelm.png"))
                           .scaled(96, 96, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    ImgLogo->setCursor(Qt::PointingHandCursor);

    PnlInfo = new QFrame(this);
    PnlInfo->setObjectName(QStringLiteral("PnlInfo"));
    PnlInfo->setFrameShape(QFrame::StyledPanel);
    LblProgrammaNaam = Waarde("LblProgrammaNaam", PnlInfo);
    LblProgrammaNaam->setAlignment(Qt::AlignCenter);
    QFont groot = LblProgrammaNaam->font();
    groot.setPointSizeF(groot.pointSizeF() * 1.6);
    groot.setBold(true);
    LblProgrammaNaam->setFont(groot);
    LblVersie = Waarde("LblVersie", PnlInfo);
    LblDatum = Waarde("LblDatum", PnlInfo);
    LblProgrammeur = Waarde("LblProgrammeur", PnlInfo);
    LblProgrammaAfkorting = Waarde("LblProgrammaAfkorting", PnlInfo);
    LblBDEVersie = Waarde("LblBDEVersie", PnlInfo);
    LblDlls = Opschrift("Loaded DLL's:", PnlInfo);
    LblDlls->setObjectName(QStringLiteral("LblDlls"));
    LstDlls = new QListWidget(PnlInfo);
    LstDlls->setObjectName(QStringLiteral("LstDlls"));
    LstDlls->setFrameShape(QFrame::NoFrame);
    LstDlls->setFocusPolicy(Qt::NoFocus);

    auto* info = new QGridLayout(PnlInfo);
    info->addWidget(LblProgrammaNaam, 0, 0, 1, 2);
    info->addWidget(Opschrift("Version:", PnlInfo), 1, 0);
    info->addWidget(LblVersie, 1, 1);
    info->addWidget(Opschrift("Version date:", PnlInfo), 2, 0);
    info->addWidget(LblDatum, 2, 1);
    info->addWidget(Opschrift("Developped by:", PnlInfo), 3, 0);
    info->addWidget(LblProgrammeur, 3, 1);
    info->addWidget(LblDlls, 4, 0, Qt::AlignTop);
    info->addWidget(LstDlls, 4, 1);
    info->addWidget(Opschrift("Program:", PnlInfo), 5, 0);
    info->addWidget(LblProgrammaAfkorting, 5, 1);
    info->addWidget(Opschrift("BDE version:", PnlInfo), 6, 0);
    info->addWidget(LblBDEVersie, 6, 1);
    info->setColumnStretch(1, 1);

    PnlFooter = new QFrame(this);
    PnlFooter->setObjectName(QStringLiteral("PnlFooter"));
    LblHelpdesk = Waarde("LblHelpdesk", PnlFooter);
    LblWebsite = Waarde("LblWebsite", PnlFooter);
    for (QLabel* l : {LblHelpdesk, LblWebsite}) {
        l->setTextInteractionFlags(Qt::NoTextInteraction);
        l->setCursor(Qt::PointingHandCursor);
    }
    BtnOK = new QPushButton(QStringLiteral("OK"), PnlFooter);
    BtnOK->setObjectName(QStringLiteral("BtnOK"));
    BtnOK->setDefault(true);
    auto* voet = new QGridLayout(PnlFooter);
    voet->addWidget(Opschrift("Helpdesk:", PnlFooter), 0, 0);
    voet->addWidget(LblHelpdesk, 0, 1);
    voet->addWidget(Opschrift("Website:", PnlFooter), 1, 0);
    voet->addWidget(LblWebsite, 1, 1);
    voet->addWidget(BtnOK, 0, 2, 2, 1, Qt::AlignVCenter);
    voet->setColumnStretch(1, 1);

    auto* l = new QVBoxLayout(this);
    l->addWidget(ImgLogo);
    l->addWidget(PnlInfo);
    l->addWidget(PnlFooter);
    l->setSizeConstraint(QLayout::SetFixedSize);

    for (QWidget* w : {static_cast<QWidget*>(ImgLogo), static_cast<QWidget*>(LblWebsite),
                       static_cast<QWidget*>(LblHelpdesk)})
        w->installEventFilter(this);
    connect(BtnOK, &QPushButton::clicked, this, &QDialog::accept);
}

bool TFrmInfo::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress) emit WebsiteGekozen();
    return QDialog::eventFilter(watched, event);
}

// ---------------------------------------------------------------------------------------
// The info box

TKtInfoBox::TKtInfoBox(const TInfoBoxGegevens& gegevens, std::shared_ptr<TBerichten> berichten,
                       TOndersteuningOmgeving omgeving, QObject* parent)
    : QObject(parent), fGegevens(gegevens), fBerichten(std::move(berichten)), fOmgeving(std::move(omgeving)) {
}

void TKtInfoBox::Execute() {
    TFrmInfo frm(Venster);
    if (QFileInfo(fGegevens.Logo).isFile()) {
        const QPixmap logo(fGegevens.Logo);
        if (!logo.isNull())
            frm.ImgLogo->setPixmap(logo.width() > 300 || logo.height() > 150
                                       ? logo.scaled(300, 150, Qt::KeepAspectRatio, Qt::SmoothTransformation)
                                       : logo);
    }
    frm.LblHelpdesk->setText(fGegevens.Helpdesk);
    frm.LblWebsite->setText(QStringLiteral("http://") + fGegevens.WebAdres);
    frm.LblProgrammaAfkorting->setText(fGegevens.ProgAfkorting);
    const QString naam = NaamInRegels(fGegevens.ProgNaam);
    frm.LblProgrammaNaam->setText(naam);
    // A name on one line stands lower, level with the middle of a two-line name.
    if (!naam.contains(u'\n')) frm.LblProgrammaNaam->setContentsMargins(0, 20, 0, 0);
    frm.LblVersie->setText(fGegevens.Versie);
    frm.LblDatum->setText(fGegevens.Datum);
    frm.LblBDEVersie->setText(BdeVersie());
    frm.LblProgrammeur->setText(fGegevens.Programmeur);
    // The program loads no libraries of its own to list.
    frm.LstDlls->clear();
    frm.LblDlls->setVisible(frm.LstDlls->count() > 0);
    frm.LstDlls->setVisible(frm.LstDlls->count() > 0);
    connect(&frm, &TFrmInfo::WebsiteGekozen, this,
            [this] { Bewaakt(*fBerichten, [this] { GotoWebsite(); }); });
    fOmgeving.Vensters->Toon(frm);
}

void TKtInfoBox::GotoWebsite() {
    try {
        const QUrl adres = QUrl::fromUserInput(fGegevens.WebAdres);
        if (!adres.isValid() || !fOmgeving.Url->Open(adres))
            throw std::runtime_error("the web site " + fGegevens.WebAdres.toStdString() +
                                     " could not be opened");
    } catch (const std::exception& e) {
        fBerichten->Fout(QStringLiteral("Error in procedure GotoWebsite: ") + FoutTekst(e));
    }
}

QUrl TKtInfoBox::VersieUrl() const {
    return QUrl(QStringLiteral("http://") + fGegevens.VersieAdres + u'/' + fGegevens.VersieFile);
}

void TKtInfoBox::VersieControle(bool ToonAlsActueel) {
    // A check that is still waiting answers this request too: a second click starts no
    // second fetch, and a click during the quiet check of the start is still answered.
    fToonAlsActueel = fToonAlsActueel || ToonAlsActueel;
    if (fBezig) return;
    fBezig = true;
    fOmgeving.Versie->Haal(VersieUrl(), this, [this](const TVersieAntwoord& a) {
        const bool toon = std::exchange(fToonAlsActueel, false);
        fBezig = false;
        Bewaakt(*fBerichten, [&] { VerwerkVersie(a, toon); });
        emit VersieControleKlaar();
    });
}

QString TKtInfoBox::HuidigeVersie() const {
    return fGegevens.ProgNaam + QStringLiteral(" version ") + fGegevens.Versie + QStringLiteral(" - ") +
           fGegevens.Datum;
}

void TKtInfoBox::VerwerkVersie(const TVersieAntwoord& antwoord, bool ToonAlsActueel) {
    const QString LF = QStringLiteral("\n");
    const auto [naam, versie, datum, download] = LeesVersieRegels(antwoord.Inhoud);
    // Only a version number says which version is the latest: an empty line, a login page
    // of a hotel network or garbage is a failed check, not a newer version.
    if (!antwoord.Gelukt || !IsVersieNummer(versie)) {
        fBerichten->Informatie(
            QStringLiteral("Automatic checking of the versionnumber has failed.\n\nGo to the website ") +
            fGegevens.DownloadAdres + LF + QStringLiteral("to check if a newer version is available.") + LF +
            LF + QStringLiteral("At present you are using version:") + LF + HuidigeVersie() + LF + LF +
            QStringLiteral("The most recent version can be downloaded from the wesite."));
        return;
    }
    if (!fGegevens.Versie.contains(versie)) {
        const TAntwoord keuze = fBerichten->Waarschuwing(
            QStringLiteral("A newer version of the program is available:\n") + Kort(naam) +
            QStringLiteral(" version ") + Kort(versie) + QStringLiteral(" - ") + Kort(datum) + LF + LF +
            QStringLiteral("At present you are using version:") + LF + HuidigeVersie() + LF + LF +
            QStringLiteral("The most recent version can be downloaded from the website:    ") + LF +
            fGegevens.DownloadAdres + LF + LF +
            QStringLiteral("Download the most recent version to your PC now ?") + LF +
            QStringLiteral("(highly recommended)"));
        if (keuze != TAntwoord::Ja) return;
        // Only a web address from the file is opened; anything else (a local file, a
        // program) goes to the download page this program knows.
        QUrl adres(download.trimmed());
        const QString schema = adres.scheme().toLower();
        if (!adres.isValid() || (schema != QLatin1String("http") && schema != QLatin1String("https")) ||
            adres.host().isEmpty())
            adres = QUrl::fromUserInput(fGegevens.DownloadAdres);
        if (!adres.isValid() || !fOmgeving.Url->Open(adres))
            fBerichten->Fout(QStringLiteral("Error in procedure of version checking: ") +
                             QStringLiteral("the download page ") + Kort(adres.toString()) +
                             QStringLiteral(" could not be opened"));
        return;
    }
    if (ToonAlsActueel)
        fBerichten->Informatie(QStringLiteral("At present no newer version of the program is available.\n\n"
                                              "You are using the most recent version:\n") +
                               HuidigeVersie());
}
