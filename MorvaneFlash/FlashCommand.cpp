#include "Commands.h"
#include "Downloader.h"
#include "ExitStatus.h"
#include "ProgressDisplay.h"
#include "bootloader/HidBackend.h"
#include "trust/CatalogueTrust.h"
#include "update/UpdateMessages.h"
#include "update/UpdatePipeline.h"

#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QTimer>
#include <algorithm>

namespace {

constexpr int stopPollMs = 50;

int exitStatusOf(UpdateOutcome::Status status)
{
    using Status = UpdateOutcome::Status;
    switch (status) {
    case Status::completed:
        return exitSuccess;
    case Status::stopped:
        return exitInterrupted;
    case Status::refused:
    case Status::imageRejected:
        return exitIntegrity;
    case Status::deviceAbsent:
    case Status::deviceFailed:
        return exitDevice;
    case Status::downloadFailed:
        return exitCatalogue;
    case Status::transferFailed:
        break;
    }
    return exitTransfer;
}

// A stop is told with what became of the device: untouched, or closed at a report boundary.
QString stoppedLine(const UpdateTarget &target, bool transferred)
{
    if (!transferred) {
        return target.item ? QStringLiteral("Stopped: the download of %1 was abandoned; nothing "
                                            "was flashed.")
                                 .arg(target.item->firmwareURL.toUrl().toDisplayString())
                           : QStringLiteral("Stopped: nothing was flashed.");
    }
    return UpdateMessages::updateStopped() +
           QStringLiteral(" The transfer ended at a report boundary and the device was closed; "
                          "it may need a new update.");
}

void report(Console &console, const QString &label, const UpdateOutcome &outcome,
            const QString &line)
{
    const QString shown = label.isEmpty() ? line : label + QStringLiteral(": ") + line;
    if (outcome.status == UpdateOutcome::Status::completed) {
        console.print(shown);
    } else {
        console.printError(shown);
    }
    if (outcome.hint) {
        console.printError(*outcome.hint);
    }
}

ProgressDisplay::Mode progressMode(const Invocation &invocation, const Console &console)
{
    if (invocation.quiet) {
        return ProgressDisplay::Mode::quiet;
    }
    return console.takesControlCodes() ? ProgressDisplay::Mode::terminal
                                       : ProgressDisplay::Mode::plain;
}

// The version to flash: the one named, or the first listed as the window preselects.
int resolveCatalogueTarget(const Invocation &invocation, Environment &environment,
                           Downloader &downloader, Console &console, UpdateTarget &target)
{
    const LoadedCatalogue catalogue =
        loadCatalogue(downloader, invocation.listURL, environment, console);
    if (catalogue.status != exitSuccess) {
        return catalogue.status;
    }
    const ChosenVersion chosen = chooseVersion(
        catalogue, invocation.arguments.at(0),
        invocation.arguments.size() > 1 ? std::optional(invocation.arguments.at(1)) : std::nullopt,
        console);
    if (!chosen.item) {
        return chosen.status;
    }
    target = updateTargetOf(*chosen.item);
    return exitSuccess;
}

int resolveFileTarget(const Invocation &invocation, Console &console, UpdateTarget &target)
{
    QFile file(invocation.file);
    if (!file.open(QIODevice::ReadOnly)) {
        console.printError(QStringLiteral("Cannot read the firmware file %1: %2")
                               .arg(invocation.file, file.errorString()));
        return exitUsage;
    }
    target.image = file.readAll();
    // An empty image would be "flashed" without a byte reaching the device.
    if (target.image.isEmpty()) {
        console.printError(QStringLiteral("The firmware file %1 is empty.").arg(invocation.file));
        return exitUsage;
    }
    const QString ids = usbIds(*invocation.vid, *invocation.pid);
    target.product = ids;
    target.version = QFileInfo(invocation.file).fileName();
    target.vid = ids.left(4);
    target.pid = ids.mid(5);
    return exitSuccess;
}

// Runs the update to its end, the command's console its only output.
class FlashRun
{
public:
    FlashRun(const Invocation &invocation, Environment &environment, Console &console,
             Downloader &downloader)
        : m_invocation(invocation), m_environment(environment), m_console(console),
          m_pipeline(environment.hid, downloader.network(), environment.firmwareFolder,
                     catalogueTrustFromKey(environment.catalogueKey).keyBuiltIn)
    {
        QObject::connect(&m_pipeline, &UpdatePipeline::stepReached, &m_pipeline,
                         [this](UpdatePipeline::Step step, const QString &line) {
                             if (step == UpdatePipeline::Step::transferStarting) {
                                 m_display.emplace(m_console, progressMode(m_invocation, m_console),
                                                   m_pipeline.transferLabels());
                             }
                             if (!m_invocation.quiet) {
                                 m_console.print(line);
                             }
                         });
        QObject::connect(&m_pipeline, &UpdatePipeline::progressed, &m_pipeline,
                         [this](int transfer, int percent) {
                             m_display->update(std::size_t(transfer), percent);
                         });
        QObject::connect(&m_pipeline, &UpdatePipeline::finished, &m_pipeline,
                         [this](const QList<UpdateOutcome> &outcomes) {
                             m_outcomes = outcomes;
                             m_loop.quit();
                         });
    }

    int run(const UpdateTarget &target)
    {
        // A signal handler cannot touch Qt, so the stop request is looked at from here.
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, &m_pipeline, [this] {
            if (m_environment.stop.stop_requested()) {
                m_pipeline.stop();
            }
        });
        poll.start(stopPollMs);
        m_pipeline.start(target, m_invocation.allDevices ? UpdatePipeline::Reach::allDevices
                                                         : UpdatePipeline::Reach::firstDevice);
        if (m_pipeline.isRunning()) {
            m_loop.exec();
        }
        if (m_display) {
            m_display->finish();
        }
        const QStringList &labels = m_pipeline.transferLabels();
        int status = exitSuccess;
        for (qsizetype i = 0; i < m_outcomes.size(); ++i) {
            const UpdateOutcome &outcome = m_outcomes.at(i);
            const bool stopped = outcome.status == UpdateOutcome::Status::stopped;
            report(m_console, labels.value(i), outcome,
                   stopped ? stoppedLine(target, m_display.has_value()) : outcome.line);
            status = std::max(status, exitStatusOf(outcome.status));
        }
        return status;
    }

private:
    const Invocation &m_invocation;
    Environment &m_environment;
    Console &m_console;
    UpdatePipeline m_pipeline;
    QEventLoop m_loop;
    std::optional<ProgressDisplay> m_display;
    QList<UpdateOutcome> m_outcomes;
};

} // namespace

int runFlash(const Invocation &invocation, Environment &environment, Console &console)
{
    Downloader downloader(environment.stop, console);
    UpdateTarget target;
    const int resolved =
        invocation.file.isEmpty()
            ? resolveCatalogueTarget(invocation, environment, downloader, console, target)
            : resolveFileTarget(invocation, console, target);
    if (resolved != exitSuccess) {
        return resolved;
    }
    return FlashRun(invocation, environment, console, downloader).run(target);
}
