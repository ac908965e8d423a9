#include "update/FirmwareFileName.h"

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

QString shortened(const QString &name)
{
    const QByteArray utf8 = name.toUtf8();
    if (utf8.size() <= maxFirmwareFileNameBytes) {
        return name;
    }
    qsizetype stemEnd = utf8.lastIndexOf('.');
    if (stemEnd <= 0 || utf8.size() - stemEnd > maxKeptExtensionBytes) {
        stemEnd = utf8.size();
    }
    const QByteArrayView extension = QByteArrayView(utf8).sliced(stemEnd);
    // Cut at the budget, then back off to the start of the character the cut went through.
    qsizetype end = maxFirmwareFileNameBytes - extension.size();
    while (end > 0 && (static_cast<unsigned char>(utf8[end]) & 0xC0) == 0x80) {
        --end;
    }
    return QString::fromUtf8(utf8.first(end).append(extension));
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
    name.reserve(decoded.size());
    for (const char32_t c : decoded.toUcs4()) {
        name += isUnsafeCharacter(c) ? QStringView(u"_") : QStringView(QChar::fromUcs4(c));
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
