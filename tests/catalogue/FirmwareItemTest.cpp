#include "FirmwareItem.h"

#include <QHash>
#include <QSet>
#include <gtest/gtest.h>
#include <unordered_set>

namespace {

FirmwareItem sample()
{
    return {"Caf\u00e9 X5",         "1A86", "E0A1", "V1", "2023 Co.", QUrl("http://s/fw.bin"),
            QUrl("http://s/fw.txt")};
}

} // namespace

TEST(FirmwareItem, EveryFieldTakesPartInEquality)
{
    const FirmwareItem base = sample();
    const auto differsFromBase = [&base](auto change) {
        FirmwareItem other = base;
        change(other);
        return other != base && !(other == base);
    };
    EXPECT_TRUE(differsFromBase([](FirmwareItem &i) { i.product = "caf\u00e9 X5"; }));
    EXPECT_TRUE(differsFromBase([](FirmwareItem &i) { i.vid = "1A87"; }));
    EXPECT_TRUE(differsFromBase([](FirmwareItem &i) { i.pid = "E0A2"; }));
    EXPECT_TRUE(differsFromBase([](FirmwareItem &i) { i.version = "V2"; }));
    EXPECT_TRUE(differsFromBase([](FirmwareItem &i) { i.copyright = "2024 Co."; }));
    EXPECT_TRUE(differsFromBase([](FirmwareItem &i) { i.firmwareURL = QUrl("http://s/x"); }));
    EXPECT_TRUE(differsFromBase([](FirmwareItem &i) { i.notesURL = QUrl("http://s/x"); }));
    EXPECT_EQ(base, sample());
}

TEST(FirmwareItem, CanonicallyEquivalentTextsAreEqualAndHashAlike)
{
    FirmwareItem decomposed = sample();
    decomposed.product = "Cafe\u0301 X5";
    decomposed.copyright = "2023 Co.";
    const FirmwareItem precomposed = sample();
    ASSERT_NE(decomposed.product, precomposed.product);

    EXPECT_EQ(decomposed, precomposed);
    EXPECT_EQ(qHash(decomposed, 7), qHash(precomposed, 7));
    EXPECT_EQ(std::hash<FirmwareItem>{}(decomposed), std::hash<FirmwareItem>{}(precomposed));

    QSet<FirmwareItem> qtSet{precomposed};
    EXPECT_TRUE(qtSet.contains(decomposed));
    std::unordered_set<FirmwareItem> stdSet{precomposed};
    EXPECT_EQ(stdSet.count(decomposed), 1u);

    // Equivalence is canonical only: a compatibility variant (the "ﬁ" ligature) stays apart.
    FirmwareItem ligature = sample();
    ligature.version = "\uFB01";
    FirmwareItem letters = sample();
    letters.version = "fi";
    EXPECT_NE(ligature, letters);
}

TEST(FirmwareItem, UrlsCompareByTheirText)
{
    FirmwareItem a = sample();
    FirmwareItem b = sample();
    a.firmwareURL = QUrl("fw.bin");
    b.firmwareURL = QUrl("./fw.bin");
    EXPECT_NE(a, b);
    b.firmwareURL = QUrl("fw.bin");
    EXPECT_EQ(a, b);
    EXPECT_EQ(qHash(a), qHash(b));
}
