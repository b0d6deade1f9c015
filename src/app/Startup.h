// The program's first window: its name, version and purpose, a link to the product
// support and the OK button that leads to the main window. Closing it before OK ends the
// program.
#pragma once

#include "Omgeving.h"

#include <QString>
#include <QWidget>

#include <functional>
#include <memory>

class QLabel;
class QPushButton;
class QFrame;
class StaticText;

// Parts of the built-in version string "Tarvolingrade 2012.00 - 5 April 2012", chosen by
// the letters of Format (any case): P the name, V the version, D the date (after a "-"
// unless it comes first); other letters add nothing. Blanks around the result are dropped.
QString GetVersie(const QString& Format);

// The format number of the farm files this build writes: "2012" and "00" of the version.
int BerekenBestandVersie();

class TFrmStartup : public QWidget {
    Q_OBJECT
public:
    explicit TFrmStartup(std::shared_ptr<TBerichten> berichten, QWidget* parent = nullptr);

    // Fills the texts and starts the version check. The check is only posted: the window
    // is usable at once and never waits on the network.
    void InitOpstart();

    void BitBtn1Click();
    void SttInfoClick();

    // The version check at start-up (quiet: it speaks only when a newer version exists or
    // the check fails). Must not block: it is run from the event loop.
    std::function<void()> VersieControle;
    // Shows the product-support window; the link is active only when it is set.
    std::function<void()> ToonProductOndersteuning;
    // Ends the program when the window is closed before OK.
    std::function<void()> Afsluiten;

    QFrame* Panel1;
    QLabel* ImgZelm;
    QLabel* LblNaamOpstart;
    QLabel* LblVersie;
    QLabel* LblOpstart1;
    QLabel* LblOpstart2;
    StaticText* SttInfo;
    QPushButton* BitBtn1;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void FormCreate();

    std::shared_ptr<TBerichten> fBerichten;
    bool fOkGekozen = false;
};

// The start window, reachable by its name as every window of the program.
extern TFrmStartup* FrmStartup;
