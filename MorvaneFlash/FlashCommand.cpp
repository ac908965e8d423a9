#include "BenchLog.h"
#include "Commands.h"
#include "DeviceSelection.h"
#include "Downloader.h"
#include "ExitStatus.h"
#include "FlashRecord.h"
#include "FlashWatch.h"
#include "ProgressDisplay.h"
#include "bootloader/DeviceWatcher.h"
#include "bootloader/HidBackend.h"
#include "bootloader/UsbIdentifier.h"
#include "trust/CatalogueTrust.h"
#include "update/UpdateMessages.h"
#include "update/UpdatePipeline.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QSysInfo>
#include <QTimer>
#include <algorithm>
#include <set>

namespace {

ProgressDisplay::Mode progressMode(const Invocation &invocation, const Console &console)
{
    if (invocation.quiet || invocation.json) {
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

// Runs an update to its end, the command's console its only output: it chooses the devices,
// waits for one if asked to, and flashes them.
class FlashRun
{
public:
    FlashRun(const Invocation &invocation, Environment &environment, Console &console,
             Downloader &downloader, BenchLog &log)
        : m_invocation(invocation), m_environment(environment), m_console(console), m_log(log),
          m_pipeline(environment.hid, downloader.network(), environment.firmwareFolder,
                     catalogueTrustFromKey(environment.catalogueKey).keyBuiltIn)
    {
        QObject::connect(
            &m_pipeline, &UpdatePipeline::stepReached, &m_pipeline,
            [this](UpdatePipeline::Step step, const QString &line) { onStep(step, line); });
        QObject::connect(&m_pipeline, &UpdatePipeline::progressed, &m_pipeline,
                         [this](int transfer, int percent) {
                             if (m_invocation.json) {
                                 m_console.printJsonLine(
                                     progressEvent(deviceOf(transfer), percent));
                             }
                             m_display->update(std::size_t(transfer), percent);
                         });
        QObject::connect(&m_pipeline, &UpdatePipeline::prepared, &m_pipeline,
                         [this](const QByteArray &image) {
                             m_image = image;
                             m_loop.quit();
                         });
        QObject::connect(&m_pipeline, &UpdatePipeline::finished, &m_pipeline,
                         [this](const QList<UpdateOutcome> &outcomes) {
                             m_outcomes = outcomes;
                             m_loop.quit();
                         });
        // A signal handler cannot touch Qt, so the stop request is looked at from here.
        QObject::connect(&m_stopPoll, &QTimer::timeout, &m_pipeline, [this] {
            if (m_environment.stop.stop_requested() && !m_interrupted) {
                m_interrupted = true;
                m_pipeline.stop();
                m_loop.quit();
            }
        });
        m_stopPoll.start(stopPollMs);
    }

    int run(const UpdateTarget &target)
    {
        const std::optional<UsbIds> ids = targetIds(target);
        std::vector<HidDeviceInfo> chosen = attachedChoices(ids);
        UpdateTarget ready = target;
        if (chosen.empty() && m_invocation.wait && ids) {
            if (const std::optional<int> status = waitForDevices(target, *ids, chosen)) {
                return *status;
            }
            // Downloaded and checked while waiting: flashed as it is from here.
            ready.item.reset();
            ready.image = *m_image;
        }
        if (chosen.size() > 1 && !m_invocation.allDevices) {
            m_console.printError(ambiguousChoice(target.product, chosen));
            return exitUsage;
        }
        return flash(ready, chosen);
    }

private:
    static constexpr int stopPollMs = 50;

    std::vector<HidDeviceInfo> attachedChoices(const std::optional<UsbIds> &ids) const
    {
        if (!ids) {
            return {};
        }
        return matchingDevices(m_environment.hid.attachedDevices(), ids->vendorID, ids->productID,
                               deviceSelectorOf(m_invocation));
    }

    // Downloads and checks the image while a matching device is awaited; the exit status when
    // the wait ends without both.
    std::optional<int> waitForDevices(const UpdateTarget &target, UsbIds ids,
                                      std::vector<HidDeviceInfo> &chosen)
    {
        bool timedOut = false;
        QTimer limit;
        limit.setSingleShot(true);
        QObject::connect(&limit, &QTimer::timeout, &limit, [&] {
            timedOut = true;
            m_loop.quit();
        });
        if (m_invocation.waitLimit) {
            limit.start(*m_invocation.waitLimit);
        }
        // Declared before the watcher, so that it outlives every call the watcher queues.
        QObject context;
        DeviceWatcher watcher(m_environment.hid, hotplugMonitor(), [&](const auto &) {
            QMetaObject::invokeMethod(
                &context,
                [&] {
                    chosen = attachedChoices(ids);
                    m_loop.quit();
                },
                Qt::QueuedConnection);
        });
        watcher.watch({ids});
        m_pipeline.prepare(target);
        // After the preparing line, unless preparing already failed.
        if (!m_invocation.json && !m_invocation.quiet && m_outcomes.isEmpty()) {
            m_console.print(m_invocation.waitLimit
                                ? QStringLiteral("Waiting up to %1 s for %2...")
                                      .arg(double(m_invocation.waitLimit->count()) / 1000)
                                      .arg(target.product)
                                : QStringLiteral("Waiting for %1...").arg(target.product));
        }
        const auto ended = [&] {
            return m_interrupted || timedOut || !m_outcomes.isEmpty() ||
                   (m_image && !chosen.empty());
        };
        while (!ended()) {
            if (!chosen.empty()) {
                limit.stop();
            }
            m_loop.exec();
        }
        if (!m_outcomes.isEmpty()) {
            return finishReport(target);
        }
        if (m_interrupted) {
            // An image already kept was not abandoned.
            UpdateTarget stopped = target;
            if (m_image) {
                stopped.item.reset();
            }
            m_console.printError(stoppedLine(stopped, false));
            return exitInterrupted;
        }
        if (timedOut) {
            m_console.printError(UpdateMessages::deviceAbsent(target.product));
            return exitDevice;
        }
        return std::nullopt;
    }

    std::unique_ptr<HotplugMonitor> hotplugMonitor() const
    {
        return m_environment.hotplugMonitor ? m_environment.hotplugMonitor() : nullptr;
    }

    int flash(const UpdateTarget &target, const std::vector<HidDeviceInfo> &chosen)
    {
        m_current = target;
        m_chosen = chosen;
        std::set<std::string> paths;
        for (const HidDeviceInfo &device : chosen) {
            paths.insert(device.path);
        }
        m_outcomes.clear();
        m_pipeline.start(
            target,
            m_invocation.allDevices ? UpdatePipeline::Reach::allDevices
                                    : UpdatePipeline::Reach::firstDevice,
            [paths](const HidDeviceInfo &device) { return paths.contains(device.path); });
        while (m_pipeline.isRunning()) {
            m_loop.exec();
        }
        return finishReport(target);
    }

    void onStep(UpdatePipeline::Step step, const QString &line)
    {
        // Said once, even when a wait comes between preparing the image and flashing it.
        if (step == UpdatePipeline::Step::preparing && std::exchange(m_preparingSaid, true)) {
            return;
        }
        if (step == UpdatePipeline::Step::transferStarting) {
            m_display.emplace(m_console, progressMode(m_invocation, m_console),
                              m_pipeline.transferLabels());
            m_transferStarted = QDateTime::currentDateTimeUtc();
            m_transferClock.start();
            if (m_invocation.json) {
                for (qsizetype i = 0; i < m_pipeline.transferLabels().size(); ++i) {
                    m_console.printJsonLine(startedEvent(deviceOf(int(i)), m_current));
                }
            }
        }
        if (!m_invocation.quiet && !m_invocation.json) {
            m_console.print(line);
        }
    }

    // The device of a transfer: the one chosen, or the one its label names.
    HidDeviceInfo deviceOf(int transfer) const
    {
        const QString label = m_pipeline.transferLabels().value(transfer);
        const auto found = std::find_if(m_chosen.begin(), m_chosen.end(), [&](const auto &d) {
            return QString::fromStdString(d.path) == label;
        });
        if (found != m_chosen.end()) {
            return *found;
        }
        return m_chosen.empty() ? HidDeviceInfo{} : m_chosen.front();
    }

    // Reports every outcome, and records each transfer in the log; the worst exit status.
    int finishReport(const UpdateTarget &target)
    {
        if (m_display) {
            m_display->finish();
        }
        const bool transferred = m_display.has_value();
        const double seconds = transferred ? double(m_transferClock.elapsed()) / 1000 : 0;
        const ImageFacts image = m_image ? imageFacts(*m_image) : ImageFacts{};
        const QStringList &labels = m_pipeline.transferLabels();
        int status = exitSuccess;
        for (qsizetype i = 0; i < m_outcomes.size(); ++i) {
            const UpdateOutcome &outcome = m_outcomes.at(i);
            const bool stopped = outcome.status == UpdateOutcome::Status::stopped;
            const QString line = stopped ? stoppedLine(target, transferred) : outcome.line;
            const std::optional<HidDeviceInfo> device =
                transferred ? std::optional(deviceOf(int(i))) : std::nullopt;
            tellOutcome(m_console, m_invocation.json, labels.value(i), device, outcome, line);
            status = std::max(status, exitStatusOf(outcome.status));
            if (device && m_log.isOpen()) {
                const UnitAttempt attempt{*device, m_transferStarted, seconds, outcome, line};
                if (const std::optional<QString> problem = m_log.append(
                        logRecord(attempt, target, image, QSysInfo::machineHostName()))) {
                    m_console.printError(QStringLiteral("morvane-flash: the log could not be "
                                                        "written: ") +
                                         *problem);
                    status = std::max<int>(status, exitUsage);
                }
            }
        }
        return status;
    }

    const Invocation &m_invocation;
    Environment &m_environment;
    Console &m_console;
    BenchLog &m_log;
    UpdatePipeline m_pipeline;
    QEventLoop m_loop;
    QTimer m_stopPoll;
    bool m_interrupted = false;
    bool m_preparingSaid = false;
    // What is being flashed, for the events that name it.
    UpdateTarget m_current;
    std::vector<HidDeviceInfo> m_chosen;
    std::optional<QByteArray> m_image;
    std::optional<ProgressDisplay> m_display;
    QDateTime m_transferStarted;
    QElapsedTimer m_transferClock;
    QList<UpdateOutcome> m_outcomes;
};

} // namespace

int runFlash(const Invocation &invocation, Environment &environment, Console &console)
{
    BenchLog log;
    if (!invocation.log.isEmpty()) {
        if (const std::optional<QString> problem = log.open(invocation.log)) {
            console.printError(QStringLiteral("morvane-flash: cannot open the log: ") + *problem);
            return exitUsage;
        }
    }
    Downloader downloader(environment.stop, console);
    UpdateTarget target;
    const int resolved =
        invocation.file.isEmpty()
            ? resolveCatalogueTarget(invocation, environment, downloader, console, target)
            : resolveFileTarget(invocation, console, target);
    if (resolved != exitSuccess) {
        return resolved;
    }
    if (invocation.watch) {
        return watchAndFlash(invocation, environment, console, downloader, log, target);
    }
    return FlashRun(invocation, environment, console, downloader, log).run(target);
}
