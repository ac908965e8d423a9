// Release notes in an unknown charset: whatever the bytes, one answer, the same every time,
// and the answer of the first decoder that accepts all of them.
#include "FuzzCheck.h"
#include "catalogue/ServerTextDecoder.h"

#include <QByteArray>
#include <QString>
#include <QStringDecoder>
#include <cstddef>
#include <cstdint>
#include <optional>

namespace {

// Qt's decoders skip an initial BOM by default, as ours do; stateless, they count a
// sequence cut off at the end as an error.
QString qtDecode(QStringDecoder::Encoding encoding, const QByteArray &bytes, bool *error)
{
    QStringDecoder decoder(encoding, QStringDecoder::Flag::Stateless);
    const QString text = decoder(bytes);
    *error = decoder.hasError();
    return text;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const std::optional<QString> text = decodeServerText(bytes);
    const std::optional<QString> again = decodeServerText(bytes);
    FUZZ_CHECK(text == again);
    if (text) {
        FUZZ_CHECK(text->isValidUtf16());
    }

    // Valid UTF-8 is taken at the first step and reads as Qt reads it.
    bool qtUtf8Error = false;
    const QString qtUtf8 = qtDecode(QStringDecoder::Utf8, bytes, &qtUtf8Error);
    if (!qtUtf8Error) {
        FUZZ_CHECK(text.has_value() && *text == qtUtf8);
        return 0;
    }
    FUZZ_CHECK(!decodeStrictUtf8(bytes));

    // Otherwise the first legacy charset that takes every byte wins.
    for (const char *charset : {"GB18030", "GBK", "GB2312", "Big5"}) {
        if (const std::optional<QString> legacy = decodeLegacyCharset(bytes, charset)) {
            FUZZ_CHECK(text == legacy);
            FUZZ_CHECK(!legacy->isEmpty() || bytes.isEmpty());
            return 0;
        }
    }

    // Last, UTF-16: a BOM names the byte order, big-endian without one.
    const std::optional<QString> utf16 = decodeStrictUtf16(bytes);
    FUZZ_CHECK(text == utf16);
    if (utf16) {
        const bool little = bytes.startsWith("\xFF\xFE");
        bool qtError = false;
        const QString qtText =
            qtDecode(little ? QStringDecoder::Utf16LE : QStringDecoder::Utf16BE, bytes, &qtError);
        FUZZ_CHECK(!qtError && *utf16 == qtText);
    }
    return 0;
}
