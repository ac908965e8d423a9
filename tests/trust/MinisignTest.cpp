#include "MinisignTool.h"
#include "trust/CatalogueSignature.h"
#include "trust/MinisignKey.h"

#include <gtest/gtest.h>

namespace {

const QByteArray list = "MORVANE X1;1a86;e0a1;V2;c;http://s/x1.bin;http://s/x1.txt;sha256:"
                        "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad\n";

} // namespace

TEST(MinisignKey, IsReadAsUsersPasteIt)
{
    const MinisignTool tool;
    const QString line = tool.publicKeyLine();
    const QString file = QString::fromLatin1(tool.publicKeyFile());
    const ParsedMinisignPublicKey reference = parseMinisignPublicKey(line);
    ASSERT_TRUE(reference.key.has_value()) << reference.error.toStdString();
    // The file's comment names the key id as minisign prints it.
    EXPECT_TRUE(file.contains(minisignKeyIdText(reference.key->keyId)));

    for (const QString &pasted : {file, "  " + line + " \r\n", QString(file).replace("\n", "\r\n"),
                                  "\n\n" + file + "\n\n"}) {
        const ParsedMinisignPublicKey parsed = parseMinisignPublicKey(pasted);
        ASSERT_TRUE(parsed.key.has_value()) << pasted.toStdString();
        EXPECT_EQ(parsed.key->key, reference.key->key);
        EXPECT_EQ(parsed.key->keyId, reference.key->keyId);
    }
    for (const QString &wrong :
         {QString(), line.chopped(4), line + line, line + "\n" + line,
          QStringLiteral("untrusted comment: x"), QString(line).replace(0, 2, "RU"),
          QString(line).replace(10, 1, "*")}) {
        EXPECT_FALSE(parseMinisignPublicKey(wrong).key.has_value()) << wrong.toStdString();
    }
    // A build's active and standby keys: files or lines one after the other, each key once.
    const MinisignTool standby;
    const QList<MinisignPublicKey> keys =
        parseMinisignPublicKeys(file + QString::fromLatin1(standby.publicKeyFile()) + line).keys;
    ASSERT_EQ(keys.size(), 2);
    EXPECT_EQ(keys.first().key, reference.key->key);
    EXPECT_EQ(keys.last().key, parseMinisignPublicKey(standby.publicKeyLine()).key->key);
}

// Arbitrary signature files are the fuzz target's; here, what the real program writes, and the
// changes it can make itself.
TEST(CatalogueSignature, SignaturesOfTheRealProgramVerifyAndAnyChangeIsRefused)
{
    MinisignTool publisher;
    MinisignTool stranger;
    const MinisignPublicKey key = *parseMinisignPublicKey(publisher.publicKeyLine()).key;
    for (const bool legacy : {false, true}) {
        SCOPED_TRACE(legacy ? "legacy" : "pre-hashed");
        const QByteArray signature = publisher.sign(list, legacy);
        EXPECT_EQ(catalogueSignatureProblem(list, signature, key), std::nullopt);
        EXPECT_EQ(catalogueSignatureProblem(list, QByteArray(signature).replace("\n", "\r\n"), key),
                  std::nullopt);

        QByteArray oneByte = list;
        oneByte[10] = char(oneByte[10] ^ 0x01);
        const struct
        {
            QByteArray list;
            QByteArray signature;
            const char *reason;
        } refused[] = {
            {oneByte, signature, "does not match"},
            {list + "X;1;2;3;4;http://s/a;http://s/b\n", signature, "does not match"},
            {list, stranger.sign(list, legacy), "another key"},
            {list, QByteArray(signature).replace("timestamp:0", "timestamp:1"), "trusted comment"},
            // Without its trusted comment and global signature.
            {list, signature.left(signature.lastIndexOf('\n', signature.size() - 2)), "malformed"},
        };
        for (const auto &c : refused) {
            SCOPED_TRACE(c.reason);
            const std::optional<QString> problem =
                catalogueSignatureProblem(c.list, c.signature, key);
            ASSERT_TRUE(problem.has_value());
            EXPECT_TRUE(problem->contains(c.reason)) << problem->toStdString();
        }
    }
}

// The plain case is every signed catalogue test's; a query stays after the path.
TEST(CatalogueSignature, IsPublishedBesideTheListFile)
{
    EXPECT_EQ(catalogueSignatureURL(QUrl("http://s/a%20b/L.txt?x=1")),
              QUrl("http://s/a%20b/L.txt.minisig?x=1"));
}
