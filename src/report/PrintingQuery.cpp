#include "PrintingQuery.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TfPrintingQuery::TfPrintingQuery(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("fPrintingQuery"));
    setWindowTitle(QStringLiteral("Afdrukken"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    QFont f = font();
    f.setBold(true);
    setFont(f);

    auto* kolom = new QVBoxLayout(this);
    auto* regel = new QHBoxLayout;
    regel->addWidget(new QLabel(QStringLiteral("Afdrukken pagina "), this));
    lProgress = new QLabel(this);
    lProgress->setObjectName(QStringLiteral("lProgress"));
    regel->addWidget(lProgress);
    regel->addWidget(new QLabel(QStringLiteral("van"), this));
    lMax = new QLabel(this);
    lMax->setObjectName(QStringLiteral("lMax"));
    regel->addWidget(lMax);
    kolom->addLayout(regel);
    CancelBtn = new QPushButton(QStringLiteral("Annuleer"), this);
    CancelBtn->setObjectName(QStringLiteral("CancelBtn"));
    kolom->addWidget(CancelBtn, 0, Qt::AlignHCenter);
    connect(CancelBtn, &QPushButton::clicked, this, [this] { CancelBtnClick(); });
}

void TfPrintingQuery::SetMax(int N) {
    lMax->setText(QString::number(N));
}

void TfPrintingQuery::SetProgress(int N) {
    lProgress->setText(QString::number(N));
    QCoreApplication::processEvents();
}

void TfPrintingQuery::CancelBtnClick() {
    if (OnCancel) OnCancel();
}

// Escape cancels the job as the button does; the dialog stays until the job ends it.
void TfPrintingQuery::reject() {
    CancelBtnClick();
}

void TfPrintingQuery::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w == this || !w->isEnabled()) continue;
        w->setEnabled(false);
        fUitgeschakeld.emplace_back(w);
    }
}

void TfPrintingQuery::hideEvent(QHideEvent* event) {
    for (const QPointer<QWidget>& w : fUitgeschakeld)
        if (w) w->setEnabled(true);
    fUitgeschakeld.clear();
    QDialog::hideEvent(event);
}
