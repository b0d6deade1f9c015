// The program's main block: creates the windows in their fixed order, the start window
// first and the main window last, prepares the start window and runs the event loop.
#include "Automat.h"
#include "Bestandscommandos.h"
#include "Dump.h"
#include "Omgeving.h"
#include "Ondersteuning.h"
#include "PrintCommandos.h"
#include "Separator.h"
#include "Startup.h"
#include "Tarvolingrade_u.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    // Dates are written as "dd/MM/yyyy" with English month names wherever the program
    // shows one; no process-wide date setting is needed for that.
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tarvolingrade"));
    // The start window stays the main window while hidden: the program ends when a
    // window asks for it, not when the start window disappears behind the main window.
    QApplication::setQuitOnLastWindowClosed(false);

    const TOmgeving omgeving = TOmgeving::Standaard();

    TFrmStartup startup(omgeving.Berichten);
    FrmStartup = &startup;
    startup.show();

    // Settles the decimal sign before any number is shown or read: the machine's "." stays,
    // any other sign gives ",".
    TFrmSeparator separator(omgeving.Berichten, MachineDecimaalteken());
    FrmSeparator = &separator;

    TFrmAutomat automat(omgeving);

    TFrmHoofdFormulier hoofd(omgeving);
    FrmHoofdFormulier = &hoofd;
    KoppelBestanden(hoofd);
    KoppelSeparator(hoofd, separator);
    KoppelDump(hoofd);
    KoppelRapport(hoofd);
    TOndersteuning* ondersteuning = KoppelOndersteuning(hoofd);
    ondersteuning->KoppelStartvenster(startup);
    // The mail-out saves the farm first, with the File menu's own save.
    ondersteuning->Opslaan = [&hoofd] { return MitOpslaanClick(hoofd); };
    KoppelBatch(hoofd, automat);
    hoofd.OpenBestandVanOpdrachtregel(QApplication::arguments());

    startup.InitOpstart();
    const int resultaat = QApplication::exec();
    FrmHoofdFormulier = nullptr;
    FrmSeparator = nullptr;
    FrmStartup = nullptr;
    return resultaat;
}
