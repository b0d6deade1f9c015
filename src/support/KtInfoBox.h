// The program's identity in the about box "Info", the web site and the check for a newer
// version of the program on the web server.
#pragma once

#include "OndersteuningOmgeving.h"

#include <QDialog>
#include <QObject>
#include <QString>

#include <array>
#include <memory>

struct TInfoBoxGegevens;
class TBerichten;
class QLabel;
class QListWidget;
class QPushButton;
class QFrame;

// The four lines of the version file: program name, version, date, download address.
// A line ends at a NUL, a line feed or a carriage return; the line feeds and carriage
// returns after it are skipped; lines past the end of the body are empty.
std::array<QString, 4> LeesVersieRegels(const QByteArray& inhoud);

// Whether a version line is a version number: digits, optionally a decimal point and more
// digits ("2012.00", "2012").
bool IsVersieNummer(const QString& regel);

// The program name as the about box shows it: a name longer than 40 characters is broken
// at the last blank before position 40 (without one the first line is empty).
QString NaamInRegels(const QString& naam);

// The about box.
class TFrmInfo : public QDialog {
    Q_OBJECT
public:
    explicit TFrmInfo(QWidget* parent = nullptr);

    QLabel* ImgLogo;
    QFrame* PnlInfo;
    QLabel* LblProgrammaNaam;
    QLabel *LblVersie, *LblDatum, *LblProgrammeur, *LblProgrammaAfkorting, *LblBDEVersie;
    QLabel* LblDlls; // the caption "Loaded DLL's:"
    QListWidget* LstDlls;
    QFrame* PnlFooter;
    QLabel *LblHelpdesk, *LblWebsite;
    QPushButton* BtnOK;

signals:
    // A press on the logo, the web site or the help desk.
    void WebsiteGekozen();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

class TKtInfoBox : public QObject {
    Q_OBJECT
public:
    TKtInfoBox(const TInfoBoxGegevens& gegevens, std::shared_ptr<TBerichten> berichten,
               TOndersteuningOmgeving omgeving, QObject* parent = nullptr);

    // Fills the about box and shows it modally.
    void Execute();
    // Opens the web site in the browser.
    void GotoWebsite();
    // Fetches the version file in the background. Quiet (ToonAlsActueel false), only a
    // newer version or a failure is told; else also that this version is the latest. While
    // a fetch is on its way, no second one is started.
    void VersieControle(bool ToonAlsActueel);
    // The database engine's version: there is none.
    QString BdeVersie() const { return QStringLiteral("n.v.t."); }
    // The address of the version file.
    QUrl VersieUrl() const;
    // The window the about box belongs to.
    QWidget* Venster = nullptr;

    // Tells the outcome of a fetch (VersieControle's second half).
    void VerwerkVersie(const TVersieAntwoord& antwoord, bool ToonAlsActueel);

signals:
    // A version check has been told (or kept quiet).
    void VersieControleKlaar();

private:
    QString HuidigeVersie() const;
    const TInfoBoxGegevens& fGegevens;
    std::shared_ptr<TBerichten> fBerichten;
    TOndersteuningOmgeving fOmgeving;
    // A fetch is on its way, and whether its outcome is told when this is the latest.
    bool fBezig = false;
    bool fToonAlsActueel = false;
};
