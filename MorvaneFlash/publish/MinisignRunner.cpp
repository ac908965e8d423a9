#include "publish/MinisignRunner.h"

#include "download/DownloadLimits.h"
#include "update/FolderFile.h"
#include "update/RegularFile.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace {

// minisign needs a moment without a password, and a person typing one needs longer.
constexpr int minisignMilliseconds = 60'000;
constexpr int passwordMilliseconds = 10 * 60'000;

// Whether minisign finished well; a failure has been said.
bool waitForMinisign(QProcess &minisign, bool askPassword, Console &console)
{
    const bool finished =
        minisign.waitForFinished(askPassword ? passwordMilliseconds : minisignMilliseconds);
    if (finished && minisign.exitStatus() == QProcess::NormalExit && minisign.exitCode() == 0) {
        return true;
    }
    if (!finished) {
        minisign.kill();
        minisign.waitForFinished();
    }
    const QString said = QString::fromLocal8Bit(minisign.readAllStandardError()).trimmed();
    console.printError(QStringLiteral("morvane-flash: minisign failed (%1)%2; nothing was written.")
                           .arg(finished ? QStringLiteral("exit status %1").arg(minisign.exitCode())
                                         : minisign.errorString(),
                                said.isEmpty() ? QString() : QStringLiteral(": ") + said));
    return false;
}

} // namespace

MinisignRun runMinisign(const QByteArray &list, const QString &listName,
                        const QString &secretKeyPath, const QByteArray &trustedComment,
                        bool askPassword, Console &console)
{
    const QString program = QStandardPaths::findExecutable(QStringLiteral("minisign"));
    if (program.isEmpty()) {
        console.printError(QStringLiteral("morvane-flash: minisign is not installed, or not on "
                                          "PATH (apt install minisign); nothing was written."));
        return {std::nullopt, exitSigningTool};
    }
    QTemporaryDir work;
    const QString message = work.filePath(listName);
    const SavedFile saved =
        work.isValid() ? saveInFolder(work.path(), listName, list) : SavedFile{};
    if (!saved.succeeded()) {
        console.printError(QStringLiteral("morvane-flash: cannot prepare the list for minisign: %1")
                               .arg(work.isValid() ? saved.errorDescription : work.errorString()));
        return {std::nullopt, exitCatalogue};
    }
    QProcess minisign;
    if (askPassword) {
        minisign.setProcessChannelMode(QProcess::ForwardedChannels);
        minisign.setInputChannelMode(QProcess::ForwardedInputChannel);
    }
    minisign.start(program,
                   {QStringLiteral("-S"), QStringLiteral("-s"), secretKeyPath, QStringLiteral("-m"),
                    message, QStringLiteral("-x"), message + QStringLiteral(".minisig"),
                    QStringLiteral("-t"), QString::fromUtf8(trustedComment)});
    if (!askPassword) {
        minisign.closeWriteChannel();
    }
    if (!waitForMinisign(minisign, askPassword, console)) {
        return {std::nullopt, exitSigningTool};
    }
    ReadFile signature = readRegularFile(message + QStringLiteral(".minisig"), maxSignatureBytes);
    if (!signature.bytes) {
        console.printError(QStringLiteral("morvane-flash: minisign wrote no readable signature: "
                                          "%1; nothing was written.")
                               .arg(signature.errorDescription));
        return {std::nullopt, exitSigningTool};
    }
    return {std::move(signature.bytes), exitSuccess};
}
