#include "Separator.h"

#include "Omgeving.h"
#include "StaticText.h"
#include "Tarvolingrade_u.h"

#include "Getallen.h"

#include <QAction>
#include <QButtonGroup>
#include <QGroupBox>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

TFrmSeparator* FrmSeparator = nullptr;

TFrmSeparator::TFrmSeparator(std::shared_ptr<TBerichten> berichten, const QString& teken, QWidget* parent)
    : QDialog(parent), fBerichten(std::move(berichten)) {
    setObjectName(QStringLiteral("FrmSeparator"));
    setWindowTitle(QStringLiteral("Decimaalteken invoerbestand"));

    GrpSeparator = new QGroupBox(this);
    GrpSeparator->setObjectName(QStringLiteral("GrpSeparator"));
    RbtPunt = new QRadioButton(QStringLiteral(".  (punt)"), GrpSeparator);
    RbtPunt->setObjectName(QStringLiteral("RbtPunt"));
    RbtKomma = new QRadioButton(QStringLiteral(",  (komma)"), GrpSeparator);
    RbtKomma->setObjectName(QStringLiteral("RbtKomma"));
    fGroep = new QButtonGroup(this);
    fGroep->addButton(RbtPunt, 0);
    fGroep->addButton(RbtKomma, 1);
    auto* items = new QVBoxLayout(GrpSeparator);
    items->addWidget(RbtPunt);
    items->addWidget(RbtKomma);

    ToelDrijfKa = new StaticText(QStringLiteral("Toelichting"), this);
    ToelDrijfKa->setObjectName(QStringLiteral("ToelDrijfKa"));
    ToelDrijfKa->setLink(true);
    QFont f = ToelDrijfKa->font();
    f.setItalic(true);
    ToelDrijfKa->setFont(f);

    BtnOK = new QPushButton(QStringLiteral("OK"), this);
    BtnOK->setObjectName(QStringLiteral("BtnOK"));
    BtnOK->setDefault(true);

    auto* l = new QVBoxLayout(this);
    l->addWidget(GrpSeparator);
    l->addWidget(ToelDrijfKa);
    l->addWidget(BtnOK, 0, Qt::AlignRight);

    connect(fGroep, &QButtonGroup::idClicked, this,
            [this] { Bewaakt(*fBerichten, [this] { GrpSeparatorClick(); }); });
    connect(ToelDrijfKa, &StaticText::clicked, this,
            [this] { Bewaakt(*fBerichten, [this] { ToelDrijfKaClick(); }); });
    connect(BtnOK, &QPushButton::clicked, this, &QDialog::accept);

    FormCreate(teken);
}

void TFrmSeparator::FormCreate(const QString& teken) {
    (teken == QLatin1String(".") ? RbtPunt : RbtKomma)->setChecked(true);
    // Selecting the item applies it, as a click does.
    GrpSeparatorClick();
}

int TFrmSeparator::ItemIndex() const {
    return fGroep->checkedId();
}

void TFrmSeparator::GrpSeparatorClick() {
    SetDecimaalteken(ItemIndex() == 1 ? QStringLiteral(",") : QStringLiteral("."));
}

void TFrmSeparator::SetDecimaalteken(const QString& teken) {
    SetDecimalSeparator(teken.contains(QLatin1Char('.')) ? '.' : ',');
    fTeken = QString(QLatin1Char(DecimalSeparator()));
}

QString SeparatorToelichting() {
    return QStringLiteral("Indien het invoerbestand is aangemaakt met een ander decimaalteken \n"
                          "dan de instelling van deze PC kunt u hier de instelling tijdelijk \n"
                          "aanpassen aan de instelling van het bestand.");
}

void TFrmSeparator::ToelDrijfKaClick() {
    fBerichten->Informatie(SeparatorToelichting());
}

QString MachineDecimaalteken() {
    return QLocale::system().decimalPoint();
}

void KoppelSeparator(TFrmHoofdFormulier& w, TFrmSeparator& dlg) {
    // The item stays hidden, as the window defines it; it works when triggered.
    w.Separator1->setEnabled(true);
    QObject::connect(w.Separator1, &QAction::triggered, &dlg,
                     [&w, &dlg] { w.Bewaak([&dlg] { dlg.exec(); }); });
}
