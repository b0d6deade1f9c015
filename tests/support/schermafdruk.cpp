// Types the example farm into the main window, enters its BEX result page and saves a
// picture of the window: the picture in the README. Run it on a real display (or Xvfb):
//   tarvo_schermafdruk docs/bex-result.png [page]
// A page number enters that page instead: 0..8 by showing it, 10..13 as the user does.
#include "Tarvolingrade_u.h"
#include "TestOmgeving.h"
#include "Voorbeeldbedrijf.h"

#include <QApplication>
#include <QImage>
#include <QPixmap>

#include <cstdio>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s picture.png [page]\n", argv[0]);
        return 2;
    }
    TTestOmgeving omg;
    TFrmHoofdFormulier w(omg.Omgeving());
    w.Afsluiten = [] {};
    w.show();
    QApplication::processEvents();
    const QString fout = TypVoorbeeldbedrijf(w);
    if (!fout.isEmpty()) {
        std::fprintf(stderr, "%s\n", fout.toLocal8Bit().constData());
        return 1;
    }
    const int pagina = argc > 2 ? QString::fromLocal8Bit(argv[2]).toInt() : 9;
    if (pagina >= 0 && pagina <= 8)
        w.ZetActievePagina(pagina);
    else
        KlikTab(w, pagina <= 13 ? pagina : 9);
    QApplication::processEvents();
    // The strongest compression keeps the picture small.
    const QImage beeld = w.grab().toImage().convertToFormat(QImage::Format_RGB888);
    if (!beeld.save(QString::fromLocal8Bit(argv[1]), "PNG", 0)) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
