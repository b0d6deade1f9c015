// Guards of a long action: the wait cursor and a disabled widget for as long as the guard
// lives, also when an exception ends the action. The calculation driver and the report
// use them.
#pragma once

#include <QGuiApplication>
#include <QPointer>
#include <QWidget>

// The wait cursor while it lives.
class TWachtCursor {
public:
    TWachtCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~TWachtCursor() { QGuiApplication::restoreOverrideCursor(); }
    TWachtCursor(const TWachtCursor&) = delete;
    TWachtCursor& operator=(const TWachtCursor&) = delete;
};

// A widget disabled while it lives (nothing for nullptr or a widget that is gone).
class TUitgeschakeld {
public:
    explicit TUitgeschakeld(QWidget* w) : fWidget(w) {
        if (fWidget) fWidget->setEnabled(false);
    }
    ~TUitgeschakeld() {
        if (fWidget) fWidget->setEnabled(true);
    }
    TUitgeschakeld(const TUitgeschakeld&) = delete;
    TUitgeschakeld& operator=(const TUitgeschakeld&) = delete;

private:
    QPointer<QWidget> fWidget;
};
