// One stock grid: a QTableWidget addressed as the farm rules address it, by (column, row)
// with row 0 the heading and rows 1..n the batches, plus the cell editor and the per-row
// companions (wet-by-product list, purchase box).
//
// - Cells written in code never reach the window's handlers (itemChanged is not used);
//   the window hears only what the user types, keystroke by keystroke (BijTypen).
// - An open cell editor follows a cell written in code, so its later commit cannot bring
//   back an old text.
// - A companion lives inside its row's cell, so it scrolls with the grid. Its own
//   visibility is the module's choice; the cell keeps showing through when it is hidden.
#pragma once

#include "VoorraadRekenen.h"

#include <QLineEdit>
#include <QPointer>
#include <QStyledItemDelegate>
#include <QTableWidget>

#include <functional>

// A companion of a grid row: the widget it carries takes the right-hand part of the row's
// cell in column Kolom, Breedte pixels wide (the check box its own width), and lets clicks
// through while hidden. It is anchored in the row's batch cell, which is never edited, so
// the cell it covers keeps its own editor.
class TRijMetgezel : public QWidget {
    Q_OBJECT
public:
    TRijMetgezel(QWidget* inhoud, int kolom, int breedte);
    QWidget* Inhoud() const { return fInhoud; }
    int Kolom() const { return fKolom; }
    void ZetZichtbaar(bool zichtbaar);
    // Where the companion sits within its cell.
    QRect Plaats(const QRect& cel) const;

private:
    QWidget* fInhoud;
    int fKolom;
    int fBreedte;
};

class TVoorraadGrid;

// The in-place editor of the cells: a line of at most 100 characters that reports every
// change the user makes.
class TCelDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    explicit TCelDelegate(TVoorraadGrid* grid);
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const override;
    bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                   const QModelIndex& index) override;

protected:
    // The editor stays open while another window (a message box) has the focus, so that
    // the user types on in the same cell when it comes back.
    bool eventFilter(QObject* object, QEvent* event) override;

private:
    TVoorraadGrid* fGrid;
};

class TVoorraadGrid : public QTableWidget, public TCellen {
    Q_OBJECT
public:
    // The grid of a stock moment (1 opening stock, 2 stock increase, 3 closing stock) and
    // feed kind (1..5) with its batch rows.
    TVoorraadGrid(int moment, int soort, QWidget* parent = nullptr);

    int Moment() const { return fMoment; }
    int Soort() const { return fSoort; }
    // The stock page it stands on (3..5).
    int Pagina() const { return fMoment + 2; }

    // Rows including the heading row 0.
    int RowCount() const override { return rowCount() + 1; }
    int ColCount() const { return columnCount(); }
    // Row 0 is the heading.
    QString Cells(int kolom, int rij) const override;
    void SetCells(int kolom, int rij, const QString& tekst);

    // The open cell editor, or nullptr.
    QLineEdit* Editor() const { return fEditor; }
    // Closes an open cell editor; the cell already holds what was typed.
    void SluitEditor();

    // Puts a companion into a row.
    void ZetMetgezel(int rij, TRijMetgezel* metgezel);

    // Runs on every change the user makes in a cell editor, with the editor's text.
    std::function<void(int kolom, int rij, const QString& tekst)> BijTypen;

    // Whether the grid shows its heading and a few rows only.
    bool Ingeklapt = true;

    // Column widths and the heights of the heading and of a row, in pixels.
    static constexpr int kBreedteBatch = 90;
    static constexpr int kBreedteOmschrijving = 210;
    static constexpr int kBreedteGetal = 65;
    int KopHoogte() const { return fKopHoogte; }
    int RegelHoogte() const { return fRegelHoogte; }

protected:
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;

private:
    friend class TCelDelegate;
    void EditorGemaakt(QLineEdit* editor, const QModelIndex& index);

    int fMoment;
    int fSoort;
    int fKopHoogte;
    int fRegelHoogte;
    QPointer<QLineEdit> fEditor;
};
