#include "TestOmgeving.h"
#include "Vervangen.h"

#include <QFile>

#include <gtest/gtest.h>

#include <unistd.h>

namespace {
// Two names are one file by what they lead to, not by how they are spelled: a hard link
// stands in here for another spelling on a folder that ignores case.
TEST(ZelfdeBestand, NaarWatDeNamenLeiden) {
    TTestOmgeving omg;
    const QString a = omg.Schrijf(QStringLiteral("boeren.inv"), "x");
    const QString b = omg.Schrijf(QStringLiteral("ander.inv"), "x");
    const QString hard = omg.Map() + QStringLiteral("/Boeren.inv");
    const QString zacht = omg.Map() + QStringLiteral("/link.out");
    const QString weg = omg.Map() + QStringLiteral("/ontbreekt");
    ASSERT_EQ(::link(QFile::encodeName(a).constData(), QFile::encodeName(hard).constData()), 0);
    ASSERT_TRUE(QFile::link(a, zacht));
    EXPECT_TRUE(ZelfdeBestand(hard, a));
    EXPECT_TRUE(ZelfdeBestand(a, zacht));
    EXPECT_TRUE(ZelfdeBestand(omg.Map() + QStringLiteral("/./boeren.inv"), a));
    EXPECT_FALSE(ZelfdeBestand(a, b));
    EXPECT_FALSE(ZelfdeBestand(a, weg));
    EXPECT_FALSE(ZelfdeBestand(weg, weg));
}
} // namespace
