#include "FirmwareFileName.h"

#include <QStringView>

namespace {

// Extensions longer than this are not worth keeping when a name has to be cut.
constexpr qsizetype maxKeptExtensionBytes = 16;

bool canLeaveFolder(const QString &name)
{
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String("..")) {
        return true;
    }
    for (const QChar c : name) {
        if (c == QLatin1Char('/') || c == QLatin1Char('\\') || c.unicode() == 0) {
            return true;
        }
    }
    return false;
}

// Anything that would break the pane line or hide in it: C0 and C1 controls (line feed,
// NEL), DEL, U+2028, U+2029, and format characters such as direction overrides.
bool isUnsafeCharacter(char32_t c)
{
    switch (QChar::category(c)) {
    case QChar::Other_Control:
    case QChar::Other_Format:
    case QChar::Separator_Line:
    case QChar::Separator_Paragraph:
        return true;
    default:
        return false;
    }
}

qsizetype utf8Length(char32_t c)
{
    return c < 0x80 ? 1 : c < 0x800 ? 2 : c < 0x10000 ? 3 : 4;
}

// The longest start of `text` that takes at most `budget` bytes in UTF-8, never splitting
// a character.
QString utf8Prefix(QStringView text, qsizetype budget)
{
    qsizetype used = 0;
    qsizetype end = 0;
    while (end < text.size()) {
        const bool pair = end + 1 < text.size() && text.at(end).isHighSurrogate() &&
                          text.at(end + 1).isLowSurrogate();
        const char32_t c =
            pair ? QChar::surrogateToUcs4(text.at(end), text.at(end + 1)) : text.at(end).unicode();
        used += utf8Length(c);
        if (used > budget) {
            break;
        }
        end += pair ? 2 : 1;
    }
    return text.first(end).toString();
}

QString shortened(const QString &name)
{
    if (name.toUtf8().size() <= maxFirmwareFileNameBytes) {
        return name;
    }
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    QString extension = dot > 0 ? name.mid(dot) : QString();
    if (extension.toUtf8().size() > maxKeptExtensionBytes) {
        extension.clear();
    }
    const QString stem = dot > 0 && !extension.isEmpty() ? name.left(dot) : name;
    return utf8Prefix(stem, maxFirmwareFileNameBytes - extension.toUtf8().size()) + extension;
}

} // namespace

QString firmwareFileName(const QUrl &firmwareURL)
{
    // Work on the encoded path so that an encoded "/" cannot split or join components.
    QString path = firmwareURL.path(QUrl::FullyEncoded);
    while (path.endsWith(QLatin1Char('/'))) {
        path.chop(1);
    }
    const QString encoded = path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
    const QString decoded = QUrl::fromPercentEncoding(encoded.toUtf8());
    if (canLeaveFolder(decoded)) {
        return QString::fromLatin1(fallbackFirmwareFileName);
    }
    QString name;
    for (const char32_t c : decoded.toUcs4()) {
        name += isUnsafeCharacter(c) ? QString(QLatin1Char('_')) : QString::fromUcs4(&c, 1);
    }
    if (name.startsWith(QLatin1Char('.'))) {
        name.prepend(QLatin1String("firmware"));
    }
    return shortened(name);
}

QString firmwareDisplayName(const QString &fileName)
{
    const qsizetype dot = fileName.lastIndexOf(QLatin1Char('.'));
    return dot > 0 ? fileName.left(dot) : fileName;
}
