// The mail layer (result texts, recipients, attachment names, the mail program's
// arguments) and sending the farm file from the File menu.
#include "Bestandscommandos.h"
#include "MAPIMail.h"
#include "Nepomgeving.h"
#include "NumEdit.h"

#include <QFileInfo>
#include <QLineEdit>
#include <QUrlQuery>

namespace {

TEST(GetMapiErrorText, KnownCodesHaveTheirTextOthersTheirNumber) {
    const std::vector<std::pair<int, const char*>> gevallen = {
        {0, "Unknown Error Code: 0"}, {1, "User cancelled request"},  {2, "General MAPI failure"},
        {7, "Unknown Error Code: 7"}, {11, "Attachment not found"},   {18, "Text too large."},
        {26, "Not supported"},        {27, "Unknown Error Code: 27"}, {-3, "Unknown Error Code: -3"}};
    for (const auto& [code, tekst] : gevallen)
        EXPECT_EQ(GetMapiErrorText(code), QString::fromLatin1(tekst)) << code;
}

TEST(LeesOntvanger, CcAndBccInAnyCaseMakeCopiesTheRestIsKept) {
    using S = TOntvangerSoort;
    const std::vector<std::pair<const char*, TOntvanger>> gevallen = {
        {"cc: Jan Jansen", {S::Kopie, " Jan Jansen"}},
        {"BCC:piet@example.org", {S::BlindeKopie, "piet@example.org"}},
        {"Cc:a@b", {S::Kopie, "a@b"}},
        {"bCc:x", {S::BlindeKopie, "x"}},
        {"klaas@example.org", {S::Aan, "klaas@example.org"}},
        {"cc klaas", {S::Aan, "cc klaas"}},
        {" cc:klaas", {S::Aan, " cc:klaas"}},
        {"", {S::Aan, ""}}};
    for (const auto& [regel, verwacht] : gevallen)
        EXPECT_EQ(LeesOntvanger(QString::fromLatin1(regel)), verwacht) << regel;
}

TEST(TMAPIMail, AttachmentsWithoutANameShowTheirFileName) {
    TMAPIMail mail(nullptr);
    mail.Attachments = {"/a/boer.trv", "/b/twee.trv", "/c/drie.trv"};
    mail.AttachmentNames = {"Bedrijf", "Tweede"};
    EXPECT_EQ(mail.AttachmentName(0), QStringLiteral("Bedrijf"));
    EXPECT_EQ(mail.AttachmentName(1), QStringLiteral("Tweede"));
    EXPECT_EQ(mail.AttachmentName(2), QStringLiteral("drie.trv"));
}

TEST(TMAPIMail, ArgumentsCarryEveryPartOfTheMessageAsItStands) {
    TMAPIMail mail(nullptr);
    mail.Subject = QStringLiteral("Onderwerp; rm -rf $HOME");
    mail.Body = QStringLiteral("Regel 1\n\"Regel\" 2 & meer");
    mail.Attachments = {"/tmp/boer met spatie.trv"};
    mail.Recipients = {"jan@example.org", "cc: kees@example.org", "BCC:els@example.org", "  "};
    EXPECT_EQ(mail.Argumenten(),
              (QStringList{"--utf8", "--subject", "Onderwerp; rm -rf $HOME", "--body",
                           "Regel 1\n\"Regel\" 2 & meer", "--attach", "/tmp/boer met spatie.trv", "--cc",
                           "kees@example.org", "--bcc", "els@example.org", "jan@example.org"}));
}

class VerzendenTest : public OndersteuningTest {
protected:
    void SetUp() override {
        OndersteuningTest::SetUp();
        bestand = omg.Schrijf(QStringLiteral("boeren/Jansen.trv"), "farm");
        o->Opslaan = [this] {
            ++opgeslagen;
            if (!dialoogNaam.isNull()) w->BestandNaam = dialoogNaam;
            return opslaanLukt && !w->BestandNaam.isEmpty();
        };
        w->SpeJaartal->setValue(2011);
        w->EdtOmschrijving->setText(QStringLiteral("Jaar 2011"));
        w->EdtNaam->setText(QStringLiteral("J. Jansen"));
        w->EdtStraat->setText(QStringLiteral("Dorpsstraat 1"));
        w->EdtPlaats->setText(QStringLiteral("1234 AB Ergens"));
    }
    void Verzend() { w->Actie(QStringLiteral("MitVerzenden"))->trigger(); }
    QString Body() const {
        return bestand + QStringLiteral("\n\nJaartal berekening : 2011\nOmschrijving : Jaar 2011\n"
                                        "Naam veehouder : J. Jansen\nStraat + huisnummer : Dorpsstraat 1\n"
                                        "Postcode + plaatsnaam : 1234 AB Ergens");
    }
    QString bestand;
    QString dialoogNaam; // the name the save dialog gives (null: no dialog)
    bool opslaanLukt = true;
    int opgeslagen = 0;
};

TEST_F(VerzendenTest, SavesFirstThenHandsTheFileToTheMailProgram) {
    w->BestandNaam = bestand;
    Verzend();
    EXPECT_EQ(opgeslagen, 1);
    ASSERT_EQ(proces->Starts.size(), 1u);
    EXPECT_EQ(proces->Starts[0].Programma, QStringLiteral("/usr/bin/xdg-email"));
    EXPECT_EQ(proces->Starts[0].Argumenten,
              (QStringList{"--utf8", "--subject", "Uitvoerbestand tarvolingrader", "--body", Body(),
                           "--attach", bestand}));
    EXPECT_TRUE(Meldingen().isEmpty());
    EXPECT_TRUE(url->Geopend.empty());
}

TEST_F(VerzendenTest, OnlyASavedFarmIsSent) {
    dialoogNaam = QStringLiteral(""); // the save dialog is cancelled
    Verzend();
    EXPECT_EQ(Meldingen(TBerichtSoort::Informatie),
              QStringList{QStringLiteral("Voordat het uitvoerbestand verzonden kan worden\n"
                                         "moet het bestand op uw PC worden opgeslagen.")});
    // A save that fails under the farm's name sends no older copy, and says nothing more.
    dialoogNaam = QString();
    w->BestandNaam = bestand;
    opslaanLukt = false;
    Verzend();
    EXPECT_EQ(opgeslagen, 2);
    EXPECT_EQ(Meldingen().size(), 1);
    EXPECT_TRUE(proces->Starts.empty());
}

// With the File menu's own save: the file on disk is the one attached.
TEST_F(OndersteuningTest, TheMailOutAttachesTheFileTheSaveWrote) {
    o->Opslaan = [this] { return MitOpslaanClick(*w); };
    w->Actie(QStringLiteral("MitVerzenden"))->trigger();
    EXPECT_EQ(Meldingen(TBerichtSoort::Informatie).size(), 1);
    EXPECT_TRUE(proces->Starts.empty());

    const QString pad = omg.Map() + QStringLiteral("/Jansen.trv");
    omg.Dialogen->Antwoorden = {pad};
    w->Actie(QStringLiteral("MitVerzenden"))->trigger();
    ASSERT_EQ(proces->Starts.size(), 1u);
    EXPECT_EQ(proces->Starts[0].Argumenten.last(), pad);
    EXPECT_GT(QFileInfo(pad).size(), 0);
    EXPECT_EQ(Meldingen().size(), 1);
}

TEST_F(VerzendenTest, WithoutAMailProgramAMessageOpensAndTheUserIsToldWhatToAttach) {
    w->BestandNaam = bestand;
    w->EdtNaam->setText(QStringLiteral("Jansen & Zn.?body=x#y"));
    struct TGeval {
        bool Gevonden;
        int Code;
        bool MailtoLukt;
        const char* Reden;
    };
    for (const TGeval& g :
         {TGeval{false, 0, true, "Not supported"}, TGeval{true, 4, true, "General MAPI failure"},
          TGeval{true, 2, true, "Attachment not found"}, TGeval{true, -1, true, "Not supported"},
          TGeval{false, 0, false, "Not supported"}}) {
        SCOPED_TRACE(g.Reden);
        omg.Berichten->Lijst.clear();
        url->Geopend.clear();
        url->Gelukt = g.MailtoLukt;
        proces->Gevonden = g.Gevonden;
        proces->Code = g.Code;
        Verzend();
        ASSERT_EQ(url->Geopend.size(), 1u);
        const QUrl mailto = url->Geopend[0];
        EXPECT_EQ(mailto.scheme(), QStringLiteral("mailto"));
        EXPECT_TRUE(mailto.path().isEmpty());
        const QUrlQuery q(mailto);
        EXPECT_EQ(q.queryItemValue(QStringLiteral("subject"), QUrl::FullyDecoded),
                  QStringLiteral("Uitvoerbestand tarvolingrader"));
        EXPECT_EQ(
            q.queryItemValue(QStringLiteral("body"), QUrl::FullyDecoded),
            QString(Body()).replace(QStringLiteral("J. Jansen"), QStringLiteral("Jansen & Zn.?body=x#y")));
        const QString reden = QLatin1String(g.Reden);
        if (g.MailtoLukt)
            EXPECT_EQ(Meldingen(TBerichtSoort::Informatie),
                      QStringList{QStringLiteral("The mail program could not attach the farm file (") +
                                  reden +
                                  QStringLiteral(").\nA new message has been opened: attach the file\n") +
                                  bestand + QStringLiteral("\nto it by hand.")});
        else
            EXPECT_EQ(Meldingen(TBerichtSoort::Fout),
                      QStringList{QStringLiteral("No mail program could be started (") + reden +
                                  QStringLiteral(").\nSend the file\n") + bestand +
                                  QStringLiteral("\nby mail by hand.")});
    }
}

} // namespace

namespace {
TEST(TQtProcesStarter, ReportsTheExitCodeOrMinusOneWhenNothingStarts) {
    TQtProcesStarter starter;
    QObject context;
    std::map<QString, int> codes;
    const auto start = [&](const QString& programma) {
        starter.Start(programma, {}, &context, [&codes, programma](int code) { codes[programma] = code; });
    };
    start(starter.Zoek(QStringLiteral("true")));
    start(starter.Zoek(QStringLiteral("false")));
    start(QStringLiteral("/nonexistent/xdg-email"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return codes.size() == 3; }, 5000));
    EXPECT_EQ(codes[starter.Zoek(QStringLiteral("true"))], 0);
    EXPECT_EQ(codes[starter.Zoek(QStringLiteral("false"))], 1);
    EXPECT_EQ(codes[QStringLiteral("/nonexistent/xdg-email")], -1);
}
} // namespace
