// The help, manual and product-support windows: modal dialogs with fixed texts, made once
// and shown again on request.
#pragma once

#include <QDialog>
#include <QString>

#include <functional>

class QCheckBox;
class QPlainTextEdit;
class QTextBrowser;
class StaticText;

// A text of the program's resources.
QString HulpTekst(const QString& naam);

// A help window: its caption, the content and an OK button that closes it.
class THelpVenster : public QDialog {
    Q_OBJECT
public:
    THelpVenster(const char* naam, const QString& titel, QWidget* parent);
    // Runs before each showing.
    virtual void FormShow() {}
    // Set when the window has been closed once.
    bool Gesloten = false;

protected:
    // Places the content above the OK button.
    void ZetInhoud(QWidget* inhoud);
    static QPlainTextEdit* Memo(const char* naam, const QString& tekst, QWidget* ouder);
};

// Product support. Its check box sets whether the window is shown at the start.
class TFrmInfotxt : public THelpVenster {
    Q_OBJECT
public:
    explicit TFrmInfotxt(QWidget* parent)
        : TFrmInfotxt("FrmInfotxt", false, QStringLiteral("Product support"), parent) {}
    void FormShow() override { ZetTitel(); }
    // Puts the window's own caption back.
    void ZetTitel();

    QCheckBox* ChkProduktOndersteuning;
    QTextBrowser* Tekst;
    StaticText* SttLink;

    // Runs when the user clicks the check box or the link.
    std::function<void(bool)> ChkProduktOndersteuningClick;
    std::function<void()> SttLinkClick;

protected:
    TFrmInfotxt(const char* naam, bool jongvee, QString titel, QWidget* parent);

private:
    QString fTitel;
};

// Product support for young-stock farms: made and captioned, no command shows it.
class TFrmInfotxtJv : public TFrmInfotxt {
    Q_OBJECT
public:
    explicit TFrmInfotxtJv(QWidget* parent)
        : TFrmInfotxt("FrmInfotxtJv", true, QStringLiteral("Product support "), parent) {}
};

// A manual, or a help window with one text.
class TFrmTekst : public THelpVenster {
    Q_OBJECT
public:
    TFrmTekst(const char* naam, const QString& titel, const QString& bron, QWidget* parent);
    QTextBrowser* Tekst;
};

class TFrmHelpBeweiding : public THelpVenster {
    Q_OBJECT
public:
    explicit TFrmHelpBeweiding(QWidget* parent);
    // Shows the memo of the animal group of the window.
    void ZetDiercategorie(const QString& diercategorie);
    QPlainTextEdit *EdtMemoMk, *EdtMemoJv;
};

class TFrmHelpBEP : public THelpVenster {
    Q_OBJECT
public:
    explicit TFrmHelpBEP(QWidget* parent);
    void FormShow() override;
    QPlainTextEdit* EdtMemo;
};

class TFrmHelpEmissie final : public THelpVenster {
    Q_OBJECT
public:
    explicit TFrmHelpEmissie(QWidget* parent);
    // The table with the decimal sign in use.
    void FormShow() override;
    QPlainTextEdit *EdtMemoPunt, *EdtMemoKomma;
};

class TFrmHelpVoorraad : public THelpVenster {
    Q_OBJECT
public:
    explicit TFrmHelpVoorraad(QWidget* parent);
    // Fills the memo for a stock moment ("B", "A", "E") and a feed kind ("G", "S", "N",
    // "K", "M"), each by its first letter.
    void VulMemo(const QString& periode, const QString& voer);
    QPlainTextEdit* EdtMemo;
};
