// The version file's lines, the program name in the about box, and the about box and web
// site commands of the Help menu.
#include "KtInfoBox.h"
#include "Nepomgeving.h"

#include <QListWidget>
#include <QMouseEvent>

namespace {

struct TRegelGeval {
    const char* Naam;
    QByteArray Inhoud;
    std::array<const char*, 4> Regels;
};

class VersieRegelsTest : public ::testing::TestWithParam<TRegelGeval> {};

TEST_P(VersieRegelsTest, FourLinesEachEndedByNulLineFeedOrCarriageReturn) {
    const auto regels = LeesVersieRegels(GetParam().Inhoud);
    for (std::size_t i = 0; i < 4; ++i)
        EXPECT_EQ(regels[i], QString::fromUtf8(GetParam().Regels[i])) << i;
}

INSTANTIATE_TEST_SUITE_P(
    Bestand, VersieRegelsTest,
    ::testing::Values(TRegelGeval{"CR",
                                  QByteArray("Tarvo\r2012.00\r5 April 2012\rhttp://x/"),
                                  {"Tarvo", "2012.00", "5 April 2012", "http://x/"}},
                      TRegelGeval{"LF",
                                  QByteArray("Tarvo\n2013.00\n1 May\nhttp://x/\n"),
                                  {"Tarvo", "2013.00", "1 May", "http://x/"}},
                      TRegelGeval{"CRLF",
                                  QByteArray("Tarvo\r\n2013.00\r\n1 May\r\nhttp://x/\r\n"),
                                  {"Tarvo", "2013.00", "1 May", "http://x/"}},
                      TRegelGeval{"Nul",
                                  QByteArray("Tarvo\0"
                                             "2013.00\0"
                                             "1 May\0"
                                             "http://x/",
                                             29),
                                  {"Tarvo", "2013.00", "1 May", "http://x/"}},
                      // Blank lines between the lines are skipped, but an empty line at a NUL is not.
                      TRegelGeval{"BlankLinesSkipped",
                                  QByteArray("Tarvo\r\n\r\n\n2013.00\n\r1 May"),
                                  {"Tarvo", "2013.00", "1 May", ""}},
                      TRegelGeval{"NulThenNul",
                                  QByteArray("Tarvo\0\0"
                                             "2013.00",
                                             14),
                                  {"Tarvo", "", "2013.00", ""}},
                      TRegelGeval{"TwoLines", QByteArray("Tarvo\n2013.00"), {"Tarvo", "2013.00", "", ""}},
                      TRegelGeval{"Empty", QByteArray(), {"", "", "", ""}},
                      TRegelGeval{"OnlyLineEnds", QByteArray("\r\n\r\n"), {"", "", "", ""}},
                      TRegelGeval{"FifthLineIgnored", QByteArray("a\nb\nc\nd\ne\n"), {"a", "b", "c", "d"}}),
    [](const auto& info) { return std::string(info.param.Naam); });

TEST(NaamInRegels, BreaksANameLongerThanFortyAtTheLastBlankBeforePositionForty) {
    const QString veertig = QStringLiteral("Tarvolingrade PLUS for dairy farms 12345");
    ASSERT_EQ(veertig.size(), 40);
    EXPECT_EQ(NaamInRegels(veertig), veertig);
    const QString eenenveertig = veertig + u'6';
    EXPECT_EQ(NaamInRegels(eenenveertig), QStringLiteral("Tarvolingrade PLUS for dairy farms\n123456"));
    // A blank at position 40 itself does not count.
    const QString blank40 = QString(39, u'x') + QStringLiteral(" yz");
    EXPECT_EQ(NaamInRegels(blank40), u'\n' + blank40);
    const QString blank39 = QString(38, u'x') + QStringLiteral(" yzz");
    EXPECT_EQ(NaamInRegels(blank39), QString(38, u'x') + QStringLiteral("\nyzz"));
    EXPECT_EQ(NaamInRegels(QString(41, u'x')), u'\n' + QString(41, u'x'));
}

using InfoBoxTest = OndersteuningTest;

TEST_F(InfoBoxTest, TheAboutBoxShowsTheProgramsIdentity) {
    QStringList gezien;
    int boven = -1;
    vensters->BijTonen = [&](QDialog& d) {
        auto& frm = dynamic_cast<TFrmInfo&>(d);
        gezien << frm.windowTitle() << frm.LblProgrammaNaam->text() << frm.LblVersie->text()
               << frm.LblDatum->text() << frm.LblProgrammeur->text() << frm.LblProgrammaAfkorting->text()
               << frm.LblBDEVersie->text() << frm.LblHelpdesk->text() << frm.LblWebsite->text();
        EXPECT_TRUE(frm.LblDlls->isHidden());
        EXPECT_EQ(frm.LstDlls->count(), 0);
        boven = frm.LblProgrammaNaam->contentsMargins().top();
        // A press on the web address opens the site.
        QMouseEvent druk(QEvent::MouseButtonPress, QPointF(2, 2), QPointF(2, 2), Qt::LeftButton,
                         Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(frm.LblWebsite, &druk);
    };
    w->Actie(QStringLiteral("MitInfo"))->trigger();
    EXPECT_EQ(gezien, (QStringList{"Info", "Tarvolingrade PLUS", "2012.00", "5 April 2012",
                                   w->InfoBox.Programmeur, "Tarvolingrade", "n.v.t.", w->InfoBox.Helpdesk,
                                   "http://tarvolingrade.example.org"}));
    EXPECT_EQ(boven, 20);
    ASSERT_EQ(url->Geopend.size(), 1u);
    EXPECT_EQ(url->Geopend[0], QUrl(QStringLiteral("http://tarvolingrade.example.org")));

    // A long name takes two lines and stays up.
    w->InfoBox.ProgNaam = QStringLiteral("Tarvolingrade PLUS for dairy farms 123456");
    vensters->BijTonen = [&](QDialog& d) {
        auto& frm = dynamic_cast<TFrmInfo&>(d);
        EXPECT_EQ(frm.LblProgrammaNaam->text(), QStringLiteral("Tarvolingrade PLUS for dairy farms\n123456"));
        EXPECT_EQ(frm.LblProgrammaNaam->contentsMargins().top(), 0);
    };
    w->Actie(QStringLiteral("MitInfo"))->trigger();
    EXPECT_TRUE(Meldingen().isEmpty());
}

TEST_F(InfoBoxTest, AWebSiteThatCannotBeOpenedIsTold) {
    url->Gelukt = false;
    w->Actie(QStringLiteral("Website1"))->trigger();
    ASSERT_EQ(Meldingen(TBerichtSoort::Fout).size(), 1);
    EXPECT_TRUE(
        Meldingen(TBerichtSoort::Fout)[0].startsWith(QStringLiteral("Error in procedure GotoWebsite: ")));
}

} // namespace
