#include "Startup.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    TFrmStartup FrmStartup;
    FrmStartup.show();
    return app.exec();
}
