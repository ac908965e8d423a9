#include "FirmwareFileName.h"

namespace {

bool isSafeFileName(const QString &name)
{
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String("..")) {
        return false;
    }
    for (const QChar c : name) {
        if (c == QLatin1Char('/') || c == QLatin1Char('\\') || c.unicode() == 0) {
            return false;
        }
    }
    return true;
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
    const QString name = QUrl::fromPercentEncoding(encoded.toUtf8());
    return isSafeFileName(name) ? name : QString::fromLatin1(fallbackFirmwareFileName);
}

QString firmwareDisplayName(const QString &fileName)
{
    const qsizetype dot = fileName.lastIndexOf(QLatin1Char('.'));
    return dot > 0 ? fileName.left(dot) : fileName;
}
