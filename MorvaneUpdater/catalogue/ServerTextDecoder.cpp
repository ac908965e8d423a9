#include "catalogue/ServerTextDecoder.h"

#include <QSysInfo>
#include <array>
#include <cerrno>
#include <iconv.h>

namespace {

constexpr std::array<const char *, 4> legacyCharsets = {"GB18030", "GBK", "GB2312", "Big5"};

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

std::optional<qsizetype> firstInvalidUtf8Byte(QByteArrayView bytes)
{
    const qsizetype size = bytes.size();
    qsizetype i = 0;
    while (i < size) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        if (lead < 0x80) {
            ++i;
            continue;
        }
        // Well-formed sequences as the Unicode standard tabulates them: the second byte's
        // range excludes overlong forms, surrogates and code points past U+10FFFF.
        int length = 0;
        unsigned char low = 0x80;
        unsigned char high = 0xBF;
        if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            low = lead == 0xE0 ? 0xA0 : 0x80;  // no overlong forms
            high = lead == 0xED ? 0x9F : 0xBF; // no surrogates
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            low = lead == 0xF0 ? 0x90 : 0x80;
            high = lead == 0xF4 ? 0x8F : 0xBF; // nothing above U+10FFFF
        } else {
            return i;
        }
        for (int k = 1; k < length; ++k) {
            if (i + k >= size) {
                return i;
            }
            const auto next = static_cast<unsigned char>(bytes[i + k]);
            const unsigned char min = k == 1 ? low : 0x80;
            const unsigned char max = k == 1 ? high : 0xBF;
            if (next < min || next > max) {
                return i;
            }
        }
        i += length;
    }
    return std::nullopt;
}

std::optional<QString> decodeStrictUtf8(const QByteArray &data)
{
    if (firstInvalidUtf8Byte(data)) {
        return std::nullopt;
    }
    // Qt drops one initial BOM and keeps any other U+FEFF.
    return QString::fromUtf8(data);
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
