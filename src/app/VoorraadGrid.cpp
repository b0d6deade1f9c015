#include "VoorraadGrid.h"

#include <QFocusEvent>
#include <QHeaderView>
#include <QHelpEvent>
#include <QLineEdit>
#include <QResizeEvent>
#include <QToolTip>

#include <algorithm>

namespace {
// A widget that places its one child over its whole area, without a layout (a layout
// would impose the child's minimum size on a cell that is lower than it).
class TVuller : public QObject {
public:
    TVuller(QWidget* ouder, QWidget* kind) : QObject(ouder), fKind(kind) { ouder->installEventFilter(this); }
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::Resize)
            fKind->setGeometry(QRect(QPoint(0, 0), static_cast<QWidget*>(o)->size()));
        return false;
    }

private:
    QWidget* fKind;
};
} // namespace

TRijMetgezel::TRijMetgezel(QWidget* inhoud, int kolom, int breedte)
    : fInhoud(inhoud), fKolom(kolom), fBreedte(breedte) {
    fInhoud->setParent(this);
    new TVuller(this, fInhoud);
}

void TRijMetgezel::ZetZichtbaar(bool zichtbaar) {
    fInhoud->setVisible(zichtbaar);
    // While the companion is hidden, a click reaches the cell underneath.
    setAttribute(Qt::WA_TransparentForMouseEvents, !zichtbaar);
}

QRect TRijMetgezel::Plaats(const QRect& cel) const {
    const int breedte = std::min(fBreedte > 0 ? fBreedte : fInhoud->sizeHint().width(), cel.width());
    return {cel.right() - breedte + 1, cel.top(), breedte, cel.height()};
}

TCelDelegate::TCelDelegate(TVoorraadGrid* grid) : QStyledItemDelegate(grid), fGrid(grid) {}

QWidget* TCelDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& /*option*/,
                                    const QModelIndex& index) const {
    auto* editor = new QLineEdit(parent);
    editor->setFrame(false);
    // A cell holds at most 100 characters (the farm file's cell size).
    editor->setMaxLength(100);
    fGrid->EditorGemaakt(editor, index);
    return editor;
}

void TCelDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    auto* regel = qobject_cast<QLineEdit*>(editor);
    if (!regel) return QStyledItemDelegate::setEditorData(editor, index);
    // Each keystroke is written into the cell at once; setting the same text again would
    // move the cursor to the end.
    const QString tekst = index.data(Qt::EditRole).toString();
    if (regel->text() != tekst) regel->setText(tekst);
}

void TCelDelegate::updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                                        const QModelIndex& index) const {
    if (auto* metgezel = qobject_cast<TRijMetgezel*>(editor))
        metgezel->setGeometry(metgezel->Plaats(fGrid->visualRect(index.siblingAtColumn(metgezel->Kolom()))));
    else
        QStyledItemDelegate::updateEditorGeometry(editor, option, index);
}

bool TCelDelegate::helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                             const QModelIndex& index) {
    // The grid's hint follows the selected column and is shown over every cell.
    if (event->type() == QEvent::ToolTip) {
        if (view->toolTip().isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(event->globalPos(), view->toolTip(), view);
        return true;
    }
    return QStyledItemDelegate::helpEvent(event, view, option, index);
}

bool TCelDelegate::eventFilter(QObject* object, QEvent* event) {
    if (event->type() == QEvent::FocusOut &&
        static_cast<QFocusEvent*>(event)->reason() == Qt::ActiveWindowFocusReason) {
        auto* editor = qobject_cast<QWidget*>(object);
        if (editor && !editor->isActiveWindow()) return false;
    }
    return QStyledItemDelegate::eventFilter(object, event);
}

TVoorraadGrid::TVoorraadGrid(int moment, int soort, QWidget* parent)
    : QTableWidget(BatchRegels(soort), kGridKolommen, parent), fMoment(moment), fSoort(soort) {
    setProperty("tag", soort);
    setItemDelegate(new TCelDelegate(this));

    const QFontMetrics fm(font());
    fRegelHoogte = fm.height() + 8;
    fKopHoogte = 3 * fm.height() + 6;
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setDefaultSectionSize(fRegelHoogte);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setMinimumSectionSize(1);
    // Long headings wrap onto a second line.
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter |
                                            Qt::Alignment::fromInt(Qt::TextWordWrap));
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setSectionsClickable(false);
    horizontalHeader()->setFixedHeight(fKopHoogte);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::SelectedClicked |
                    QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed);
    setWordWrap(false);
    setCornerButtonEnabled(false);

    for (int c = 0; c < kGridKolommen; ++c)
        setHorizontalHeaderItem(c, new QTableWidgetItem);
    for (int r = 0; r < rowCount(); ++r)
        for (int c = 0; c < kGridKolommen; ++c) {
            auto* cel = new QTableWidgetItem;
            if (c == kKolBatch || c == kKolVre)
                cel->setFlags(Qt::ItemIsEnabled);
            else
                cel->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable);
            setItem(r, c, cel);
        }
    setColumnHidden(kKolVre, true);
}

QString TVoorraadGrid::Cells(int kolom, int rij) const {
    if (rij == 0) {
        const QTableWidgetItem* kop = horizontalHeaderItem(kolom);
        return kop ? kop->text() : QString();
    }
    const QTableWidgetItem* cel = item(rij - 1, kolom);
    return cel ? cel->text() : QString();
}

void TVoorraadGrid::SetCells(int kolom, int rij, const QString& tekst) {
    // Written in code: no itemChanged; the view and an open editor still follow.
    const QSignalBlocker stil(this);
    if (rij == 0) {
        if (QTableWidgetItem* kop = horizontalHeaderItem(kolom)) kop->setText(tekst);
        return;
    }
    if (QTableWidgetItem* cel = item(rij - 1, kolom))
        if (cel->text() != tekst) cel->setText(tekst);
}

void TVoorraadGrid::EditorGemaakt(QLineEdit* editor, const QModelIndex& index) {
    fEditor = editor;
    const QPersistentModelIndex cel(index);
    connect(editor, &QLineEdit::textEdited, this, [this, cel](const QString& tekst) {
        if (BijTypen && cel.isValid()) BijTypen(cel.column(), cel.row() + 1, tekst);
    });
}

void TVoorraadGrid::SluitEditor() {
    if (QLineEdit* editor = fEditor) closeEditor(editor, QAbstractItemDelegate::NoHint);
}

void TVoorraadGrid::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) {
    if (editor == fEditor) fEditor = nullptr;
    QTableWidget::closeEditor(editor, hint);
}

void TVoorraadGrid::ZetMetgezel(int rij, TRijMetgezel* metgezel) {
    setIndexWidget(model()->index(rij - 1, kKolBatch), metgezel);
}
