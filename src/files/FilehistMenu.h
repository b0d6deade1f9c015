// The recent-files list of a menu: numbered entries inserted at a fixed place of a menu,
// most recent first, kept in the settings file.
#pragma once

#include <QAction>
#include <QList>
#include <QMenu>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>

#include <functional>

class TIniBestand;

class TKtFilehistMenu : public QObject {
    Q_OBJECT
public:
    explicit TKtFilehistMenu(QObject* AOwner = nullptr);

    // Called with the chosen file's name, after its entry was removed.
    std::function<void(TKtFilehistMenu* Sender, const QString& BestandNaam)> OnClick;

    // The menu that receives the entries; changed only while the list is empty.
    QMenu* BestandMenu() const { return fMenu; }
    void SetBestandMenu(QMenu* menu);
    // At most this many entries (default 5, at most 20; a negative value is ignored).
    // Lowering it drops the oldest entries at once.
    int MaxBestanden() const { return fMax; }
    void SetMaxBestanden(int max);
    // The index in the menu where the block of entries starts; changed only while the
    // list is empty, a negative value is ignored, a value beyond the menu's items becomes
    // their count.
    int InvoegPositie() const { return fPositie; }
    void SetInvoegPositie(int positie);
    // Captions with the full path instead of the file name; captions in upper case.
    bool ToonPad() const { return fToonPad; }
    void SetToonPad(bool aan);
    bool HoofdLetters() const { return fHoofdLetters; }
    void SetHoofdLetters(bool aan);

    // Puts an existing file on top (moving it when it is already listed); the oldest entry
    // beyond the maximum goes. Names keep their case (file names are case-sensitive) and
    // are one entry when they name the same file.
    void AddFile(const QString& naam);
    void LoadFromIni(const TIniBestand& ini, const QString& sectie);
    void SaveToIni(TIniBestand& ini, const QString& sectie) const;
    // A clicked entry: removed (with the separators when the list becomes empty), then
    // OnClick with its name.
    void ItemClick(QAction* item);

    // The entries' full names, most recent first, and their menu items.
    QStringList Bestanden() const;
    QList<QAction*> Items() const;

private:
    struct TEntry {
        QString Naam;
        QPointer<QAction> Item;
    };
    void ZetScheidingen();
    void VerwijderScheidingen();
    void Verwijder(int index);
    void Hernummer();
    void Voeg(int index, QAction* a);

    QPointer<QMenu> fMenu;
    int fMax = 5;
    int fPositie = 0;
    bool fToonPad = false;
    bool fHoofdLetters = false;
    QList<TEntry> fLijst;
    // Which separators were set up for the list: an existing one adopted, or the two
    // inserted.
    bool fGeadopteerd = false;
    QPointer<QAction> fEersteScheiding;
    QPointer<QAction> fTweedeScheiding;
};
