#include "catalogue/ModelList.h"

#include "catalogue/ModelIndex.h"

#include <gtest/gtest.h>

namespace {

FirmwareItem item(const QString &product, const QString &version, const QString &vid = "1A86")
{
    return {product, vid, "E0A1", version, "Co", QUrl("http://s/f"), QUrl("http://s/n")};
}

} // namespace

// That canonically equivalent spellings are one record, with one hash, is the fuzz target's to
// hold; here, that every field counts and that equivalence stops at the canonical kind.
TEST(FirmwareItem, EveryFieldComparesUnderCanonicalEquivalence)
{
    const FirmwareItem base = item("Caf\u00e9", "V1");
    for (QString FirmwareItem::*text :
         {&FirmwareItem::product, &FirmwareItem::vid, &FirmwareItem::pid, &FirmwareItem::version,
          &FirmwareItem::copyright, &FirmwareItem::digest}) {
        FirmwareItem other = base;
        (other.*text) += u'x';
        EXPECT_NE(other, base);
    }
    for (CatalogueUrl FirmwareItem::*url : {&FirmwareItem::firmwareURL, &FirmwareItem::notesURL}) {
        FirmwareItem other = base;
        other.*url = QUrl("http://s/x");
        EXPECT_NE(other, base);
    }
    // Letter case and compatibility variants (the "ﬁ" ligature) stay apart, while singletons
    // such as the angstrom sign join their letter.
    EXPECT_NE(item("caf\u00e9", "V1"), base);
    EXPECT_NE(item("A", "\uFB01"), item("A", "fi"));
    EXPECT_EQ(item("\u212B", "V1"), item("A\u030A", "V1"));
}

// Order of first appearance, the partition and agreement with plain passes are the fuzz
// target's to hold; here, other spellings of one model, which random bytes seldom make, and the
// ids each model names (the window's marks) and the models each pair is named by (the command
// line's devices and doctor).
TEST(ModelList, OtherSpellingsOfAModelAreOneModel)
{
    const QString precomposed = QStringLiteral("Caf\u00e9");
    const QString decomposed = QStringLiteral("Cafe\u0301");
    const QList<FirmwareItem> items = {item("B", "1"),         item(precomposed, "1"),
                                       item("b", "1", "1"),    item("B", "2", "XYZ"),
                                       item("", "1"),          item(decomposed, "2", "2"),
                                       item("B", "2", "0001"), item(precomposed, "3", "1A86")};
    const ModelIndex index(items);
    EXPECT_EQ(index.products(), QStringList({"B", precomposed, "b", ""}));
    EXPECT_EQ(index.recordsOf(decomposed), QList<qsizetype>({1, 5, 7}));
    EXPECT_TRUE(index.recordsOf(QStringLiteral("C")).isEmpty());

    const UsbIds first{0x1A86, 0xE0A1};
    const UsbIds second{0x0001, 0xE0A1};
    const UsbIds third{0x0002, 0xE0A1};
    EXPECT_EQ(index.idsOf(0), std::vector<UsbIds>({first, second}));
    EXPECT_EQ(index.idsOf(1), std::vector<UsbIds>({first, third}));
    EXPECT_EQ(index.idsOf(2), std::vector<UsbIds>({second}));
    const std::vector<CarriedIds> &carried = index.carriedIds();
    ASSERT_EQ(carried.size(), 3u);
    EXPECT_EQ(std::vector<UsbIds>({carried[0].ids, carried[1].ids, carried[2].ids}),
              std::vector<UsbIds>({first, second, third}));
    EXPECT_EQ(carried[0].models, QStringList({"B", precomposed, ""}));
    EXPECT_EQ(carried[1].models, QStringList({"b", "B"}));
    EXPECT_EQ(carried[2].models, QStringList({precomposed}));
}

TEST(ModelList, DisplayNameDropsEveryExactMakerWord)
{
    // The last case is one left-to-right pass: removing the inner word forms no new one.
    const std::pair<const char *, const char *> cases[] = {
        {"MORVANE MORVANE X5", "X5"},        {"X5 MORVANE Pro", "X5 Pro"},
        {"Morvane X5", "Morvane X5"},        {"MORVANEX5", "MORVANEX5"},
        {"X5 MORVANE", "X5 MORVANE"},        {"MORVANE\u00A0X5", "MORVANE\u00A0X5"},
        {"MORVANMORVANE E X5", "MORVANE X5"}};
    for (const auto &[product, shown] : cases) {
        EXPECT_EQ(displayProductName(QString::fromUtf8(product)), QString::fromUtf8(shown));
    }
}
