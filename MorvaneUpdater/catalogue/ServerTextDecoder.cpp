#include "ServerTextDecoder.h"

#include <QSysInfo>
#include <array>
#include <cerrno>
#include <iconv.h>

namespace {

constexpr std::array<const char *, 4> legacyCharsets = {"GB18030", "GBK", "GB2312", "Big5"};

bool isContinuation(unsigned char byte)
{
    return (byte & 0xC0) == 0x80;
}

void appendCodePoint(QString &text, char32_t codePoint)
{
    if (codePoint < 0x10000) {
        text.append(QChar(char16_t(codePoint)));
    } else {
        text.append(QChar::highSurrogate(codePoint));
        text.append(QChar::lowSurrogate(codePoint));
    }
}

// iconv's input pointer is `char **` in glibc and macOS but `const char **` in some libiconv
// builds; deducing the parameter type keeps both compiling.
template <typename InBuf>
size_t callIconv(size_t (*convert)(iconv_t, InBuf, size_t *, char **, size_t *), iconv_t cd,
                 char **in, size_t *inLeft, char **out, size_t *outLeft)
{
    return convert(cd, const_cast<InBuf>(in), inLeft, out, outLeft);
}

class IconvHandle
{
public:
    explicit IconvHandle(iconv_t cd) : m_cd(cd) {}
    ~IconvHandle()
    {
        if (isOpen()) {
            iconv_close(m_cd);
        }
    }
    IconvHandle(const IconvHandle &) = delete;
    IconvHandle &operator=(const IconvHandle &) = delete;

    bool isOpen() const { return m_cd != reinterpret_cast<iconv_t>(-1); }
    iconv_t get() const { return m_cd; }

private:
    iconv_t m_cd;
};

} // namespace

std::optional<QString> decodeStrictUtf8(const QByteArray &data)
{
    const auto *bytes = reinterpret_cast<const unsigned char *>(data.constData());
    const qsizetype size = data.size();
    qsizetype i = 0;
    if (size >= 3 && bytes[0] == 0xEF && bytes[1] == 0xBB && bytes[2] == 0xBF) {
        i = 3;
    }

    QString text;
    text.reserve(size - i);
    while (i < size) {
        const unsigned char lead = bytes[i];
        if (lead < 0x80) {
            text.append(QChar(char16_t(lead)));
            ++i;
            continue;
        }
        // Well-formed sequences as the Unicode standard tabulates them: the second byte's
        // range excludes overlong forms, surrogates and code points past U+10FFFF.
        qsizetype length = 0;
        unsigned char secondMin = 0x80;
        unsigned char secondMax = 0xBF;
        char32_t codePoint = 0;
        if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
            codePoint = lead & 0x1F;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            codePoint = lead & 0x0F;
            if (lead == 0xE0) {
                secondMin = 0xA0;
            } else if (lead == 0xED) {
                secondMax = 0x9F;
            }
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            codePoint = lead & 0x07;
            if (lead == 0xF0) {
                secondMin = 0x90;
            } else if (lead == 0xF4) {
                secondMax = 0x8F;
            }
        } else {
            return std::nullopt;
        }
        if (size - i < length || bytes[i + 1] < secondMin || bytes[i + 1] > secondMax) {
            return std::nullopt;
        }
        for (qsizetype k = 1; k < length; ++k) {
            if (!isContinuation(bytes[i + k])) {
                return std::nullopt;
            }
            codePoint = (codePoint << 6) | (bytes[i + k] & 0x3F);
        }
        appendCodePoint(text, codePoint);
        i += length;
    }
    return text;
}

std::optional<QString> decodeStrictUtf16(const QByteArray &data)
{
    const auto *bytes = reinterpret_cast<const unsigned char *>(data.constData());
    const qsizetype size = data.size();
    if (size % 2 != 0) {
        return std::nullopt;
    }
    bool bigEndian = true;
    qsizetype i = 0;
    if (size >= 2 && bytes[0] == 0xFF && bytes[1] == 0xFE) {
        bigEndian = false;
        i = 2;
    } else if (size >= 2 && bytes[0] == 0xFE && bytes[1] == 0xFF) {
        i = 2;
    }
    const auto unitAt = [&](qsizetype at) {
        return bigEndian ? char16_t((bytes[at] << 8) | bytes[at + 1])
                         : char16_t((bytes[at + 1] << 8) | bytes[at]);
    };

    QString text;
    text.reserve((size - i) / 2);
    while (i < size) {
        const char16_t unit = unitAt(i);
        i += 2;
        if (QChar::isLowSurrogate(unit)) {
            return std::nullopt;
        }
        if (QChar::isHighSurrogate(unit)) {
            if (i >= size || !QChar::isLowSurrogate(unitAt(i))) {
                return std::nullopt;
            }
            text.append(QChar(unit));
            text.append(QChar(unitAt(i)));
            i += 2;
            continue;
        }
        text.append(QChar(unit));
    }
    return text;
}

std::optional<QString> decodeLegacyCharset(const QByteArray &data, const char *charsetName)
{
    // Qt's own codecs turn invalid legacy bytes into private-use characters without an
    // error, so they cannot tell which charset fits; iconv reports every bad byte.
    const char *target = QSysInfo::ByteOrder == QSysInfo::LittleEndian ? "UTF-16LE" : "UTF-16BE";
    const IconvHandle handle(iconv_open(target, charsetName));
    if (!handle.isOpen()) {
        return std::nullopt;
    }
    if (data.isEmpty()) {
        return QString();
    }

    // No candidate yields more than two UTF-16 bytes per input byte; the loop still grows
    // the buffer should a converter disagree. iconv only reads the input.
    QByteArray output(data.size() * 2 + 16, Qt::Uninitialized);
    char *in = const_cast<char *>(data.constData());
    size_t inLeft = size_t(data.size());
    size_t written = 0;
    while (inLeft > 0) {
        char *out = output.data() + written;
        size_t outLeft = size_t(output.size()) - written;
        const size_t result = callIconv(&iconv, handle.get(), &in, &inLeft, &out, &outLeft);
        written = size_t(out - output.data());
        if (result == size_t(-1) && errno == E2BIG) {
            output.resize(output.size() * 2);
            continue;
        }
        // EILSEQ (an invalid byte) and EINVAL (a sequence cut off at the end) both reject,
        // as would a converter that stopped early without saying why.
        if (result == size_t(-1) || inLeft > 0) {
            return std::nullopt;
        }
    }
    return QString(reinterpret_cast<const QChar *>(output.constData()), qsizetype(written / 2));
}

std::optional<DecodedServerText> decodeServerTextWithCharset(const QByteArray &data)
{
    if (std::optional<QString> text = decodeStrictUtf8(data)) {
        return DecodedServerText{std::move(*text), "UTF-8"};
    }
    for (const char *name : legacyCharsets) {
        if (std::optional<QString> text = decodeLegacyCharset(data, name)) {
            return DecodedServerText{std::move(*text), name};
        }
    }
    if (std::optional<QString> text = decodeStrictUtf16(data)) {
        return DecodedServerText{std::move(*text), "UTF-16"};
    }
    return std::nullopt;
}

std::optional<QString> decodeServerText(const QByteArray &data)
{
    std::optional<DecodedServerText> decoded = decodeServerTextWithCharset(data);
    if (!decoded) {
        return std::nullopt;
    }
    return std::move(decoded->text);
}
