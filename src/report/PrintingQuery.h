// The progress dialog of a print job: "Afdrukken pagina " n "van" the last page, with the
// button "Annuleer". While it shows, every other window of the program is disabled, so
// nothing else starts meanwhile; SetProgress lets pending events through, so a click on
// "Annuleer" is seen when the next page starts.
#pragma once

#include <QDialog>
#include <QPointer>

#include <functional>
#include <vector>

class QLabel;
class QPushButton;

class TfPrintingQuery : public QDialog {
    Q_OBJECT
public:
    explicit TfPrintingQuery(QWidget* parent = nullptr);

    void SetMax(int N);
    void SetProgress(int N);
    void CancelBtnClick();

    // Called by "Annuleer".
    std::function<void()> OnCancel;

    QLabel* lProgress;
    QLabel* lMax;
    QPushButton* CancelBtn;

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void reject() override;

private:
    // The windows this dialog disabled, enabled again when it hides.
    std::vector<QPointer<QWidget>> fUitgeschakeld;
};
