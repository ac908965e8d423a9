#include "update/UpdateMessages.h"

#include "download/WebAddress.h"
#include "trust/SignatureDates.h"

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

QString recordAheadOfClock(qint64 newestAccepted, qint64 now)
{
    return QStringLiteral("The newest catalogue signing time taken on this computer (%1) lies "
                          "ahead of its clock (%2): either this computer's clock is behind, or "
                          "a list signed with a fast clock was taken earlier. The record stays, "
                          "and lists signed before it are refused. ")
               .arg(signatureDateText(newestAccepted), signatureDateText(now)) +
           forgetRecordAdvice();
}

QString legacyRecordAheadIgnored(const QString &keyId, qint64 newestAccepted, qint64 now)
{
    return QStringLiteral("The catalogue signing time an earlier version of the updater kept "
                          "for key %1 (%2) lies ahead of this computer's clock (%3); that "
                          "version did not bound it, so it is ignored.")
        .arg(keyId, signatureDateText(newestAccepted), signatureDateText(now));
}

QString recordNotKept(const QString &description, std::optional<qint64> floor)
{
    const QString kept = QStringLiteral("The record of catalogue signing times cannot be kept: ") +
                         description + QLatin1Char(' ');
    if (!floor) {
        return kept + QStringLiteral("The next list will be trusted as on first use.");
    }
    return kept + QStringLiteral("The list signed %1 stays the newest taken, and lists signed "
                                 "before it are still refused.")
                      .arg(signatureDateText(*floor));
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
