// The page control of the main window with its owner-drawn tabs: each tab is filled with
// the colour of its page's state and carries its caption in bold, 12 pixels, centred on
// one line. Every shown tab fits the width of the page control, whole and without scroll
// arrows: when the captions are wider, their font is narrowed (a condensed face, then a
// narrower drawing of it) and, should that not do, made smaller.
#pragma once

#include <QColor>
#include <QTabBar>
#include <QTabWidget>

#include <array>
#include <functional>

// Light green for a valid input page, red for an invalid one, very light blue for the
// result and analysis pages. The colour follows the page, not the tab's position: a Qt
// tab keeps its index while it is hidden.
QColor TabKleur(int pagina, const std::array<bool, 9>& tabbladOK);

class TTabBalk : public QTabBar {
    Q_OBJECT
public:
    explicit TTabBalk(QWidget* parent = nullptr);

    // The state colour of a page; set by the window.
    std::function<QColor(int pagina)> Kleur;

    // The font the captions are drawn in now: bold, 12 pixels, as narrow as the width
    // of the page control asks for.
    QFont OpschriftFont() const;

    // The last rectangle in which each tab was drawn, by visible position.
    const std::array<QRect, 14>& TabRects() const { return fTabRects; }
    // The page shown at a visible position, or -1.
    int PaginaOpPositie(int positie) const;
    // Repaints the tab at a visible position.
    void TekenTab(int positie);

    // Whether the change of the current tab now under way is the user's own (a click, a
    // key or the wheel on the tabs). A page set by code is no user's choice: the rules of
    // the page navigation leave it alone.
    bool DoorGebruiker() const { return fGebruiker > 0; }
    // Marks what runs inside as the user's own change (the page control's keys).
    class TGebruiker {
    public:
        explicit TGebruiker(TTabBalk* balk) : fBalk(balk) { ++fBalk->fGebruiker; }
        ~TGebruiker() { --fBalk->fGebruiker; }
        TGebruiker(const TGebruiker&) = delete;
        TGebruiker& operator=(const TGebruiker&) = delete;

    private:
        TTabBalk* fBalk;
    };

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
#if QT_CONFIG(wheelevent)
    void wheelEvent(QWheelEvent* event) override;
#endif
    QSize tabSizeHint(int index) const override;
    QSize minimumTabSizeHint(int index) const override {
        return tabSizeHint(index);
    }

private:
    QFont TabFont() const;
    // The caption as drawn: without the blanks at its end, which only widen the tab.
    QString Opschrift(int index) const;
    // The width the shown tabs take in font f with room opvulling around each caption.
    int Nodig(const QFont& f, int opvulling) const;
    std::array<QRect, 14> fTabRects{};
    // The fitted font and what it was fitted to: the width and the shown captions.
    mutable QFont fPassend;
    mutable int fOpvulling = 14;
    mutable QString fPassendVoor;
    int fGebruiker = 0;
};

class TPaginaControle : public QTabWidget {
    Q_OBJECT
public:
    explicit TPaginaControle(QWidget* parent = nullptr);
    TTabBalk* TabBalk() const { return fBalk; }

protected:
    // Ctrl+Tab and its kin change the page as the user's choice.
    void keyPressEvent(QKeyEvent* event) override;
    // The tabs are fitted to the new width.
    void resizeEvent(QResizeEvent* event) override;

private:
    TTabBalk* fBalk;
};
