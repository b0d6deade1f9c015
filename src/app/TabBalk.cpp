#include "TabBalk.h"

#include <QKeyEvent>
#include <QPainter>

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

QFont TTabBalk::TabFont() const {
    QFont f = font();
    f.setBold(true);
    f.setPixelSize(12);
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
    const QFontMetrics fm(TabFont());
    return {fm.horizontalAdvance(tabText(index)) + 14, fm.height() + 10};
}

void TTabBalk::paintEvent(QPaintEvent* /*event*/) {
    QPainter p(this);
    p.setFont(TabFont());
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
        p.drawText(binnen, Qt::AlignCenter | Qt::TextSingleLine, tabText(i));
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

void TPaginaControle::keyPressEvent(QKeyEvent* event) {
    const TTabBalk::TGebruiker gebruiker(fBalk);
    QTabWidget::keyPressEvent(event);
}
