#include "trust/MinisignKey.h"

#include "trust/MinisignBase64.h"

#include <QCoreApplication>
#include <QStringList>
#include <algorithm>
#include <cstring>

namespace {

constexpr QStringView untrustedCommentPrefix = u"untrusted comment:";

struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(MinisignKey)
};

} // namespace

QString minisignKeyIdText(const MinisignKeyId &keyId)
{
    quint64 value = 0;
    for (auto it = keyId.rbegin(); it != keyId.rend(); ++it) {
        value = (value << 8) | *it;
    }
    return QString::number(value, 16).toUpper();
}

ParsedMinisignPublicKey parseMinisignPublicKey(QStringView text)
{
    QList<QStringView> lines;
    for (const QStringView line : text.split(u'\n')) {
        if (const QStringView trimmed = line.trimmed(); !trimmed.isEmpty()) {
            lines.append(trimmed);
        }
    }
    if (!lines.isEmpty() && lines.first().startsWith(untrustedCommentPrefix)) {
        lines.removeFirst();
    }
    if (lines.size() != 1) {
        return {std::nullopt, Texts::tr("A minisign public key is one line of base64 text, "
                                        "optionally after its \"untrusted comment:\" line.")};
    }
    const std::optional<QByteArray> bytes = decodeMinisignBase64(lines.first().toLatin1());
    MinisignPublicKey key;
    if (!bytes || bytes->size() != qsizetype(2 + key.keyId.size() + key.key.size())) {
        return {std::nullopt, Texts::tr("The public key is not valid minisign base64 text.")};
    }
    if (!bytes->startsWith("Ed")) {
        return {std::nullopt, Texts::tr("The public key is not an Ed25519 minisign key.")};
    }
    std::memcpy(key.keyId.data(), bytes->constData() + 2, key.keyId.size());
    std::memcpy(key.key.data(), bytes->constData() + 2 + key.keyId.size(), key.key.size());
    return {key, QString()};
}

ParsedMinisignPublicKeys parseMinisignPublicKeys(QStringView text)
{
    ParsedMinisignPublicKeys parsed;
    for (const QStringView line : text.split(u'\n')) {
        if (line.trimmed().startsWith(untrustedCommentPrefix)) {
            continue;
        }
        for (const QStringView word : line.split(u' ', Qt::SkipEmptyParts)) {
            ParsedMinisignPublicKey one = parseMinisignPublicKey(word);
            if (!one.key) {
                return {{}, one.error};
            }
            const auto sameId = std::find_if(
                parsed.keys.cbegin(), parsed.keys.cend(),
                [&](const MinisignPublicKey &key) { return key.keyId == one.key->keyId; });
            if (sameId == parsed.keys.cend()) {
                parsed.keys.append(*one.key);
            } else if (sameId->key != one.key->key) {
                return {{},
                        Texts::tr("Two different keys have the key ID %1: a signature "
                                  "could not tell them apart.")
                            .arg(minisignKeyIdText(one.key->keyId))};
            }
        }
    }
    if (parsed.keys.isEmpty()) {
        parsed.error = Texts::tr("No minisign public key is given.");
    }
    return parsed;
}
