#include "StaticText.h"

#include <QMouseEvent>

StaticText::StaticText(const QString& text, QWidget* parent) : QLabel(text, parent) {}

void StaticText::setLink(bool link) {
    fLink = link;
    QFont f = font();
    f.setUnderline(link);
    setFont(f);
    if (link)
        setCursor(Qt::PointingHandCursor);
    else
        unsetCursor();
}

void StaticText::mouseReleaseEvent(QMouseEvent* event) {
    QLabel::mouseReleaseEvent(event);
    if (fLink && isEnabled() && event->button() == Qt::LeftButton &&
        rect().contains(event->position().toPoint()))
        emit clicked();
}
