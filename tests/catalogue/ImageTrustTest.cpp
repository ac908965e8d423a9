#include "CatalogueTrust.h"
#include "FirmwareListParser.h"
#include "ImageDigest.h"
#include "WebAddress.h"

#include <QSet>
#include <gtest/gtest.h>

namespace {

const QString digestOfAbc =
    QStringLiteral("sha256:ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");

QString lineWithField8(const QString &field8)
{
    return QStringLiteral("X;1;2;V;C;http://s/f.bin;http://s/n.txt;") + field8;
}

} // namespace

TEST(ImageDigest, Field8IsKeptOnlyWhenItClaimsADigestAndIsJudgedBeforeAnyDownload)
{
    const struct
    {
        QString field8;
        QString kept;
        ImageDigest::State state;
        bool refusedWithoutKey;
        bool refusedWithKey;
    } cases[] = {
        {"", "", ImageDigest::State::absent, false, true},
        {"beta build", "", ImageDigest::State::absent, false, true},
        {"SHA256:" + digestOfAbc.mid(7), "", ImageDigest::State::absent, false, true},
        {" " + digestOfAbc + " ;later", digestOfAbc, ImageDigest::State::valid, false, false},
        {digestOfAbc.toUpper().replace("SHA256:", "sha256:"),
         digestOfAbc.toUpper().replace("SHA256:", "sha256:"), ImageDigest::State::valid, false,
         false},
        {digestOfAbc.chopped(1), digestOfAbc.chopped(1), ImageDigest::State::malformed, true, true},
        {digestOfAbc + "0", digestOfAbc + "0", ImageDigest::State::malformed, true, true},
        {digestOfAbc.chopped(1) + "g", digestOfAbc.chopped(1) + "g", ImageDigest::State::malformed,
         true, true},
        {"sha256:", "sha256:", ImageDigest::State::malformed, true, true},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.field8.toStdString());
        const QList<FirmwareItem> items = parseFirmwareList(lineWithField8(c.field8));
        ASSERT_EQ(items.size(), 1);
        EXPECT_EQ(items.first().digest, c.kept);
        const ImageDigest digest = parseImageDigest(items.first().digest);
        EXPECT_EQ(digest.state, c.state);
        EXPECT_EQ(flashRefusal(items.first(), false).has_value(), c.refusedWithoutKey);
        EXPECT_EQ(flashRefusal(items.first(), true).has_value(), c.refusedWithKey);
        if (c.state == ImageDigest::State::valid) {
            EXPECT_FALSE(imageDigestMismatch(digest, "abc").has_value());
        }
    }
    const std::optional<QString> why = flashRefusal(
        parseFirmwareList(lineWithField8("sha256:" + QString(5000, 'x'))).first(), false);
    ASSERT_TRUE(why.has_value());
    EXPECT_LT(why->size(), 250);
}

TEST(ImageDigest, RecordsThatDifferOnlyInTheirDigestDiffer)
{
    const FirmwareItem plain = parseFirmwareList(lineWithField8("")).first();
    const FirmwareItem bound = parseFirmwareList(lineWithField8(digestOfAbc)).first();
    EXPECT_NE(plain, bound);
    EXPECT_EQ(QSet<FirmwareItem>({plain, bound, bound}).size(), 2);
    EXPECT_EQ(qHash(bound), qHash(parseFirmwareList(lineWithField8(digestOfAbc)).first()));
}

TEST(ImageDigest, AMismatchNamesBothDigestsShortened)
{
    const ImageDigest expected = parseImageDigest(digestOfAbc);
    const std::optional<QString> mismatch = imageDigestMismatch(expected, "abd");
    ASSERT_TRUE(mismatch.has_value());
    EXPECT_TRUE(mismatch->contains(QStringLiteral("expected sha256:ba7816bf\u2026f20015ad")));
    const QString received = shortDigestText(sha256Of("abd"));
    EXPECT_TRUE(mismatch->contains("received " + received)) << mismatch->toStdString();
    EXPECT_EQ(received.size(), 7 + 8 + 1 + 8);
    EXPECT_FALSE(imageDigestMismatch({}, "anything").has_value());
}

TEST(WebAddress, OnlyAbsoluteHttpAndHttpsAddressesAreFetched)
{
    for (const char *fetched : {"http://s/f.bin", "HTTPS://s:8443/a?b#c"}) {
        EXPECT_FALSE(webAddressProblem(QUrl(fetched)).has_value()) << fetched;
    }
    for (const char *refused :
         {"file:///etc/hostname", "data:application/octet-stream,AAAA", "ftp://s/f.bin", "f.bin",
          "//s/f.bin", "/etc/passwd", "http:f.bin", "javascript:alert(1)", "qrc:/demo/x"}) {
        const std::optional<QString> why = webAddressProblem(QUrl(refused));
        ASSERT_TRUE(why.has_value()) << refused;
        EXPECT_TRUE(why->contains(QUrl(refused).toDisplayString())) << refused;
    }
}
