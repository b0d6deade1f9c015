#include "Startup.h"

#include <gtest/gtest.h>

namespace {
struct VersieGeval {
    const char* Format;
    const char* Verwacht;
};

class GetVersieTest : public ::testing::TestWithParam<VersieGeval> {};

TEST_P(GetVersieTest, GeeftDeGekozenDelen) {
    EXPECT_EQ(GetVersie(QString::fromLatin1(GetParam().Format)).toStdString(), GetParam().Verwacht);
}

INSTANTIATE_TEST_SUITE_P(Formaten, GetVersieTest,
                         ::testing::Values(VersieGeval{"VD", "2012.00 - 5 April 2012"},
                                           VersieGeval{"vd", "2012.00 - 5 April 2012"},
                                           VersieGeval{"V", "2012.00"}, VersieGeval{"VERSION", "2012.00"},
                                           VersieGeval{"D", "5 April 2012"},
                                           VersieGeval{"PVD", "Tarvolingrade 2012.00 - 5 April 2012"},
                                           VersieGeval{"P", "Tarvolingrade"}, VersieGeval{"xyz", ""},
                                           VersieGeval{"", ""},
                                           // A D after the first position gets its "-", even when it repeats.
                                           VersieGeval{"DV", "5 April 2012 2012.00"},
                                           VersieGeval{"VDD", "2012.00 - 5 April 2012- 5 April 2012"}));

TEST(BestandVersie, IsJaarEnSubnummerVanDeVersie) {
    EXPECT_EQ(BerekenBestandVersie(), 201200);
}
} // namespace
