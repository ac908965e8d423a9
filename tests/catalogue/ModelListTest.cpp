#include "ModelList.h"

#include <gtest/gtest.h>

namespace {

FirmwareItem item(const QString &product, const QString &version)
{
    return {product, "1A86", "E0A1", version, "Co", QUrl("http://s/f"), QUrl("http://s/n")};
}

QStringList versions(const QList<FirmwareItem> &items)
{
    QStringList result;
    for (const FirmwareItem &i : items) {
        result.append(i.version);
    }
    return result;
}

} // namespace

TEST(ModelList, DistinctNamesInOrderOfFirstAppearance)
{
    const QList<FirmwareItem> items = {item("B", "1"), item("A", "1"), item("B", "2"),
                                       item("b", "1"), item("", "1"),  item("A", "2")};
    EXPECT_EQ(deriveProducts(items), QStringList({"B", "A", "b", ""}));
    EXPECT_TRUE(deriveProducts({}).isEmpty());
}

TEST(ModelList, CanonicallyEquivalentNamesAreOneModel)
{
    const QString precomposed = QStringLiteral("Caf\u00e9");
    const QString decomposed = QStringLiteral("Cafe\u0301");
    const QList<FirmwareItem> items = {item(precomposed, "1"), item("X", "1"),
                                       item(decomposed, "2")};
    EXPECT_EQ(deriveProducts(items), QStringList({precomposed, "X"}));
    EXPECT_EQ(versions(firmwareForProduct(items, decomposed)), QStringList({"1", "2"}));
    EXPECT_TRUE(sameProductName(precomposed, decomposed));
    EXPECT_FALSE(sameProductName("Cafe", precomposed));
}

TEST(ModelList, FirmwareOfAModelInCatalogueOrderWithDuplicates)
{
    const QList<FirmwareItem> items = {item("A", "3"), item("B", "9"), item("A", "1"),
                                       item("A", "1"), item("a", "7")};
    EXPECT_EQ(versions(firmwareForProduct(items, QString("A"))), QStringList({"3", "1", "1"}));
    EXPECT_TRUE(firmwareForProduct(items, std::nullopt).isEmpty());
    EXPECT_TRUE(firmwareForProduct(items, QString("C")).isEmpty());
    EXPECT_EQ(firmwareForProduct({item("", "1")}, QString()).size(), 1);
}

TEST(ModelList, DisplayNameDropsEveryExactMakerWord)
{
    EXPECT_EQ(displayProductName("MORVANE X5"), "X5");
    EXPECT_EQ(displayProductName("MORVANE MORVANE X5"), "X5");
    EXPECT_EQ(displayProductName("X5 MORVANE Pro"), "X5 Pro");
    EXPECT_EQ(displayProductName("Morvane X5"), "Morvane X5");
    EXPECT_EQ(displayProductName("MORVANEX5"), "MORVANEX5");
    EXPECT_EQ(displayProductName("X5 MORVANE"), "X5 MORVANE");
    EXPECT_EQ(displayProductName("MORVANE\u00A0X5"), "MORVANE\u00A0X5");
    // One left-to-right pass: removing the inner word does not form a new one to remove.
    EXPECT_EQ(displayProductName("MORVANMORVANE E X5"), "MORVANE X5");
}
