// The preview window "Printpreview": one page at a time on its sheet, zoom 100, 75, 50 or
// 25 %, previous and next page, Print and Close. The pages are painted once, into the
// printer's own preview, when the window first shows them (never inside a paint event);
// the zoom and the paging only show them anew.
#pragma once

#include "KtPreview.h"

#include <QDialog>

#include <functional>
#include <memory>

class QComboBox;
class QLabel;
class QPrinter;
class QPrintPreviewWidget;
class QPushButton;
class QScrollBar;

class TPrintPreview : public QDialog {
    Q_OBJECT
public:
    TPrintPreview(QPrinter& printer, std::shared_ptr<TBerichten> berichten, QWidget* parent = nullptr);

    TDrawPPEvent OnPaint;
    bool DrawMargins = false;
    int PageCount = 0;
    // The page shown, from 1.
    int PageNumber = 1;

    // A new preview: page 1, the buttons by the count, the zoom at 50 %, the pages painted
    // anew.
    void Begin();
    // Z in screen pixels per inch: 96 is 100 %.
    void SetZoom(int Z);
    void UpdatePageLabel();
    void BtnNextClick();
    void BtnPreviousClick();
    void cbZoomChange();

    QComboBox* cbZoom;
    QPushButton* BtnPrevious;
    QPushButton* BtnNext;
    QPushButton* bPrint;
    QPushButton* bQuit;
    QPrintPreviewWidget* Image1;
    QLabel* LblPage;

    // How often the pages were painted (each time all of them).
    int Tekenbeurten() const { return fTekenbeurten; }

    // Called once, after the window first appears on the screen: its frame is known then.
    std::function<void()> OnGetoond;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* object, QEvent* event) override;

private:
    void TekenPaginas(QPrinter* printer);
    void ToonPagina();
    // The page in view after a scroll of balk becomes PageNumber, with the label and the
    // buttons.
    void VolgBeeld(const QScrollBar& balk);
    std::shared_ptr<TBerichten> fBerichten;
    int fTekenbeurten = 0;
    bool fBladert = false;
    bool fGetoond = false;
};
