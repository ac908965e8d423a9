#include "update/UpdateMessages.h"

#include "download/WebAddress.h"

namespace UpdateMessages {

QString catalogueFetchFailed(const QString &description)
{
    return QStringLiteral("读取固件列表失败：") + description;
}

QString catalogueAddress(const QUrl &listURL)
{
    return QStringLiteral("The catalogue's address: %1").arg(listURL.toDisplayString());
}

QString leftTheBus()
{
    return QStringLiteral(
        "The device left the USB bus: it was unplugged, its cable is loose, or it "
        "restarted. Plug it in again and flash it again; a station flashing "
        "with --watch does so by itself.");
}

QString catalogueUndecodable()
{
    return QStringLiteral("读取固件列表失败：服务器返回内容无法解析");
}

QString signatureUnreadable(const QUrl &signatureURL, const QString &description)
{
    return QStringLiteral("The catalogue signature \u201C%1\u201D could not be read: %2")
        .arg(shortAddressText(signatureURL), description);
}

QString notesLoading()
{
    return QStringLiteral("正在读取固件说明...");
}

QString notesFetchFailed(const QString &description)
{
    return QStringLiteral("固件说明读取失败：") + description;
}

QString noNotes()
{
    return QStringLiteral("没有读取到固件说明。");
}

QString preparingUpdate(const QString &product, const QString &version)
{
    return QStringLiteral("Preparing to update ") + product + QLatin1Char(' ') + version +
           QStringLiteral("...");
}

QString deviceAbsent(const QString &product)
{
    return QStringLiteral("No ") + product +
           QStringLiteral(" found. Please check the USB connection.");
}

QString deviceFound(const QString &product)
{
    return product + QStringLiteral(" found.");
}

QString downloadFailed(const QString &description)
{
    return QStringLiteral("Firmware download failed: ") + description;
}

QString noFirmwareData()
{
    return downloadFailed(QStringLiteral("服务器没有返回固件数据"));
}

QString firmwareDownloaded(const QString &displayName)
{
    return QStringLiteral("Firmware downloaded: ") + displayName;
}

QString transferStarting()
{
    return QStringLiteral("Starting firmware transfer...");
}

QString progress(int percent)
{
    return QStringLiteral("Update progress: ") + QString::number(percent) + QLatin1Char('%');
}

QString updateCompleted()
{
    return QStringLiteral("Update completed.");
}

QString updateFailed(const QString &description)
{
    return QStringLiteral("Update failed: ") + description;
}

QString deviceInUse(const QString &path, std::optional<qint64> holder)
{
    const QString program = holder ? QStringLiteral("another program (process %1)").arg(*holder)
                                   : QStringLiteral("another program");
    return updateFailed(QStringLiteral("The device at %1 is in use by %2; nothing was sent to it.")
                            .arg(path, program));
}

QString updateStopped()
{
    return QStringLiteral("Update stopped.");
}

} // namespace UpdateMessages
