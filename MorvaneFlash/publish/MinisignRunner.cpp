#include "publish/MinisignRunner.h"

#include "download/DownloadLimits.h"
#include "frame/StopPoll.h"
#include "update/FolderFile.h"
#include "update/LocalFileName.h"
#include "update/RegularFile.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <unistd.h>

namespace {

struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(MinisignRunner)
};

// minisign needs a moment without a password, and a person typing one needs longer.
constexpr int minisignMilliseconds = 60'000;
constexpr int passwordMilliseconds = 10 * 60'000;

// How long minisign is given to end after it was asked to, before it is killed.
constexpr int endingMilliseconds = 2000;

// Ends minisign: asked first, then killed.
void endMinisign(QProcess &minisign)
{
    minisign.terminate();
    if (!minisign.waitForFinished(endingMilliseconds)) {
        minisign.kill();
        minisign.waitForFinished();
    }
}

// exitSuccess when minisign finished well; otherwise why not, which has been said. It is
// waited for in slices, so that a stop request (Ctrl-C, SIGTERM, SIGHUP) ends it at once.
int waitForMinisign(QProcess &minisign, bool askPassword, std::stop_token stop, Console &console)
{
    const int deadline = askPassword ? passwordMilliseconds : minisignMilliseconds;
    QElapsedTimer waited;
    waited.start();
    bool finished = false;
    while (!finished && !stop.stop_requested() && waited.elapsed() < deadline) {
        finished = minisign.waitForFinished(StopPoll::intervalMs) ||
                   minisign.state() == QProcess::NotRunning;
    }
    if (finished && minisign.exitStatus() == QProcess::NormalExit && minisign.exitCode() == 0) {
        return exitSuccess;
    }
    if (!finished) {
        endMinisign(minisign);
    }
    if (stop.stop_requested()) {
        console.printError(Texts::tr("Stopped: minisign was ended; nothing was signed."));
        return exitInterrupted;
    }
    const QString said = QString::fromLocal8Bit(minisign.readAllStandardError()).trimmed();
    const QString why =
        finished ? Texts::tr("exit status %1").arg(minisign.exitCode())
                 : Texts::tr("it ran past its deadline of %1 s and was ended").arg(deadline / 1000);
    console.printError(
        said.isEmpty()
            ? Texts::tr("morvane-flash: minisign failed (%1); nothing was written.").arg(why)
            : Texts::tr("morvane-flash: minisign failed (%1): %2; nothing was written.")
                  .arg(why, said));
    return exitSigningTool;
}

} // namespace

MinisignRun runMinisign(const QByteArray &list, const QString &listName,
                        const QString &secretKeyPath, const QByteArray &trustedComment,
                        bool askPassword, std::stop_token stop, Console &console)
{
    const QString program = QStandardPaths::findExecutable(QStringLiteral("minisign"));
    if (program.isEmpty()) {
        console.printError(Texts::tr("morvane-flash: minisign is not installed, or not on "
                                     "PATH (apt install minisign); nothing was written."));
        return {std::nullopt, exitSigningTool};
    }
    QTemporaryDir work;
    // A name of text for the copy minisign reads, and for QTemporaryDir to remove.
    QString plainName = listName;
    for (QChar &c : plainName) {
        c = c.isSurrogate() ? QLatin1Char('_') : c;
    }
    const QString message = work.filePath(plainName);
    const SavedFile saved =
        work.isValid() ? saveInFolder(work.path(), plainName, list) : SavedFile{};
    if (!saved.succeeded()) {
        console.printError(Texts::tr("morvane-flash: cannot prepare the list for minisign: %1")
                               .arg(work.isValid() ? saved.errorDescription : work.errorString()));
        return {std::nullopt, exitCatalogue};
    }
    // minisign is handed the key by a name of plain text, a link made here: the key's own name
    // may be bytes that no text conversion keeps.
    const QString keyLink = work.filePath(QStringLiteral("secret.key"));
    const bool linked = ::symlink(fileNameBytes(absoluteFileName(secretKeyPath)).constData(),
                                  fileNameBytes(keyLink).constData()) == 0;
    QProcess minisign;
    if (askPassword) {
        minisign.setProcessChannelMode(QProcess::ForwardedChannels);
        minisign.setInputChannelMode(QProcess::ForwardedInputChannel);
    }
    minisign.start(program, {QStringLiteral("-S"), QStringLiteral("-s"),
                             linked ? keyLink : secretKeyPath, QStringLiteral("-m"), message,
                             QStringLiteral("-x"), message + QStringLiteral(".minisig"),
                             QStringLiteral("-t"), QString::fromUtf8(trustedComment)});
    if (!askPassword) {
        minisign.closeWriteChannel();
    }
    if (const int status = waitForMinisign(minisign, askPassword, std::move(stop), console)) {
        return {std::nullopt, status};
    }
    ReadFile signature = readRegularFile(message + QStringLiteral(".minisig"), maxSignatureBytes);
    if (!signature.bytes) {
        console.printError(Texts::tr("morvane-flash: minisign wrote no readable signature: "
                                     "%1; nothing was written.")
                               .arg(signature.errorDescription));
        return {std::nullopt, exitSigningTool};
    }
    return {std::move(signature.bytes), exitSuccess};
}
