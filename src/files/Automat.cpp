#include "Automat.h"

#include "Bestandscommandos.h"
#include "StaticText.h"
#include "Tarvolingrade_u.h"
#include "Windows1252.h"

#include "Getallen.h"

#include <QAction>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <stdexcept>

namespace {
// The input name with its extension replaced (or one added), as the output and dump files
// are named.
QString MetExtensie(const QString& naam, const char* extensie) {
    const qsizetype punt = naam.lastIndexOf(QLatin1Char('.'));
    const qsizetype map = std::max(naam.lastIndexOf(QLatin1Char('/')), naam.lastIndexOf(QLatin1Char('\\')));
    return (punt > map ? naam.left(punt) : naam) + QLatin1String(extensie);
}
} // namespace

std::string TabelInhoud(const QByteArray& bytes) {
    // Spreadsheet programs put a byte-order mark before the header.
    const QByteArrayView inhoud = bytes.startsWith("\xEF\xBB\xBF") ? QByteArrayView(bytes).sliced(3) : bytes;
    // Not UTF-8: written by this program (a dump) or by a Windows program.
    if (!inhoud.isValidUtf8())
        return VanWindows1252(std::string_view(inhoud.data(), static_cast<std::size_t>(inhoud.size())));
    return {inhoud.data(), static_cast<std::size_t>(inhoud.size())};
}

QString TabelTekst(const std::string& tekst) {
    return QString::fromStdString(KortAf(tekst));
}

QString VeiligeNaam(const QString& naam, int nummer) {
    // Cut to 200 bytes, which leaves room within a file name's 255 for " (n)" and the
    // extension.
    constexpr std::size_t kMaxBytes = 200;
    const std::string volledig = naam.toStdString();
    std::string kort = KortAf(volledig, kMaxBytes);
    for (std::size_t n = kMaxBytes - 1; kort.size() > kMaxBytes; --n)
        kort = KortAf(volledig, n);
    QString veilig = QString::fromStdString(kort);
    for (QChar& c : veilig)
        if (c == QLatin1Char('/') || c == QLatin1Char('\\') || c == QLatin1Char(':') ||
            c.category() == QChar::Other_Control)
            c = QLatin1Char('_');
    if (veilig.isEmpty()) veilig = QStringLiteral("Bedrijf ") + QString::number(nummer);
    return veilig;
}

TFrmAutomat::TFrmAutomat(TOmgeving omgeving, QWidget* parent)
    : QDialog(parent), fOmgeving(std::move(omgeving)) {
    if (!fOmgeving.Berichten) fOmgeving.Berichten = std::make_shared<TQtBerichten>();
    if (!fOmgeving.Dialogen) fOmgeving.Dialogen = std::make_shared<TQtBestandDialogen>();
    setObjectName(QStringLiteral("FrmAutomat"));
    setWindowTitle(QStringLiteral("Verwerken invoerbestand"));
    setModal(true);

    const auto label = [this](const char* naam) {
        auto* l = new QLabel(this);
        l->setObjectName(QLatin1String(naam));
        l->setTextInteractionFlags(Qt::TextSelectableByMouse);
        return l;
    };
    const auto statisch = [this](const char* naam, const char* tekst) {
        auto* s = new StaticText(QString::fromUtf8(tekst), this);
        s->setObjectName(QLatin1String(naam));
        return s;
    };
    const auto knop = [this](const char* naam, const char* tekst) {
        auto* b = new QPushButton(QString::fromUtf8(tekst), this);
        b->setObjectName(QLatin1String(naam));
        b->setAutoDefault(false);
        return b;
    };
    LblBestandIn = label("LblBestandIn");
    LblMelding1 = label("LblMelding1");
    LblBestandOut = label("LblBestandOut");
    LblDumpFile = label("LblDumpFile");
    SttIn = statisch("SttIn", "Invoerbestand:");
    SttOut = statisch("SttOut", "Uitvoerbestand:");
    SttDmp = statisch("SttDmp", "Dumpfile:");
    BtnBestand = knop("BtnBestand", "Open bestand");
    BtnVerwerken = knop("BtnVerwerken", "Verwerk bestand");
    BtnSluiten = knop("BtnSluiten", "Sluiten");
    LstAutomat = new QListWidget(this);
    LstAutomat->setObjectName(QStringLiteral("LstAutomat"));
    // A run adds thousands of lines: uniform rows keep that cheap.
    LstAutomat->setUniformItemSizes(true);

    auto* namen = new QGridLayout;
    namen->addWidget(SttIn, 0, 0);
    namen->addWidget(LblBestandIn, 0, 1);
    namen->addWidget(SttOut, 1, 0);
    namen->addWidget(LblBestandOut, 1, 1);
    namen->addWidget(SttDmp, 2, 0);
    namen->addWidget(LblDumpFile, 2, 1);
    namen->setColumnStretch(1, 1);
    auto* knoppen = new QHBoxLayout;
    knoppen->addWidget(BtnBestand);
    knoppen->addWidget(BtnVerwerken);
    knoppen->addStretch();
    knoppen->addWidget(BtnSluiten);
    auto* kolom = new QVBoxLayout(this);
    kolom->addLayout(namen);
    kolom->addWidget(LblMelding1);
    kolom->addWidget(LstAutomat, 1);
    kolom->addLayout(knoppen);
    resize(560, 420);

    connect(BtnBestand, &QPushButton::clicked, this, [this] { Bewaak([this] { BtnBestandClick(); }); });
    connect(BtnVerwerken, &QPushButton::clicked, this, [this] { Bewaak([this] { BtnVerwerkenClick(); }); });
    connect(BtnSluiten, &QPushButton::clicked, this, &QDialog::reject);
}

void TFrmAutomat::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    Bewaak([this] { FormShow(); });
}

void TFrmAutomat::done(int r) {
    Bewaak([this] { FormClose(); });
    QDialog::done(r);
}

void TFrmAutomat::FormShow() {
    InBestand.clear();
    UitBestand.clear();
    DumpBestand.clear();
    LblBestandIn->clear();
    LblBestandOut->clear();
    LblDumpFile->clear();
    LblMelding1->clear();
    SttIn->setVisible(false);
    SttOut->setVisible(false);
    SttDmp->setVisible(false);
    LblBestandOut->setVisible(false);
    Plannen.clear();
    LstAutomat->clear();
}

void TFrmAutomat::FormClose() {
    // From here on the main window sees no batch in progress.
    Plannen.clear();
}

void TFrmAutomat::BtnBestandClick() {
    InBestand.clear();
    UitBestand.clear();
    DumpBestand.clear();
    LblMelding1->clear();
    SttIn->setVisible(false);
    LblBestandOut->setVisible(false);
    LblDumpFile->setVisible(false);
    TBestandKeuze keuze;
    keuze.Titel = QStringLiteral("Openen");
    keuze.Filter = QStringLiteral("inv-bestand (*.inv);;alle bestanden (*)");
    keuze.StandaardExtensie = QStringLiteral("inv");
    const QString gekozen = fOmgeving.Dialogen->Open(this, keuze);
    if (gekozen.isEmpty()) return;
    SttIn->setVisible(true);
    InBestand = gekozen;
    UitBestand = MetExtensie(gekozen, ".out");
    DumpBestand = MetExtensie(gekozen, ".dmp");
    LblBestandIn->setText(InBestand);
    LblBestandOut->setText(UitBestand);
    LblDumpFile->setText(DumpBestand);
    Plannen.clear();
    LstAutomat->clear();
}

void TFrmAutomat::BtnVerwerkenClick() {
    if (InBestand.isEmpty()) {
        fOmgeving.Berichten->Fout(QStringLiteral("Nog geen invoerbestand geselecteerd"));
        return;
    }
    VerwerkBestand();
}

void TFrmAutomat::VerwerkBestand() {
    Plannen.clear();
    LstAutomat->clear();
    // Its own result table would replace it.
    if (QFileInfo(InBestand).suffix().compare(QLatin1String("out"), Qt::CaseInsensitive) == 0) {
        fOmgeving.Berichten->Fout(QStringLiteral("Bestand ") + InBestand +
                                  QStringLiteral(" heeft de extensie van het uitvoerbestand (.out) en "
                                                 "wordt niet verwerkt"));
        return;
    }
    if (!QFileInfo(InBestand).isFile()) {
        fOmgeving.Berichten->Fout(QStringLiteral("Bestand ") + InBestand + QStringLiteral(" niet aanwezig"));
        return;
    }
    try {
        if (!ControleerKoppen()) {
            fOmgeving.Berichten->Fout(QStringLiteral("Bestand ") + InBestand +
                                      QStringLiteral(" is niet geldig"));
            return;
        }
        LeesInvoerbestand();
        // The batch replaces the open farm: its unsaved changes are asked about first, with
        // the question of closing.
        if (fHoofd && fHoofd->Gewijzigd && VraagOpslaan(*fHoofd) == TAntwoord::Annuleren) {
            Plannen.clear();
            return;
        }
        BerekenPlannen();
        SchrijfUitvoer();
        QCoreApplication::processEvents();
    } catch (...) {
        fOmgeving.Berichten->Fout(QStringLiteral("Er hebben zich problemen voorgedaan bij het verwerken"));
    }
}

bool TFrmAutomat::ControleerKoppen() {
    // Checked to be a file before; a FIFO put in its place since then must not make it wait.
    QFile f;
    if (!OpenGewoonBestand(f, InBestand, QIODevice::ReadOnly).Open)
        throw std::runtime_error("Cannot open file");
    fInhoud = TabelInhoud(f.readAll());
    return ::ControleerKoppen(EersteRegel(fInhoud), Koppen, [this](const std::string& t) {
        fOmgeving.Berichten->Fout(QString::fromStdString(t));
    });
}

void TFrmAutomat::LeesInvoerbestand() {
    TGelezenTabel tabel = ::LeesInvoerbestand(fInhoud, Koppen, [this](const std::string& t) {
        fOmgeving.Berichten->Fout(QString::fromStdString(t));
    });
    Plannen = std::move(tabel.Plannen);
    InvoerVersie = tabel.InvoerVersie;
    LblMelding1->setText(QString::number(Plannen.size()) + QStringLiteral(" bedrijven ingelezen"));
}

void TFrmAutomat::Regel(const QString& tekst) {
    LstAutomat->addItem(tekst);
}

void KoppelBatch(TFrmHoofdFormulier& w, TFrmAutomat& automat) {
    automat.ZetHoofdformulier(&w);
    w.Haken.BatchBezig = [&automat] { return !automat.Plannen.empty(); };
    QAction* actie = w.Actie(QStringLiteral("MitInvoerbestand"));
    if (!actie) return;
    actie->setEnabled(true);
    QObject::connect(actie, &QAction::triggered, &automat,
                     [&w, &automat] { w.Bewaak([&automat] { automat.exec(); }); });
}
