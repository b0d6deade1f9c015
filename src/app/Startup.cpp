#include "Startup.h"

#include <QLabel>
#include <QVBoxLayout>

TFrmStartup::TFrmStartup(QWidget* parent) : QWidget(parent) {
    setObjectName("FrmStartup");
    setWindowTitle("Tarvolingrade");
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel("Tarvolingrade dairy", this));
}
