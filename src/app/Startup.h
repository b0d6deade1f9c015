// The program's first window.
#pragma once

#include <QWidget>

class TFrmStartup : public QWidget {
    Q_OBJECT
public:
    explicit TFrmStartup(QWidget* parent = nullptr);
};
