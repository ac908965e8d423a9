#include "update/LocalFileName.h"

#include <QDir>

namespace {

constexpr char16_t escapeBase = 0xDC00;

// The length of the valid UTF-8 sequence at `at`, or 0.
qsizetype validSequence(QByteArrayView bytes, qsizetype at)
{
    const auto byte = [&](qsizetype i) {
        return static_cast<unsigned char>(bytes[i]);
    };
    const unsigned char lead = byte(at);
    const qsizetype length = lead < 0x80                    ? 1
                             : lead >= 0xC2 && lead <= 0xDF ? 2
                             : lead >= 0xE0 && lead <= 0xEF ? 3
                             : lead >= 0xF0 && lead <= 0xF4 ? 4
                                                            : 0;
    if (length == 0 || at + length > bytes.size()) {
        return 0;
    }
    for (qsizetype i = 1; i < length; ++i) {
        if ((byte(at + i) & 0xC0) != 0x80) {
            return 0;
        }
    }
    // Overlong forms, surrogates and code points past U+10FFFF are no UTF-8.
    const unsigned char second = byte(at + 1 < bytes.size() ? at + 1 : at);
    if ((lead == 0xE0 && second < 0xA0) || (lead == 0xED && second > 0x9F) ||
        (lead == 0xF0 && second < 0x90) || (lead == 0xF4 && second > 0x8F)) {
        return 0;
    }
    return length;
}

} // namespace

QString fileNameFromBytes(QByteArrayView bytes)
{
    QString name;
    name.reserve(bytes.size());
    for (qsizetype at = 0; at < bytes.size();) {
        const qsizetype length = validSequence(bytes, at);
        if (length == 0) {
            name.append(QChar(char16_t(escapeBase + static_cast<unsigned char>(bytes[at]))));
            ++at;
            continue;
        }
        name.append(QString::fromUtf8(bytes.sliced(at, length)));
        at += length;
    }
    return name;
}

QByteArray fileNameBytes(const QString &name)
{
    QByteArray bytes;
    bytes.reserve(name.size());
    qsizetype start = 0;
    for (qsizetype i = 0; i <= name.size(); ++i) {
        const bool escaped = i < name.size() && name[i].unicode() >= escapeBase + 0x80 &&
                             name[i].unicode() <= escapeBase + 0xFF;
        if (i == name.size() || escaped) {
            bytes += QStringView(name).sliced(start, i - start).toUtf8();
            if (escaped) {
                bytes += char(name[i].unicode() - escapeBase);
            }
            start = i + 1;
        }
    }
    return bytes;
}

QString absoluteFileName(const QString &name)
{
    if (name.startsWith(QLatin1Char('/'))) {
        return name;
    }
    const QString here = QDir::currentPath();
    return here.endsWith(QLatin1Char('/')) ? here + name : here + QLatin1Char('/') + name;
}

QString folderOfFile(const QString &name)
{
    QString absolute = absoluteFileName(name);
    while (absolute.size() > 1 && absolute.endsWith(QLatin1Char('/'))) {
        absolute.chop(1);
    }
    const qsizetype slash = absolute.lastIndexOf(QLatin1Char('/'));
    return slash <= 0 ? QStringLiteral("/") : absolute.left(slash);
}
