#include "catalogue/FirmwareListParser.h"
#include "trust/CatalogueTrust.h"
#include "trust/ImageDigest.h"

#include <gtest/gtest.h>

namespace {

const QString digestOfAbc =
    QStringLiteral("sha256:ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");

FirmwareItem recordWithField8(const QString &field8)
{
    return parseFirmwareList("X;1;2;V;C;http://s/f.bin;http://s/n.txt;" + field8).value(0);
}

} // namespace

// Which texts are well-formed digests, and that an image passes under its own digest in either
// letter case, is the fuzz target's to hold; here, what field 8 makes of a record and whether it
// may be flashed.
TEST(ImageDigest, Field8IsKeptOnlyWhenItClaimsADigestAndIsJudgedBeforeAnyDownload)
{
    using enum ImageDigest::State;
    const QString upper = digestOfAbc.toUpper().replace("SHA256:", "sha256:");
    const QString badHex = digestOfAbc.chopped(1) + "g";
    const struct
    {
        QString field8;
        QString kept;
        ImageDigest::State state;
        bool refusedWithoutKey;
        bool refusedWithKey;
    } cases[] = {
        {"", "", absent, false, true},
        {"beta build", "", absent, false, true},
        {"SHA256:" + digestOfAbc.mid(7), "", absent, false, true},
        {" " + digestOfAbc + " ;later", digestOfAbc, valid, false, false},
        {upper, upper, valid, false, false},
        {badHex, badHex, malformed, true, true},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.field8.toStdString());
        const FirmwareItem item = recordWithField8(c.field8);
        EXPECT_EQ(item.digest, c.kept);
        EXPECT_EQ(parseImageDigest(item.digest).state, c.state);
        EXPECT_EQ(flashRefusal(item, false).has_value(), c.refusedWithoutKey);
        EXPECT_EQ(flashRefusal(item, true).has_value(), c.refusedWithKey);
    }
    const std::optional<QString> why =
        flashRefusal(recordWithField8("sha256:" + QString(5000, 'x')), false);
    ASSERT_TRUE(why.has_value());
    EXPECT_LT(why->size(), 250);
}

TEST(ImageDigest, AMismatchNamesBothDigestsShortened)
{
    const std::optional<QString> mismatch =
        imageDigestMismatch(parseImageDigest(digestOfAbc), "abd");
    ASSERT_TRUE(mismatch.has_value());
    EXPECT_TRUE(mismatch->contains(QStringLiteral("expected sha256:ba7816bf\u2026f20015ad")));
    EXPECT_TRUE(mismatch->contains(QStringLiteral("received sha256:a52d159f\u2026298449c9")));
    // Two digests that share their first and last eight digits are shown whole.
    const QByteArray a = QByteArray::fromHex("e346e098" + QByteArray(48, 'a') + "badd869c");
    const QByteArray b = QByteArray::fromHex("e346e098" + QByteArray(48, 'b') + "badd869c");
    EXPECT_EQ(digestMismatchText(a, b),
              "expected sha256:" + a.toHex() + ", received sha256:" + b.toHex());
}
