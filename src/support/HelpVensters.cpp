#include "HelpVensters.h"

#include "StaticText.h"

#include "Getallen.h"

#include <QCheckBox>
#include <QFile>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTextBrowser>
#include <QToolButton>
#include <QVBoxLayout>

#include <utility>

QString HulpTekst(const QString& naam) {
    QFile f(QStringLiteral(":/ondersteuning/teksten/") + naam);
    if (!f.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(f.readAll());
}

THelpVenster::THelpVenster(const char* naam, const QString& titel, QWidget* parent) : QDialog(parent) {
    setObjectName(QLatin1String(naam));
    setWindowTitle(titel);
    setModal(true);
    connect(this, &QDialog::finished, this, [this] { Gesloten = true; });
}

void THelpVenster::ZetInhoud(QWidget* inhoud) {
    auto* l = new QVBoxLayout(this);
    l->addWidget(inhoud, 1);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("BtnOK"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* rij = new QHBoxLayout;
    rij->addStretch();
    rij->addWidget(ok);
    rij->addStretch();
    l->addLayout(rij);
}

QPlainTextEdit* THelpVenster::Memo(const char* naam, const QString& tekst, QWidget* ouder) {
    auto* m = new QPlainTextEdit(tekst, ouder);
    m->setObjectName(QLatin1String(naam));
    m->setReadOnly(true);
    // Lines wrap at the window's edge; a table narrower than the window stays as it is.
    m->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    QFont f(QStringLiteral("Monospace"));
    f.setStyleHint(QFont::TypeWriter);
    m->setFont(f);
    m->setMinimumSize(560, 300);
    return m;
}

// ---------------------------------------------------------------------------------------

TFrmInfotxt::TFrmInfotxt(const char* naam, bool jongvee, QString titel, QWidget* parent)
    : THelpVenster(naam, QString(), parent), fTitel(std::move(titel)) {
    auto* inhoud = new QWidget(this);
    auto* l = new QVBoxLayout(inhoud);
    l->setContentsMargins(0, 0, 0, 0);
    ChkProduktOndersteuning = new QCheckBox(jongvee ? QStringLiteral("Show at the start of this program")
                                                    : QStringLiteral("Show at the start of the program"),
                                            inhoud);
    ChkProduktOndersteuning->setObjectName(QStringLiteral("ChkProduktOndersteuning"));
    ChkProduktOndersteuning->setChecked(true);
    Tekst = new QTextBrowser(inhoud);
    Tekst->setObjectName(QStringLiteral("ScbTekst"));
    Tekst->setHtml(HulpTekst(jongvee ? QStringLiteral("productondersteuning_jv.html")
                                     : QStringLiteral("productondersteuning.html")));
    Tekst->setMinimumSize(600, 420);
    // The tooltip background, as the scroll box of the text has.
    QPalette p = Tekst->palette();
    p.setColor(QPalette::Base, p.color(QPalette::ToolTipBase));
    p.setColor(QPalette::Text, p.color(QPalette::ToolTipText));
    Tekst->setPalette(p);
    SttLink = new StaticText(QStringLiteral("https://www.handreikingbex.example.org"), inhoud);
    SttLink->setObjectName(QStringLiteral("SttLink"));
    SttLink->setLink(true);
    l->addWidget(ChkProduktOndersteuning);
    l->addWidget(Tekst, 1);
    l->addWidget(SttLink);
    ZetInhoud(inhoud);
    connect(ChkProduktOndersteuning, &QCheckBox::clicked, this, [this](bool aan) {
        if (ChkProduktOndersteuningClick) ChkProduktOndersteuningClick(aan);
    });
    connect(SttLink, &StaticText::clicked, this, [this] {
        if (SttLinkClick) SttLinkClick();
    });
    ZetTitel();
}

void TFrmInfotxt::ZetTitel() {
    setWindowTitle(fTitel);
}

TFrmTekst::TFrmTekst(const char* naam, const QString& titel, const QString& bron, QWidget* parent)
    : THelpVenster(naam, titel, parent) {
    Tekst = new QTextBrowser(this);
    Tekst->setObjectName(QStringLiteral("Tekst"));
    const QString t = HulpTekst(bron);
    if (bron.endsWith(QLatin1String(".html"))) {
        Tekst->setHtml(t);
    } else {
        Tekst->setPlainText(t);
        QFont f(QStringLiteral("Monospace"));
        f.setStyleHint(QFont::TypeWriter);
        Tekst->setFont(f);
    }
    Tekst->setMinimumSize(600, 400);
    ZetInhoud(Tekst);
}

TFrmHelpBeweiding::TFrmHelpBeweiding(QWidget* parent)
    : THelpVenster("FrmHelpBeweiding", QStringLiteral("Toelichting mate van beweiding"), parent) {
    auto* inhoud = new QWidget(this);
    auto* l = new QVBoxLayout(inhoud);
    l->setContentsMargins(0, 0, 0, 0);
    EdtMemoMk = Memo("EdtMemoMk", HulpTekst(QStringLiteral("beweiding_mk.txt")), inhoud);
    EdtMemoJv = Memo("EdtMemoJv", HulpTekst(QStringLiteral("beweiding_jv.txt")), inhoud);
    l->addWidget(EdtMemoMk);
    l->addWidget(EdtMemoJv);
    ZetInhoud(inhoud);
}

void TFrmHelpBeweiding::ZetDiercategorie(const QString& diercategorie) {
    EdtMemoMk->setVisible(diercategorie == QLatin1String("MK"));
    EdtMemoJv->setVisible(diercategorie == QLatin1String("JV"));
}

TFrmHelpBEP::TFrmHelpBEP(QWidget* parent)
    : THelpVenster("FrmHelpBEP", QStringLiteral("Toelichting bedrijfseigen norm"), parent) {
    EdtMemo = Memo("EdtMemo", QString(), this);
    ZetInhoud(EdtMemo);
}

void TFrmHelpBEP::FormShow() {
    EdtMemo->clear();
    EdtMemo->setPlainText(HulpTekst(QStringLiteral("bep.txt")));
}

TFrmHelpEmissie::TFrmHelpEmissie(QWidget* parent)
    : THelpVenster("FrmHelpEmissie", QStringLiteral("Toelichting ammoniak emissie"), parent) {
    const QString punt = HulpTekst(QStringLiteral("emissie.txt"));
    QString komma = punt;
    komma.replace(QRegularExpression(QStringLiteral("(\\d)\\.(\\d)")), QStringLiteral("\\1,\\2"));
    // Both memos in the same place; the showing picks one.
    auto* inhoud = new QWidget(this);
    auto* l = new QGridLayout(inhoud);
    l->setContentsMargins(8, 8, 8, 8);
    EdtMemoPunt = Memo("EdtMemoPunt", punt, inhoud);
    EdtMemoKomma = Memo("EdtMemoKomma", komma, inhoud);
    l->addWidget(EdtMemoPunt, 0, 0);
    l->addWidget(EdtMemoKomma, 0, 0);
    ZetInhoud(inhoud);
    FormShow();
}

void TFrmHelpEmissie::FormShow() {
    const bool punt = DecimalSeparator() == '.';
    EdtMemoPunt->setVisible(punt);
    EdtMemoKomma->setVisible(!punt);
}

TFrmHelpVoorraad::TFrmHelpVoorraad(QWidget* parent)
    : THelpVenster("FrmHelpVoorraad", QStringLiteral("Toelichting voorraden"), parent) {
    auto* inhoud = new QWidget(this);
    auto* l = new QVBoxLayout(inhoud);
    l->setContentsMargins(0, 0, 0, 0);
    EdtMemo = Memo("EdtMemo", QString(), inhoud);
    EdtMemo->setMinimumSize(560, 160);
    l->addWidget(EdtMemo);
    l->addWidget(new QLabel(QStringLiteral("Uitleg buttons bij tabel:"), inhoud));
    auto* knoppen = new QGridLayout;
    const auto voorbeeld = [&](int rij, QToolButton* knop, const QString& uitleg) {
        knop->setEnabled(false);
        knop->setAutoRaise(true);
        knoppen->addWidget(knop, rij, 0);
        knoppen->addWidget(new QLabel(uitleg, inhoud), rij, 1);
    };
    auto* kopie = new QToolButton(inhoud);
    kopie->setText(QStringLiteral("Copy"));
    voorbeeld(0, kopie,
              QStringLiteral("Met deze button kunt u gegevens uit het voorgaande tabblad kopiëren"));
    auto* wis = new QToolButton(inhoud);
    wis->setText(QStringLiteral("Clear"));
    voorbeeld(1, wis, QStringLiteral("Met deze button kunt u de tabel in zijn geheel leeg maken"));
    auto* uit = new QToolButton(inhoud);
    uit->setArrowType(Qt::DownArrow);
    voorbeeld(2, uit, QStringLiteral("Met deze button kunt u de complete tabel zichtbaar maken"));
    auto* in = new QToolButton(inhoud);
    in->setArrowType(Qt::UpArrow);
    voorbeeld(3, in,
              QStringLiteral("Met deze button kunt u de tabel weer in de oorspronkelijke vorm brengen"));
    knoppen->setColumnStretch(1, 1);
    l->addLayout(knoppen);
    ZetInhoud(inhoud);
}

void TFrmHelpVoorraad::VulMemo(const QString& periode, const QString& voer) {
    EdtMemo->clear();
    QStringList regels;
    const QString begin =
        QStringLiteral("Vul hier de voorraden met bijbehorende gehaltes in zoals die aan het");
    switch (periode.isEmpty() ? u'\0' : periode.at(0).unicode()) {
    case u'B':
        regels << begin << QStringLiteral("begin van het jaar (1 januari) aanwezig zijn voor voedermiddel:");
        break;
    case u'A':
        regels << QStringLiteral(
            "Vul hier de dit jaar aangelegde voorraden en verkoop in voor voedermiddel:");
        break;
    case u'E':
        regels << begin << QStringLiteral("eind van het jaar (31 december) aanwezig zijn voor voedermiddel:");
        break;
    default:
        break;
    }
    switch (voer.isEmpty() ? u'\0' : voer.at(0).unicode()) {
    case u'G':
        regels << QStringLiteral("- graskuil");
        break;
    case u'S':
        regels << QStringLiteral("- maiskuil");
        break;
    case u'N':
        regels << QStringLiteral("- hooi") << QStringLiteral("- overig ruwvoer")
               << QStringLiteral("- natte bijproducten");
        break;
    case u'K':
        regels << QStringLiteral("- krachtvoer") << QStringLiteral("- droge krachtvoervervangers")
               << QStringLiteral("- mineralenmengsels");
        break;
    case u'M':
        regels << QStringLiteral("- melkpoeder");
        break;
    default:
        break;
    }
    for (const QString& r : regels)
        EdtMemo->appendPlainText(r);
}
