#include "PrintPreview.h"

#include <QComboBox>
#include <QGraphicsView>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <QTimer>
#include <QVBoxLayout>
#include <QWindow>

#include <algorithm>

TPrintPreview::TPrintPreview(QPrinter& printer, std::shared_ptr<TBerichten> berichten, QWidget* parent)
    : QDialog(parent), fBerichten(std::move(berichten)) {
    setObjectName(QStringLiteral("PrintPreview"));
    setWindowTitle(QStringLiteral("Printpreview"));

    auto* kolom = new QVBoxLayout(this);
    auto* boven = new QHBoxLayout;
    boven->addWidget(new QLabel(QStringLiteral("ZOOM Factor"), this));
    cbZoom = new QComboBox(this);
    cbZoom->setObjectName(QStringLiteral("cbZoom"));
    cbZoom->addItems(
        {QStringLiteral("100%"), QStringLiteral("75%"), QStringLiteral("50%"), QStringLiteral("25%")});
    boven->addWidget(cbZoom);
    const auto knop = [this, boven](const char* naam, const char* tekst) {
        auto* k = new QPushButton(QString::fromLatin1(tekst), this);
        k->setObjectName(QString::fromLatin1(naam));
        k->setAutoDefault(false);
        boven->addWidget(k);
        return k;
    };
    BtnPrevious = knop("BtnPrevious", "&Previous");
    BtnNext = knop("BtnNext", "&Next");
    bPrint = knop("bPrint", "&Print");
    bQuit = knop("bQuit", "&Close");
    boven->addStretch(1);
    kolom->addLayout(boven);

    Image1 = new QPrintPreviewWidget(&printer, this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setViewMode(QPrintPreviewWidget::SinglePageView);
    Image1->setZoomMode(QPrintPreviewWidget::CustomZoom);
    kolom->addWidget(Image1, 1);

    LblPage = new QLabel(this);
    LblPage->setObjectName(QStringLiteral("LblPage"));
    kolom->addWidget(LblPage);

    connect(Image1, &QPrintPreviewWidget::paintRequested, this, [this](QPrinter* p) { TekenPaginas(p); });
    // The wheel, the scroll bar and dragging page too. The preview widget has settled on
    // the page in view before this runs (it listens to the bar first).
    if (auto* beeld = Image1->findChild<QGraphicsView*>())
        connect(beeld->verticalScrollBar(), &QScrollBar::valueChanged, this,
                [this, balk = beeld->verticalScrollBar()] { VolgBeeld(*balk); });
    connect(cbZoom, &QComboBox::activated, this, [this](int) { cbZoomChange(); });
    connect(BtnNext, &QPushButton::clicked, this, [this] { BtnNextClick(); });
    connect(BtnPrevious, &QPushButton::clicked, this, [this] { BtnPreviousClick(); });
    connect(bPrint, &QPushButton::clicked, this, [this] { done(QDialog::Accepted); });
    connect(bQuit, &QPushButton::clicked, this, [this] { done(QDialog::Rejected); });
}

void TPrintPreview::Begin() {
    PageNumber = 1;
    BtnNext->setEnabled(PageCount > 1);
    BtnPrevious->setEnabled(false);
    UpdatePageLabel();
    cbZoom->setCurrentIndex(2);
    SetZoom(48);
    Image1->updatePreview();
    ToonPagina();
}

void TPrintPreview::SetZoom(int Z) {
    // The page shown stays the page shown: the view keeps its centre instead, which at the
    // end of the scroll may land a pixel short of it and so on the page before the last.
    {
        const QScopedValueRollback bladert(fBladert, true);
        Image1->setZoomFactor(Z / 96.0);
    }
    ToonPagina();
}

void TPrintPreview::UpdatePageLabel() {
    LblPage->setText(QStringLiteral("Voorbeeld: Pagina ") + QString::number(PageNumber) +
                     QStringLiteral(" van ") + QString::number(PageCount));
}

void TPrintPreview::cbZoomChange() {
    static constexpr int kZoom[] = {96, 72, 48, 24};
    const int i = cbZoom->currentIndex();
    if (i >= 0 && i < 4) SetZoom(kZoom[i]);
}

void TPrintPreview::BtnNextClick() {
    if (PageNumber >= PageCount) return;
    ++PageNumber;
    if (PageNumber == PageCount) BtnNext->setEnabled(false);
    BtnPrevious->setEnabled(true);
    UpdatePageLabel();
    ToonPagina();
}

void TPrintPreview::BtnPreviousClick() {
    if (PageNumber <= 1) return;
    --PageNumber;
    if (PageNumber == 1) BtnPrevious->setEnabled(false);
    BtnNext->setEnabled(true);
    UpdatePageLabel();
    ToonPagina();
}

void TPrintPreview::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // The window manager puts its frame around the window before it first exposes it.
    if (!fGetoond && windowHandle()) windowHandle()->installEventFilter(this);
}

bool TPrintPreview::eventFilter(QObject* object, QEvent* event) {
    if (!fGetoond && object == windowHandle() && event->type() == QEvent::Expose &&
        windowHandle()->isExposed()) {
        fGetoond = true;
        object->removeEventFilter(this);
        // Not while the window handles its expose.
        if (OnGetoond) QTimer::singleShot(0, this, OnGetoond);
    }
    return QDialog::eventFilter(object, event);
}

void TPrintPreview::ToonPagina() {
    // The page asked for stays the page shown, also where the view cannot scroll it to the
    // top (the last pages at a small zoom).
    const QScopedValueRollback bladert(fBladert, true);
    Image1->setCurrentPage(PageNumber);
}

void TPrintPreview::VolgBeeld(const QScrollBar& balk) {
    if (fBladert) return;
    // At either end of the scroll the first or the last page is the one in view, though at a
    // small zoom the page next to it may show more.
    const int pagina = balk.value() <= balk.minimum()   ? 1
                       : balk.value() >= balk.maximum() ? PageCount
                                                        : Image1->currentPage();
    PageNumber = std::clamp(pagina, 1, std::max(PageCount, 1));
    BtnPrevious->setEnabled(PageNumber > 1);
    BtnNext->setEnabled(PageNumber < PageCount);
    UpdatePageLabel();
}

// All pages at once, into the printer's preview; the window then shows them at any zoom
// without painting again.
void TPrintPreview::TekenPaginas(QPrinter* printer) {
    ++fTekenbeurten;
    Bewaakt(*fBerichten, [&] {
        QPainter painter;
        if (!painter.begin(printer)) return;
        const int dpiX = printer->logicalDpiX();
        const int dpiY = printer->logicalDpiY();
        TQtCanvas canvas(painter, TApparaat::Printer(dpiX, dpiY));
        const QRect bedrukbaar = printer->pageLayout().paintRectPixels(dpiX);
        canvas.PageWidth = bedrukbaar.width() * 1440 / dpiX;
        canvas.PageHeight = bedrukbaar.height() * 1440 / dpiY;
        for (int p = 1; p <= PageCount; ++p) {
            if (p > 1) printer->newPage();
            canvas.PageNumber = p;
            if (DrawMargins) {
                // The frame of the printable area, grey and dashed.
                const TCanvasPen pen = canvas.Pen;
                const TCanvasBrush brush = canvas.Brush;
                canvas.Pen = {0x808080, TPenStijl::Dash};
                canvas.Brush.SetClear();
                canvas.Rectangle(0, 0, canvas.PageWidth, canvas.PageHeight);
                canvas.Pen = pen;
                canvas.Brush = brush;
            }
            if (OnPaint) OnPaint(canvas, p);
        }
        painter.end();
    });
    ToonPagina();
}
