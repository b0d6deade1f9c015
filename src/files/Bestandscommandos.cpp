#include "Bestandscommandos.h"

#include "BestandVenster.h"
#include "Boerderijbestand.h"
#include "FilehistMenu.h"
#include "Getallen.h"
#include "IniBestand.h"
#include "NumEdit.h"
#include "Tarvolingrade_u.h"
#include "Vervangen.h"
#include "VoorraadGrid.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollArea>
#include <QToolButton>

#include <cerrno>
#include <span>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
const QString kSectieHistorie = QStringLiteral("BestandHistorie");
constexpr int kInvoegPositie = 12; // just before "&Close"

// The question before New and Open: asked only after an edit since the last save or
// read. Yes saves first; a failed or cancelled save stops the command.
TAntwoord VraagBijWijziging(TFrmHoofdFormulier& w) {
    if (!w.Gewijzigd) return TAntwoord::Nee;
    const TAntwoord a =
        w.Berichten().Vraag(QStringLiteral("Save file ") + w.BestandNaam + QStringLiteral("?"));
    if (a == TAntwoord::Ja) return MitOpslaanClick(w) ? TAntwoord::Ja : TAntwoord::Annuleren;
    return a == TAntwoord::Nee ? TAntwoord::Nee : TAntwoord::Annuleren;
}

// The description as a file name: "/", "-", "\", "." and "," become "_".
QString VoorgesteldeNaam(QString omschrijving) {
    for (const QChar c : {QChar('/'), QChar('-'), QChar('\\'), QChar('.'), QChar(',')})
        omschrijving.replace(c, QChar('_'));
    return omschrijving + QStringLiteral(".trv");
}

void FhmBestandHistorieClick(TFrmHoofdFormulier& w, TKtFilehistMenu& fhm, const QString& naam) {
    if (!QFileInfo(naam).isFile()) return;
    if (VraagBijWijziging(w) == TAntwoord::Annuleren) {
        // The farm stays open, so the file stays a recent one.
        fhm.AddFile(naam);
        return;
    }
    LeesBestand(w, naam);
}

// The user's own edits mark the farm as changed: typing, choosing from a list, clicking a
// radio button or check box, typing in a grid, clearing or copying a grid. What code sets
// (the reader, the reset, a batch run) does not.
void VolgWijzigingen(TFrmHoofdFormulier& w) {
    const auto gewijzigd = [&w] { w.Gewijzigd = true; };
    for (int p = 0; p < 9; ++p) {
        QWidget* inhoud = w.ScrollBoxen[static_cast<std::size_t>(p)]->widget();
        for (NumEdit* e : inhoud->findChildren<NumEdit*>())
            QObject::connect(e, &NumEdit::edited, &w, gewijzigd);
        for (QLineEdit* e : inhoud->findChildren<QLineEdit*>())
            QObject::connect(e, &QLineEdit::textEdited, &w, gewijzigd);
        for (QComboBox* c : inhoud->findChildren<QComboBox*>())
            QObject::connect(c, &QComboBox::activated, &w, gewijzigd);
        for (QAbstractButton* b : inhoud->findChildren<QAbstractButton*>())
            if (qobject_cast<QRadioButton*>(b) || qobject_cast<QCheckBox*>(b))
                QObject::connect(b, &QAbstractButton::clicked, &w, gewijzigd);
    }
    for (int m = 1; m <= 3; ++m)
        for (int k = 1; k <= 5; ++k) {
            for (QToolButton* b : {w.BtnWissen[m][k], w.BtnKopie[m][k]})
                QObject::connect(b, &QToolButton::clicked, &w, gewijzigd);
            TVoorraadGrid* grid = w.VoorraadGrids[m][k];
            grid->BijTypen = [vorige = grid->BijTypen, &w](int kolom, int rij, const QString& tekst) {
                w.Gewijzigd = true;
                if (vorige) vorige(kolom, rij, tekst);
            };
        }
}
} // namespace

TGeopend OpenGewoonBestand(QFile& f, const QString& naam, QIODevice::OpenMode modus) {
    TGeopend uitslag;
    const QByteArray pad = QFile::encodeName(naam);
    struct stat st {};
    // A FIFO or device is not even opened when it is known beforehand.
    if (::stat(pad.constData(), &st) == 0 && !S_ISREG(st.st_mode)) {
        uitslag.GeenBestand = true;
        uitslag.Fout = GeenGewoonBestand(st.st_mode);
        return uitslag;
    }
    const bool toevoegen = modus.testFlag(QIODevice::Append);
    // Without waiting: opening a FIFO would block until its other end is opened.
    const int vlaggen = (toevoegen ? O_WRONLY | O_APPEND : O_RDONLY) | O_NONBLOCK | O_CLOEXEC;
    int fd = ::open(pad.constData(), vlaggen);
    if (fd < 0 && errno == ENOENT && toevoegen) {
        fd = ::open(pad.constData(), vlaggen | O_CREAT | O_EXCL, 0666);
        uitslag.Gemaakt = fd >= 0;
    }
    if (fd < 0) {
        uitslag.Fout = qt_error_string(errno);
        return uitslag;
    }
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        uitslag.GeenBestand = true;
        uitslag.Fout = GeenGewoonBestand(st.st_mode);
        return uitslag;
    }
    // A regular file never waits anyway; reads and writes go on as usual.
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    if (!f.open(fd, modus, QFileDevice::AutoCloseHandle)) {
        uitslag.Fout = f.errorString();
        ::close(fd);
        return uitslag;
    }
    uitslag.Open = true;
    return uitslag;
}

TKtFilehistMenu* BestandHistorie(TFrmHoofdFormulier& w) {
    return w.findChild<TKtFilehistMenu*>(QStringLiteral("FhmBestandHistorie"), Qt::FindDirectChildrenOnly);
}

void KoppelBestanden(TFrmHoofdFormulier& w) {
    const auto bind = [&w](QAction* a, auto handler) {
        a->setEnabled(true);
        QObject::connect(a, &QAction::triggered, &w, [&w, handler] { w.Bewaak([&] { handler(w); }); });
    };
    bind(w.MitNieuw, [](TFrmHoofdFormulier& v) { MitNieuwClick(v); });
    bind(w.MitOpenen, [](TFrmHoofdFormulier& v) { MitOpenenClick(v); });
    bind(w.MitOpslaan, [](TFrmHoofdFormulier& v) { MitOpslaanClick(v); });
    bind(w.MitOpslaanals, [](TFrmHoofdFormulier& v) { MitOpslaanalsClick(v); });

    auto* fhm = new TKtFilehistMenu(&w);
    fhm->setObjectName(QStringLiteral("FhmBestandHistorie"));
    fhm->SetBestandMenu(w.MitBestand);
    fhm->SetInvoegPositie(kInvoegPositie);
    fhm->OnClick = [&w](TKtFilehistMenu* Sender, const QString& naam) {
        w.Bewaak([&] { FhmBestandHistorieClick(w, *Sender, naam); });
    };
    fhm->LoadFromIni(TIniBestand(w.IniBestand), kSectieHistorie);

    w.Haken.LeesBestand = [&w](const QString& naam) { LeesBestand(w, naam); };
    w.Haken.MagSluiten = [&w, vorige = w.Haken.MagSluiten] {
        if (vorige && !vorige()) return false;
        return VraagOpslaan(w) != TAntwoord::Annuleren;
    };
    w.Haken.BijSluiten = [&w, fhm, vorige = w.Haken.BijSluiten] {
        if (vorige) vorige();
        fhm->AddFile(w.BestandNaam);
        TIniBestand ini(w.IniBestand);
        fhm->SaveToIni(ini, kSectieHistorie);
    };
    VolgWijzigingen(w);
}

void ZetTitel(TFrmHoofdFormulier& w, const QString& naam) {
    QString titel = w.windowTitle();
    const qsizetype streep = titel.indexOf(QStringLiteral(" - "));
    if (streep >= 0) titel.truncate(streep);
    if (!naam.isEmpty()) titel += QStringLiteral(" - ") + QFileInfo(naam).fileName().toLower();
    w.setWindowTitle(titel);
}

void MitNieuwClick(TFrmHoofdFormulier& w) {
    if (VraagBijWijziging(w) == TAntwoord::Annuleren) return;
    w.NieuwBedrijf();
    if (TKtFilehistMenu* fhm = BestandHistorie(w)) fhm->AddFile(w.BestandNaam);
    w.BestandNaam.clear();
    ZetTitel(w, QString());
    w.Opgeslagen = false;
    w.Gewijzigd = false;
}

void MitOpenenClick(TFrmHoofdFormulier& w) {
    if (VraagBijWijziging(w) == TAntwoord::Annuleren) return;
    TBestandKeuze keuze;
    keuze.Titel = QStringLiteral("Openen");
    keuze.Filter = QStringLiteral("trv-bestand (*.trv);;alle bestanden (*)");
    keuze.StandaardExtensie = QStringLiteral("trv");
    if (!w.BestandNaam.isEmpty()) keuze.Map = QFileInfo(w.BestandNaam).absolutePath();
    const QString naam = w.Omgeving().Dialogen->Open(&w, keuze);
    if (!naam.isEmpty()) LeesBestand(w, naam);
}

bool MitOpslaanClick(TFrmHoofdFormulier& w) {
    if (!w.BestandNaam.isEmpty()) return SchrijfBestand(w, w.BestandNaam);
    return MitOpslaanalsClick(w);
}

bool MitOpslaanalsClick(TFrmHoofdFormulier& w) {
    TBestandKeuze keuze;
    keuze.Titel = QStringLiteral("Opslaan als");
    keuze.Filter = QStringLiteral("trv-bestand (*.trv)");
    keuze.StandaardExtensie = QStringLiteral("trv");
    keuze.BevestigOverschrijven = true;
    if (!w.BestandNaam.isEmpty()) {
        const QFileInfo huidig(w.BestandNaam);
        keuze.Map = huidig.absolutePath();
        keuze.Naam = huidig.fileName();
    }
    const QString omschrijving = w.EdtOmschrijving->text();
    if (!omschrijving.isEmpty()) keuze.Naam = VoorgesteldeNaam(omschrijving);
    // A cancelled dialog leaves the current name as it was.
    const QString naam = w.Omgeving().Dialogen->Opslaan(&w, keuze);
    if (naam.isEmpty()) return false;
    return SchrijfBestand(w, naam);
}

bool SchrijfBestand(TFrmHoofdFormulier& w, const QString& naam) {
    const std::vector<std::uint8_t> bytes = CodeerBestand(VerzamelBestand(w));
    // The old file is replaced only by a complete new one.
    const TVervangUitslag uitslag =
        VervangBestand(naam, QByteArray::fromRawData(reinterpret_cast<const char*>(bytes.data()),
                                                     static_cast<qsizetype>(bytes.size())));
    if (uitslag.Uitkomst != TVervangen::Gelukt) {
        w.Berichten().Fout(VervangMelding(uitslag.Uitkomst == TVervangen::Schrijffout
                                              ? QStringLiteral("Stream write error")
                                              : QStringLiteral("Cannot create file ") + naam,
                                          naam, uitslag));
        return false;
    }
    w.BestandNaam = naam;
    ZetTitel(w, naam);
    w.Opgeslagen = true;
    w.Gewijzigd = false;
    return true;
}

bool LeesBestand(TFrmHoofdFormulier& w, const QString& naam) {
    QFile f;
    if (!OpenGewoonBestand(f, naam, QIODevice::ReadOnly).Open) {
        w.Berichten().Fout(QStringLiteral("Cannot open file ") + naam);
        return false;
    }
    const QByteArray inhoud = f.read(static_cast<qint64>(kMaxBestandGrootte));
    if (f.error() != QFileDevice::NoError) {
        w.Berichten().Fout(QStringLiteral("Stream read error"));
        return false;
    }
    f.close();
    // The whole file is decoded and checked before anything of the open farm changes.
    TBoerderijBestand bestand;
    try {
        bestand = DecodeerBestand(std::span(reinterpret_cast<const std::uint8_t*>(inhoud.constData()),
                                            static_cast<std::size_t>(inhoud.size())),
                                  DecimalSeparator());
        ControleerBestand(w, bestand);
    } catch (const TBestandFout& e) {
        w.Berichten().Fout(QString::fromUtf8(e.what()));
        return false;
    }

    w.InitInvoer();
    if (TKtFilehistMenu* fhm = BestandHistorie(w)) fhm->AddFile(w.BestandNaam);
    w.BestandNaam = naam;
    ZetTitel(w, naam);
    PasBestandToe(w, bestand);
    w.Gewijzigd = false;
    return true;
}

TAntwoord VraagOpslaan(TFrmHoofdFormulier& w) {
    if (w.Opgeslagen && !w.Gewijzigd) return TAntwoord::Nee;
    const TAntwoord a =
        w.Berichten().Vraag(QStringLiteral("Save file ") + w.BestandNaam + QStringLiteral("?"));
    switch (a) {
    case TAntwoord::Ja:
        return MitOpslaanClick(w) ? TAntwoord::Ja : TAntwoord::Annuleren;
    case TAntwoord::Nee:
        // No settles the question until the next new farm.
        w.Opgeslagen = true;
        w.Gewijzigd = false;
        return TAntwoord::Nee;
    default:
        return TAntwoord::Annuleren;
    }
}
