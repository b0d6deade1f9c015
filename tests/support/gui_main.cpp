// The main of every GUI test program: an offscreen QApplication (unless a platform was
// chosen), then the tests. A watchdog closes any modal window a test leaves waiting and
// fails that test, so no test can hang on a dialog. A window is left waiting when it is
// still open at the next look: a test that closes a real box itself takes much less.
#include <gtest/gtest.h>

#include <QApplication>
#include <QPointer>
#include <QStandardPaths>
#include <QTimer>
#include <QWidget>

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tarvolingrade"));
    ::testing::InitGoogleTest(&argc, argv);

    QTimer waakhond;
    QPointer<QWidget> gezien;
    QObject::connect(&waakhond, &QTimer::timeout, [&gezien] {
        QWidget* w = QApplication::activeModalWidget();
        if (w && w == gezien) {
            ADD_FAILURE() << "A modal window was left open: " << w->windowTitle().toStdString();
            w->close();
            w = nullptr;
        }
        gezien = w;
    });
    waakhond.start(250);
    return RUN_ALL_TESTS();
}
