#include "update/NextSteps.h"

#include "catalogue/FirmwareListParser.h"
#include "catalogue/ServerTextDecoder.h"
#include "trust/CatalogueSignature.h"
#include "trust/MinisignSignature.h"

#include <QCoreApplication>
#include <algorithm>

namespace {

struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(NextSteps)
};

// The list with its line ends the other way round: what a text-mode upload makes of it.
QByteArray otherLineEnds(QByteArrayView list)
{
    QByteArray bytes = list.toByteArray();
    if (bytes.contains("\r\n")) {
        return bytes.replace("\r\n", "\n");
    }
    return bytes.replace("\n", "\r\n");
}

} // namespace

QString signatureNextStep(QByteArrayView list, QByteArrayView signature,
                          const QList<MinisignPublicKey> &keys)
{
    const ParsedMinisignSignature parsed = parseMinisignSignature(signature);
    if (parsed.signature &&
        std::none_of(keys.cbegin(), keys.cend(), [&](const MinisignPublicKey &key) {
            return key.keyId == parsed.signature->keyId;
        })) {
        return Texts::tr("For a key rotation, sign with the new key and judge it by that "
                         "key's public half: morvane-flash sign --public-key NEW.pub.");
    }
    if (!checkCatalogueSignature(otherLineEnds(list), signature, keys).problem) {
        return Texts::tr("Its line ends were changed after it was signed (CR LF and LF), as "
                         "an upload in text mode does: upload the list unchanged, as "
                         "binary, or sign it again with morvane-flash sign.");
    }
    return Texts::tr("The list or its signature was changed after it was signed: sign it "
                     "again with morvane-flash sign.");
}

QString signatureDatesNextStep(const SignatureDates &dates)
{
    if (!dates.timestamp || !dates.malformedToken.isEmpty()) {
        return Texts::tr("Sign it with morvane-flash sign, which writes the timestamp: and "
                         "expires: the updater reads.");
    }
    return Texts::tr("Sign it again with morvane-flash sign.");
}

QString lineNextStep(const QStringList &fields)
{
    if (!fields.isEmpty() && fields.first().trimmed().startsWith(QLatin1Char('#'))) {
        return Texts::tr("The list format has no comments: delete the line, or keep notes "
                         "about the list elsewhere.");
    }
    // An address further on than field 6 or 7: a ';' before it pushed it there.
    constexpr qsizetype firstAddress = 5;
    const bool shifted =
        fields.size() > firstAddress + 2 && !parseCatalogueUrl(fields.at(firstAddress)) &&
        std::any_of(fields.cbegin() + firstAddress + 1, fields.cend(), [](const QString &field) {
            return field.contains(QStringLiteral("://")) && parseCatalogueUrl(field).has_value();
        });
    if (shifted) {
        return Texts::tr("A \";\" inside a field (in the copyright, say) shifts the fields "
                         "after it: the format has no way to quote one, so write it "
                         "otherwise.");
    }
    return QString();
}

QString rebuiltImageNextStep()
{
    return Texts::tr("If the image was rebuilt, empty field 8 for morvane-flash sign to "
                     "fill in its new digest.");
}

QString relativeAddressNextStep()
{
    return Texts::tr("Write the whole address, with http:// or https:// and the server.");
}

std::optional<QString> notesCharsetWarning(const QByteArray &notes, const QString &subject)
{
    const std::optional<DecodedServerText> decoded = decodeServerTextWithCharset(notes);
    if (!decoded) {
        return std::nullopt;
    }
    const QLatin1String charset(decoded->charset);
    if (charset == QLatin1String("UTF-8")) {
        if (!decoded->text.contains(QChar(0))) {
            return std::nullopt;
        }
        return Texts::tr("%1 are read as UTF-8 with NUL characters, as UTF-16 without a "
                         "byte-order mark is: the window shows a box between letters; save "
                         "them as UTF-8")
            .arg(subject);
    }
    return Texts::tr("%1 are not UTF-8 and will be read as %2: character sets are tried in a "
                     "fixed order (UTF-8, GB18030, GBK, GB2312, Big5, UTF-16) and the first "
                     "that takes every byte wins, so Big5 text is read as GB18030 and "
                     "garbled; save them as UTF-8")
        .arg(subject, charset);
}
