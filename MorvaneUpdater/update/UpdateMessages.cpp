#include "update/UpdateMessages.h"

#include "download/WebAddress.h"
#include "trust/SignatureDates.h"

#include <QCoreApplication>

namespace {

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(UpdateMessages)
};

} // namespace

namespace UpdateMessages {

QString catalogueFetchFailed(const QString &description)
{
    return Texts::tr("读取固件列表失败：%1").arg(description);
}

QString catalogueAddress(const QUrl &listURL)
{
    return Texts::tr("The catalogue's address: %1").arg(listURL.toDisplayString());
}

QString leftTheBus()
{
    return Texts::tr(
        "The device left the USB bus: it was unplugged, its cable is loose, or it "
        "restarted. Plug it in again and flash it again; a station flashing "
        "with --watch does so by itself.");
}

QString catalogueUndecodable()
{
    return Texts::tr("读取固件列表失败：服务器返回内容无法解析");
}

QString signatureUnreadable(const QUrl &signatureURL, const QString &description)
{
    return Texts::tr("The catalogue signature \u201C%1\u201D could not be read: %2")
        .arg(shortAddressText(signatureURL), description);
}

QString recordAheadOfClock(qint64 newestAccepted, qint64 now)
{
    return Texts::tr("The newest catalogue signing time taken on this computer (%1) lies "
                     "ahead of its clock (%2): either this computer's clock is behind, or "
                     "a list signed with a fast clock was taken earlier. The record stays, "
                     "and lists signed before it are refused. ")
               .arg(signatureDateText(newestAccepted), signatureDateText(now)) +
           forgetRecordAdvice();
}

QString legacyRecordAheadIgnored(const QString &keyId, qint64 newestAccepted, qint64 now)
{
    return Texts::tr("The catalogue signing time an earlier version of the updater kept "
                     "for key %1 (%2) lies ahead of this computer's clock (%3); that "
                     "version did not bound it, so it is ignored.")
        .arg(keyId, signatureDateText(newestAccepted), signatureDateText(now));
}

QString recordNotKept(const QString &description, std::optional<qint64> floor)
{
    const QString kept = Texts::tr("The record of catalogue signing times cannot be kept: %1")
                             .arg(description) +
                         QLatin1Char(' ');
    if (!floor) {
        return kept + Texts::tr("The next list will be trusted as on first use.");
    }
    return kept + Texts::tr("The list signed %1 stays the newest taken, and lists signed "
                            "before it are still refused.")
                      .arg(signatureDateText(*floor));
}

QString notesLoading()
{
    return Texts::tr("正在读取固件说明...");
}

QString notesFetchFailed(const QString &description)
{
    return Texts::tr("固件说明读取失败：%1").arg(description);
}

QString noNotes()
{
    return Texts::tr("没有读取到固件说明。");
}

QString preparingUpdate(const QString &product, const QString &version)
{
    return Texts::tr("Preparing to update %1 %2...").arg(product, version);
}

QString deviceAbsent(const QString &product)
{
    return Texts::tr("No %1 found. Please check the USB connection.").arg(product);
}

QString deviceFound(const QString &product)
{
    return Texts::tr("%1 found.").arg(product);
}

QString downloadFailed(const QString &description)
{
    return Texts::tr("Firmware download failed: %1").arg(description);
}

QString noFirmwareData()
{
    return downloadFailed(Texts::tr("服务器没有返回固件数据"));
}

QString firmwareDownloaded(const QString &displayName)
{
    return Texts::tr("Firmware downloaded: %1").arg(displayName);
}

QString transferStarting()
{
    return Texts::tr("Starting firmware transfer...");
}

QString progress(int percent)
{
    return Texts::tr("Update progress: %1%").arg(percent);
}

QString updateCompleted()
{
    return Texts::tr("Update completed.");
}

QString updateFailed(const QString &description)
{
    return Texts::tr("Update failed: %1").arg(description);
}

QString deviceInUse(const QString &path, std::optional<qint64> holder)
{
    const QString program = holder ? Texts::tr("another program (process %1)").arg(*holder)
                                   : Texts::tr("another program");
    return updateFailed(
        Texts::tr("The device at %1 is in use by %2; nothing was sent to it.").arg(path, program));
}

QString updateStopped()
{
    return Texts::tr("Update stopped.");
}

} // namespace UpdateMessages
