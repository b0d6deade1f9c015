#include "TabBalk.h"

#include <QKeyEvent>
#include <QPainter>
#include <QResizeEvent>

QColor TabKleur(int pagina, const std::array<bool, 9>& tabbladOK) {
    if (pagina >= 0 && pagina < 9)
        return tabbladOK[static_cast<std::size_t>(pagina)] ? QColor(192, 220, 192) : QColor(255, 0, 0);
    return QColor(233, 248, 255);
}

TTabBalk::TTabBalk(QWidget* parent) : QTabBar(parent) {
    setFont(TabFont());
    setExpanding(false);
    setElideMode(Qt::ElideNone);
    setUsesScrollButtons(true);
    setDrawBase(false);
}

namespace {
// Room around a caption within its tab, in pixels: ample while the tabs fit, less when
// they must be narrowed.
constexpr int kRuim = 14;
constexpr int kKrap = 8;
// How far a font is narrowed (per cent of its width) before it is made smaller.
constexpr int kSmalste = 65;
constexpr int kKleinste = 8;
} // namespace

QFont TTabBalk::TabFont() const {
    QFont f = font();
    f.setBold(true);
    f.setPixelSize(12);
    return f;
}

QString TTabBalk::Opschrift(int index) const {
    QString tekst = tabText(index);
    while (tekst.endsWith(QLatin1Char(' ')))
        tekst.chop(1);
    return tekst;
}

int TTabBalk::Nodig(const QFont& f, int opvulling) const {
    const QFontMetrics fm(f);
    int breedte = 0;
    for (int i = 0; i < count(); ++i)
        if (isTabVisible(i)) breedte += fm.horizontalAdvance(Opschrift(i)) + opvulling;
    return breedte;
}

QFont TTabBalk::OpschriftFont() const {
    // The page control's width; the bar itself is only as wide as its tabs.
    const int beschikbaar = (parentWidget() ? parentWidget()->width() : width()) - 2;
    QString sleutel = QString::number(beschikbaar);
    for (int i = 0; i < count(); ++i)
        if (isTabVisible(i)) sleutel += QLatin1Char('|') + tabText(i);
    if (sleutel == fPassendVoor) return fPassend;

    QFont f = TabFont();
    fOpvulling = Nodig(f, kRuim) <= beschikbaar ? kRuim : kKrap;
    for (int rek = 100; rek > kSmalste && Nodig(f, fOpvulling) > beschikbaar; --rek)
        f.setStretch(rek - 1);
    for (int px = f.pixelSize(); px > kKleinste && Nodig(f, fOpvulling) > beschikbaar; --px)
        f.setPixelSize(px - 1);
    fPassend = f;
    fPassendVoor = sleutel;
    return f;
}

int TTabBalk::PaginaOpPositie(int positie) const {
    int pos = 0;
    for (int i = 0; i < count(); ++i) {
        if (!isTabVisible(i)) continue;
        if (pos == positie) return i;
        ++pos;
    }
    return -1;
}

void TTabBalk::TekenTab(int positie) {
    const int pagina = PaginaOpPositie(positie);
    if (pagina >= 0) update(tabRect(pagina));
}

QSize TTabBalk::tabSizeHint(int index) const {
    const QFontMetrics fm(OpschriftFont());
    // The height stays that of the full font, whatever the width asks for.
    return {fm.horizontalAdvance(Opschrift(index)) + fOpvulling, QFontMetrics(TabFont()).height() + 10};
}

void TTabBalk::paintEvent(QPaintEvent* /*event*/) {
    QPainter p(this);
    p.setFont(OpschriftFont());
    int positie = 0;
    for (int i = 0; i < count(); ++i) {
        if (!isTabVisible(i)) continue;
        const QRect r = tabRect(i);
        if (positie < static_cast<int>(fTabRects.size())) fTabRects[static_cast<std::size_t>(positie)] = r;
        ++positie;
        if (!r.isValid()) continue;
        const QRect binnen = r.adjusted(1, 1, -1, -1);
        p.fillRect(binnen, Kleur ? Kleur(i) : TabKleur(i, {}));
        if (i == currentIndex()) {
            // The active tab is framed so that it stands out from its neighbours.
            p.setPen(QPen(QColor(0, 0, 0), 1));
            p.drawRect(binnen.adjusted(0, 0, -1, -1));
        }
        p.setPen(isTabEnabled(i) ? QColor(0, 0, 0) : QColor(128, 128, 128));
        p.drawText(binnen, Qt::AlignCenter | Qt::TextSingleLine, Opschrift(i));
    }
}

void TTabBalk::mousePressEvent(QMouseEvent* event) {
    const TGebruiker gebruiker(this);
    QTabBar::mousePressEvent(event);
}

void TTabBalk::mouseReleaseEvent(QMouseEvent* event) {
    const TGebruiker gebruiker(this);
    QTabBar::mouseReleaseEvent(event);
}

void TTabBalk::keyPressEvent(QKeyEvent* event) {
    const TGebruiker gebruiker(this);
    QTabBar::keyPressEvent(event);
}

#if QT_CONFIG(wheelevent)
void TTabBalk::wheelEvent(QWheelEvent* event) {
    const TGebruiker gebruiker(this);
    QTabBar::wheelEvent(event);
}
#endif

TPaginaControle::TPaginaControle(QWidget* parent) : QTabWidget(parent), fBalk(new TTabBalk(this)) {
    setTabBar(fBalk);
}

void TPaginaControle::resizeEvent(QResizeEvent* event) {
    // The bar measures its tabs again for the new width before the page control places it.
    fBalk->setElideMode(fBalk->elideMode());
    QTabWidget::resizeEvent(event);
}

void TPaginaControle::keyPressEvent(QKeyEvent* event) {
    const TTabBalk::TGebruiker gebruiker(fBalk);
    QTabWidget::keyPressEvent(event);
}
