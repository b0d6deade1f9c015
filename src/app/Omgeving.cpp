#include "Omgeving.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QStandardPaths>

namespace {
QString SchermTekst(QString tekst) {
    // Character 13 is a line break in the texts; a label breaks only on "\n".
    tekst.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    tekst.replace(QChar(13), QChar(10));
    return tekst;
}

QFileDialog* MaakDialoog(QWidget* ouder, const TBestandKeuze& keuze, QFileDialog::AcceptMode modus) {
    auto* dlg = new QFileDialog(ouder, keuze.Titel, keuze.Map, keuze.Filter);
    dlg->setAcceptMode(modus);
    const bool nieuw = modus == QFileDialog::AcceptSave || keuze.NieuweNaam;
    dlg->setFileMode(nieuw ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (keuze.NieuweNaam) dlg->setOption(QFileDialog::DontConfirmOverwrite);
    if (!keuze.StandaardExtensie.isEmpty()) dlg->setDefaultSuffix(keuze.StandaardExtensie);
    if (modus == QFileDialog::AcceptSave && !keuze.BevestigOverschrijven)
        dlg->setOption(QFileDialog::DontConfirmOverwrite);
    if (!keuze.Naam.isEmpty()) dlg->selectFile(keuze.Naam);
    return dlg;
}

QString Kies(QWidget* ouder, const TBestandKeuze& keuze, QFileDialog::AcceptMode modus) {
    std::unique_ptr<QFileDialog> dlg(MaakDialoog(ouder, keuze, modus));
    if (dlg->exec() != QDialog::Accepted || dlg->selectedFiles().isEmpty()) return {};
    return dlg->selectedFiles().first();
}
} // namespace

TAntwoord TQtBerichten::Toon(TBerichtSoort soort, const QString& tekst, TKnoppen knoppen) {
    QMessageBox::Icon icoon = QMessageBox::Information;
    switch (soort) {
    case TBerichtSoort::Fout:
        icoon = QMessageBox::Critical;
        break;
    case TBerichtSoort::Informatie:
        icoon = QMessageBox::Information;
        break;
    case TBerichtSoort::Waarschuwing:
        icoon = QMessageBox::Warning;
        break;
    case TBerichtSoort::Vraag:
        icoon = QMessageBox::Question;
        break;
    }
    QMessageBox::StandardButtons knop = QMessageBox::Ok;
    if (knoppen == TKnoppen::JaNee)
        knop = QMessageBox::Yes | QMessageBox::No;
    else if (knoppen == TKnoppen::JaNeeAnnuleren)
        knop = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    else if (knoppen == TKnoppen::JaNeeAlles)
        knop = QMessageBox::Yes | QMessageBox::No | QMessageBox::YesToAll | QMessageBox::NoToAll;
    // An error box says so in its caption, as the program's users know it; the other
    // boxes carry the program's name.
    const QString titel =
        soort == TBerichtSoort::Fout ? QStringLiteral("Error") : QCoreApplication::applicationName();
    QMessageBox box(icoon, titel, SchermTekst(tekst), knop, QApplication::activeWindow());
    switch (box.exec()) {
    case QMessageBox::Yes:
        return TAntwoord::Ja;
    case QMessageBox::No:
        return TAntwoord::Nee;
    case QMessageBox::Cancel:
        return TAntwoord::Annuleren;
    case QMessageBox::YesToAll:
        return TAntwoord::JaAlles;
    case QMessageBox::NoToAll:
        return TAntwoord::NeeAlles;
    default:
        return knoppen == TKnoppen::OK ? TAntwoord::OK : TAntwoord::Annuleren;
    }
}

QString TQtBestandDialogen::Open(QWidget* ouder, const TBestandKeuze& keuze) {
    return Kies(ouder, keuze, QFileDialog::AcceptOpen);
}

QString TQtBestandDialogen::Opslaan(QWidget* ouder, const TBestandKeuze& keuze) {
    return Kies(ouder, keuze, QFileDialog::AcceptSave);
}

TOmgeving TOmgeving::Standaard() {
    TOmgeving o;
    o.Berichten = std::make_shared<TQtBerichten>();
    o.Dialogen = std::make_shared<TQtBestandDialogen>();
    o.Klok = std::make_shared<TSysteemKlok>();
    o.AppDataMap = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    o.ProgrammaBestand = QCoreApplication::applicationFilePath();
    return o;
}

QString FoutTekst(const std::exception& e) {
    return QString::fromUtf8(e.what());
}

void InitBronnen() {
    // The pictures live in a static library, whose resources are linked only when named.
    static const bool geladen = [] {
        Q_INIT_RESOURCE(app);
        return true;
    }();
    (void)geladen;
}
