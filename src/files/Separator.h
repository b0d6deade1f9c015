// The decimal-sign dialog: sets the one process-wide decimal sign to "." or "," for the
// rest of the run, so that an input table written with the other sign can be read. Made
// once at start, before the main window; making it also settles the signs (a machine sign
// other than "." gives ",").
#pragma once

#include <QDialog>
#include <QString>

#include <memory>

class QButtonGroup;
class QGroupBox;
class QPushButton;
class QRadioButton;
class StaticText;
class TBerichten;
class TFrmHoofdFormulier;

class TFrmSeparator : public QDialog {
    Q_OBJECT
public:
    // teken: the decimal sign the program starts from (the machine's at start-up).
    TFrmSeparator(std::shared_ptr<TBerichten> berichten, const QString& teken, QWidget* parent = nullptr);

    // Selects the item of teken ("." the point, anything else the comma) and applies it.
    void FormCreate(const QString& teken);
    // Applies the selected item.
    void GrpSeparatorClick();
    // A sign without "." makes "," the decimal sign and "." the thousands sign; otherwise
    // the other way round. Holds for every later conversion until the program ends.
    void SetDecimaalteken(const QString& teken);
    // The explanation box.
    void ToelDrijfKaClick();
    // The decimal sign of the last choice, "." or ","; empty before the first.
    QString Decimaalteken() const { return fTeken; }
    // The selected item: 0 the point, 1 the comma.
    int ItemIndex() const;

    QGroupBox* GrpSeparator;
    QRadioButton *RbtPunt, *RbtKomma;
    QPushButton* BtnOK;
    StaticText* ToelDrijfKa;

private:
    std::shared_ptr<TBerichten> fBerichten;
    QButtonGroup* fGroep;
    QString fTeken;
};

// The dialog, reachable by its name as every window of the program (the ammonia
// explanation reads the sign chosen); set by the main block.
extern TFrmSeparator* FrmSeparator;

// The explanation of the dialog, three lines.
QString SeparatorToelichting();

// The machine's decimal sign, as the system's number settings give it.
QString MachineDecimaalteken();

// Attaches the hidden Options item Separator1 ("Set decimal separator"): it shows the
// dialog modally.
void KoppelSeparator(TFrmHoofdFormulier& w, TFrmSeparator& dlg);
