#include "HeleGetallen.h"

#include "StaticText.h"

#include <QEvent>
#include <QLabel>
#include <QPainter>
#include <QStyle>

namespace {
// Set on a label while its tool tip is the whole figure this code put there.
constexpr auto kVolTekst = "tarvoVolTekst";

QRect TekstRuimte(const QLabel* l) {
    QRect r = l->contentsRect().adjusted(l->margin(), l->margin(), -l->margin(), -l->margin());
    const int inspringen = l->indent() > 0 ? l->indent() : 0;
    if (l->alignment() & Qt::AlignRight)
        r.setRight(r.right() - inspringen);
    else if (l->alignment() & Qt::AlignLeft)
        r.setLeft(r.left() + inspringen);
    return r;
}

class THeleGetallen : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() != QEvent::Paint) return false;
        auto* l = qobject_cast<QLabel*>(o);
        if (!l || l->text().isEmpty() || l->textFormat() == Qt::RichText) return false;
        const bool past = TekstPast(l);
        // The tool tip follows the text: the whole figure while it is elided.
        if (!past) {
            l->setToolTip(l->text());
            l->setProperty(kVolTekst, true);
        } else if (l->property(kVolTekst).toBool()) {
            l->setToolTip(QString());
            l->setProperty(kVolTekst, false);
        }
        if (past) return false;
        QPainter p(l);
        const QRect r = TekstRuimte(l);
        p.setPen(
            l->palette().color(l->isEnabled() ? QPalette::Active : QPalette::Disabled, l->foregroundRole()));
        p.drawText(r, static_cast<int>(l->alignment()) | Qt::TextSingleLine,
                   l->fontMetrics().elidedText(l->text(), Qt::ElideRight, r.width()));
        return true;
    }
};
} // namespace

bool TekstPast(const QLabel* label) {
    return label->fontMetrics().horizontalAdvance(label->text()) <= TekstRuimte(label).width();
}

void HoudGetallenHeel(QWidget* inhoud) {
    auto* wachter = new THeleGetallen(inhoud);
    for (QLabel* l : inhoud->findChildren<QLabel*>())
        if (!qobject_cast<StaticText*>(l) && !l->wordWrap()) l->installEventFilter(wachter);
}
