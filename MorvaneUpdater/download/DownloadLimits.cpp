#include "download/DownloadLimits.h"

#include <QCoreApplication>

namespace {

struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(DownloadLimits)
};

} // namespace

DownloadLimits downloadLimits(DownloadKind kind)
{
    switch (kind) {
    case DownloadKind::list:
        return {maxListBytes, textDeadline, stallTimeout, Texts::tr("the catalogue list")};
    case DownloadKind::signature:
        return {maxSignatureBytes, textDeadline, stallTimeout,
                Texts::tr("the catalogue signature")};
    case DownloadKind::notes:
        return {maxNotesBytes, textDeadline, stallTimeout, Texts::tr("release notes")};
    case DownloadKind::image:
        break;
    }
    return {maxImageBytes, imageDeadline, stallTimeout, Texts::tr("a firmware image")};
}

QString byteSizeText(qint64 bytes)
{
    const auto scaled = [bytes](qint64 unit, const char *name) {
        const double value = double(bytes) / double(unit);
        // A size that is no whole number of units is given in bytes too: rounded, 1 MiB and a
        // byte would read as the 1 MiB limit it exceeds.
        const QString text = QString::number(value, 'f', bytes % unit == 0 ? 0 : 1) +
                             QLatin1Char(' ') + QLatin1String(name);
        return bytes % unit == 0 ? text
                                 : Texts::tr("%1 (%2 bytes)").arg(text, QString::number(bytes));
    };
    if (bytes >= (qint64(1) << 30)) {
        return scaled(qint64(1) << 30, "GiB");
    }
    if (bytes >= (qint64(1) << 20)) {
        return scaled(qint64(1) << 20, "MiB");
    }
    if (bytes >= (qint64(1) << 10)) {
        return scaled(qint64(1) << 10, "KiB");
    }
    return Texts::tr("%n bytes", nullptr, int(bytes));
}

QString durationText(std::chrono::milliseconds duration)
{
    const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(duration).count();
    if (seconds >= 120 && seconds % 60 == 0) {
        return Texts::tr("%n minutes", nullptr, int(seconds / 60));
    }
    if (seconds >= 1) {
        return Texts::tr("%n seconds", nullptr, int(seconds));
    }
    return Texts::tr("%1 ms").arg(duration.count());
}

QString deadlinePassed(const QString &what, std::chrono::milliseconds deadline)
{
    return Texts::tr("The download timed out: %1 did not arrive within %2.")
        .arg(what, durationText(deadline));
}
