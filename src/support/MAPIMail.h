// A message handed to the desktop's mail program: subject, text, recipients and attached
// files. The mail program's own window opens, so the user checks the message, chooses the
// recipient and sends it.
#pragma once

#include "OndersteuningOmgeving.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

// The text of a mail result code ("Unknown Error Code: " + code for codes without one).
QString GetMapiErrorText(int code);

enum class TOntvangerSoort { Aan, Kopie, BlindeKopie };

struct TOntvanger {
    TOntvangerSoort Soort;
    QString Adres;
    bool operator==(const TOntvanger&) const = default;
};

// A recipient line: "CC:" or "BCC:" in any case makes a copy or blind-copy recipient, the
// prefix removed and the rest kept as it stands.
TOntvanger LeesOntvanger(const QString& regel);

class TMAPIMail {
public:
    // Result codes this layer gives.
    static constexpr int kGelukt = 0;
    static constexpr int kAlgemeneFout = 2;         // "General MAPI failure"
    static constexpr int kBijlageNietGevonden = 11; // "Attachment not found"
    static constexpr int kBijlageNietTeOpenen = 12; // "Failed to open attachment"
    static constexpr int kNietOndersteund = 26;     // "Not supported"

    explicit TMAPIMail(std::shared_ptr<TProcesStarter> proces);

    QString Subject;
    QString Body;
    QStringList Recipients;
    QStringList Attachments;
    QStringList AttachmentNames;
    // The mail program always opens its own window with the message; the other options
    // of the message have no counterpart there and are kept only as settings.
    bool EditDialog = true;
    bool ResolveNames = false;
    bool RequestReceipt = false;
    QString SenderName;
    QString SenderAddress;

    // The result of the last send (0 = success).
    int LastError = 0;

    // The display name of attachment i: its own name, else the file name of its path.
    QString AttachmentName(qsizetype i) const;
    // The arguments of xdg-email for this message.
    QStringList Argumenten() const;

    // Hands the message to the mail program; klaar(true) once it has taken it, with the
    // code in LastError either way. The program is not waited for.
    void Send(QObject* context, const std::function<void(bool)>& klaar);

private:
    std::shared_ptr<TProcesStarter> fProces;
};
