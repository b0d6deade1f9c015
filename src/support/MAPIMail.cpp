#include "MAPIMail.h"

#include <QFileInfo>

#include <array>

QString GetMapiErrorText(int code) {
    static const std::array<const char*, 27> kTeksten = {"",
                                                         "User cancelled request",
                                                         "General MAPI failure",
                                                         "Logon failure",
                                                         "Disk full",
                                                         "Insufficient memory",
                                                         "Access denied",
                                                         "",
                                                         "Too many sessions",
                                                         "Too many files open",
                                                         "Too many recipients",
                                                         "Attachment not found",
                                                         "Failed to open attachment",
                                                         "Failed to write attachment",
                                                         "Unknown recipient",
                                                         "Invalid recipient type",
                                                         "No messages",
                                                         "Invalid message",
                                                         "Text too large.",
                                                         "Invalid session",
                                                         "Type not supported",
                                                         "Ambiguous recipient",
                                                         "Message in use",
                                                         "Network failure",
                                                         "Invalid edit fields",
                                                         "Invalid recipients",
                                                         "Not supported"};
    if (code > 0 && code < static_cast<int>(kTeksten.size()) && *kTeksten[static_cast<std::size_t>(code)])
        return QString::fromLatin1(kTeksten[static_cast<std::size_t>(code)]);
    return QStringLiteral("Unknown Error Code: ") + QString::number(code);
}

TOntvanger LeesOntvanger(const QString& regel) {
    if (regel.startsWith(QLatin1String("CC:"), Qt::CaseInsensitive))
        return {TOntvangerSoort::Kopie, regel.mid(3)};
    if (regel.startsWith(QLatin1String("BCC:"), Qt::CaseInsensitive))
        return {TOntvangerSoort::BlindeKopie, regel.mid(4)};
    return {TOntvangerSoort::Aan, regel};
}

TMAPIMail::TMAPIMail(std::shared_ptr<TProcesStarter> proces) : fProces(std::move(proces)) {}

QString TMAPIMail::AttachmentName(qsizetype i) const {
    if (i < AttachmentNames.size()) return AttachmentNames.at(i);
    return QFileInfo(Attachments.value(i)).fileName();
}

QStringList TMAPIMail::Argumenten() const {
    QStringList a = {QStringLiteral("--utf8"), QStringLiteral("--subject"), Subject, QStringLiteral("--body"),
                     Body};
    for (const QString& bijlage : Attachments)
        a << QStringLiteral("--attach") << QFileInfo(bijlage).absoluteFilePath();
    QStringList aan;
    for (const QString& regel : Recipients) {
        const TOntvanger o = LeesOntvanger(regel);
        const QString adres = o.Adres.trimmed();
        if (adres.isEmpty()) continue;
        if (o.Soort == TOntvangerSoort::Kopie)
            a << QStringLiteral("--cc") << adres;
        else if (o.Soort == TOntvangerSoort::BlindeKopie)
            a << QStringLiteral("--bcc") << adres;
        else
            aan << adres;
    }
    return a + aan;
}

void TMAPIMail::Send(QObject* context, const std::function<void(bool)>& klaar) {
    const QString programma = fProces ? fProces->Zoek(QStringLiteral("xdg-email")) : QString();
    if (programma.isEmpty()) {
        LastError = kNietOndersteund;
        klaar(false);
        return;
    }
    fProces->Start(programma, Argumenten(), context, [this, klaar](int code) {
        // The exit codes of xdg-email: 2 a file does not exist, 5 a file cannot be read,
        // 3 a tool it needs is missing; any other failure is a general one.
        switch (code) {
        case 0:
            LastError = kGelukt;
            break;
        case 2:
            LastError = kBijlageNietGevonden;
            break;
        case 5:
            LastError = kBijlageNietTeOpenen;
            break;
        case 3:
        case -1:
            LastError = kNietOndersteund;
            break;
        default:
            LastError = kAlgemeneFout;
            break;
        }
        klaar(LastError == kGelukt);
    });
}
