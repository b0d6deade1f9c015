#include "FilehistMenu.h"

#include "IniBestand.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>

#include <algorithm>

namespace {
constexpr int kMaxMax = 20;
// A settings file never holds more entries than this program writes; a larger count is
// not walked key by key.
constexpr int kMaxTeLezen = 100;

QString Vergelijkbaar(const QString& naam) {
    const QFileInfo info(naam);
    const QString c = info.canonicalFilePath();
    return c.isEmpty() ? info.absoluteFilePath() : c;
}
} // namespace

TKtFilehistMenu::TKtFilehistMenu(QObject* AOwner) : QObject(AOwner) {}

void TKtFilehistMenu::SetBestandMenu(QMenu* menu) {
    if (!fLijst.isEmpty()) return;
    fMenu = menu;
    SetInvoegPositie(fPositie);
}

void TKtFilehistMenu::SetMaxBestanden(int max) {
    if (max < 0) return;
    fMax = std::min(max, kMaxMax);
    while (fLijst.size() > fMax)
        Verwijder(static_cast<int>(fLijst.size()) - 1);
    if (fLijst.isEmpty()) VerwijderScheidingen();
}

void TKtFilehistMenu::SetInvoegPositie(int positie) {
    if (!fLijst.isEmpty() || positie < 0) return;
    fPositie = fMenu ? std::min(positie, static_cast<int>(fMenu->actions().size())) : positie;
}

void TKtFilehistMenu::SetToonPad(bool aan) {
    fToonPad = aan;
    Hernummer();
}

void TKtFilehistMenu::SetHoofdLetters(bool aan) {
    fHoofdLetters = aan;
    Hernummer();
}

void TKtFilehistMenu::Voeg(int index, QAction* a) {
    const QList<QAction*> acties = fMenu->actions();
    fMenu->insertAction(index < acties.size() ? acties.at(index) : nullptr, a);
}

void TKtFilehistMenu::ZetScheidingen() {
    fGeadopteerd = false;
    fEersteScheiding = nullptr;
    fTweedeScheiding = nullptr;
    const auto nieuw = [this] {
        auto* s = new QAction(fMenu);
        s->setSeparator(true);
        return s;
    };
    if (fPositie > 0) {
        const QList<QAction*> acties = fMenu->actions();
        if (fPositie < acties.size() && acties.at(fPositie)->isSeparator()) {
            fGeadopteerd = true;
        } else {
            fEersteScheiding = nieuw();
            Voeg(fPositie, fEersteScheiding);
        }
    }
    if (fMenu->actions().size() > fPositie) {
        fTweedeScheiding = nieuw();
        Voeg(fPositie, fTweedeScheiding);
    }
}

void TKtFilehistMenu::VerwijderScheidingen() {
    for (QPointer<QAction>* s : {&fEersteScheiding, &fTweedeScheiding})
        if (*s) {
            if (fMenu) fMenu->removeAction(*s);
            (*s)->deleteLater();
            *s = nullptr;
        }
    fGeadopteerd = false;
}

void TKtFilehistMenu::Verwijder(int index) {
    const TEntry e = fLijst.takeAt(index);
    if (e.Item) {
        if (fMenu) fMenu->removeAction(e.Item);
        e.Item->deleteLater();
    }
}

void TKtFilehistMenu::Hernummer() {
    for (int i = 0; i < fLijst.size(); ++i) {
        const TEntry& e = fLijst.at(i);
        if (!e.Item) continue;
        QString naam = fToonPad ? e.Naam : QFileInfo(e.Naam).fileName();
        if (fHoofdLetters) naam = naam.toUpper();
        e.Item->setText(QStringLiteral("&") + QString::number(i + 1) + QStringLiteral(" ") + naam);
    }
}

void TKtFilehistMenu::AddFile(const QString& naam) {
    if (naam.isEmpty() || !QFileInfo(naam).isFile() || fMax < 1 || !fMenu) return;
    if (fLijst.isEmpty()) ZetScheidingen();
    const QString pad = QDir::cleanPath(QFileInfo(naam).absoluteFilePath());
    const QString sleutel = Vergelijkbaar(pad);
    for (int i = 0; i < fLijst.size(); ++i)
        if (Vergelijkbaar(fLijst.at(i).Naam) == sleutel) {
            Verwijder(i);
            break;
        }
    auto* item = new QAction(fMenu);
    const QString hint = QStringLiteral("Bestand ") + pad + QStringLiteral(" openen");
    item->setToolTip(hint);
    item->setStatusTip(hint);
    connect(item, &QAction::triggered, this, [this, item] { ItemClick(item); });
    fLijst.prepend({pad, item});
    Hernummer();
    // Older entries move down.
    const bool metEerste = fGeadopteerd || fEersteScheiding;
    Voeg(metEerste ? fPositie + 1 : fPositie, item);
    if (fLijst.size() > fMax) Verwijder(static_cast<int>(fLijst.size()) - 1);
}

void TKtFilehistMenu::LoadFromIni(const TIniBestand& ini, const QString& sectie) {
    const int n = std::clamp(ini.LeesGetal(sectie, QStringLiteral("FileHistCount"), 0), 0, kMaxTeLezen);
    for (int i = n - 1; i >= 0; --i)
        AddFile(ini.LeesTekst(sectie, QStringLiteral("FileHistItem") + QString::number(i), QString()));
}

void TKtFilehistMenu::SaveToIni(TIniBestand& ini, const QString& sectie) const {
    ini.SchrijfGetal(sectie, QStringLiteral("FileHistCount"), static_cast<int>(fLijst.size()));
    for (int i = 0; i < fLijst.size(); ++i)
        ini.SchrijfTekst(sectie, QStringLiteral("FileHistItem") + QString::number(i), fLijst.at(i).Naam);
}

void TKtFilehistMenu::ItemClick(QAction* item) {
    const auto gevonden =
        std::find_if(fLijst.begin(), fLijst.end(), [item](const TEntry& e) { return e.Item == item; });
    if (gevonden == fLijst.end()) return;
    const QString naam = gevonden->Naam;
    Verwijder(static_cast<int>(gevonden - fLijst.begin()));
    Hernummer();
    if (fLijst.isEmpty()) VerwijderScheidingen();
    if (OnClick) OnClick(this, naam);
}

QStringList TKtFilehistMenu::Bestanden() const {
    QStringList l;
    for (const TEntry& e : fLijst)
        l << e.Naam;
    return l;
}

QList<QAction*> TKtFilehistMenu::Items() const {
    QList<QAction*> l;
    for (const TEntry& e : fLijst)
        l << e.Item.data();
    return l;
}
