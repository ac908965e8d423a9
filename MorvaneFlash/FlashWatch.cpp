#include "FlashWatch.h"

#include "BenchLog.h"
#include "Commands.h"
#include "DeviceSelection.h"
#include "Downloader.h"
#include "ExitStatus.h"
#include "FlashRecord.h"
#include "FlashedUnits.h"
#include "bootloader/DeviceWatcher.h"
#include "trust/CatalogueTrust.h"
#include "update/UpdateMessages.h"
#include "update/UpdatePipeline.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QSysInfo>
#include <QTimer>
#include <map>

namespace {

using Status = UpdateOutcome::Status;

constexpr int stopPollMs = 50;
constexpr std::chrono::milliseconds defaultSettle{5000};

class WatchRun
{
public:
    WatchRun(const Invocation &invocation, Environment &environment, Console &console,
             Downloader &downloader, BenchLog &log, const UpdateTarget &target)
        : m_invocation(invocation), m_environment(environment), m_console(console),
          m_network(downloader.network()), m_log(log), m_target(target),
          m_keyBuiltIn(catalogueTrustFromKey(environment.catalogueKey).keyBuiltIn),
          m_flashed(invocation.settle.value_or(defaultSettle)),
          m_preparer(environment.hid, m_network, environment.firmwareFolder, m_keyBuiltIn)
    {
        QObject::connect(&m_stopPoll, &QTimer::timeout, &m_context, [this] {
            if (m_environment.stop.stop_requested() && !m_stopping) {
                m_interrupted = true;
                stopWatching();
            }
        });
        m_stopPoll.start(stopPollMs);
    }

    int run()
    {
        if (const std::optional<int> status = prepareImage()) {
            return *status;
        }
        const std::optional<UsbIds> ids = targetIds(m_target);
        if (!ids) {
            m_console.printError(UpdateMessages::deviceAbsent(m_target.product));
            return exitDevice;
        }
        say(QStringLiteral("Watching for %1: each one plugged in is flashed. Ctrl-C ends.")
                .arg(m_target.product));
        m_clock.start();
        m_watcher = std::make_unique<DeviceWatcher>(
            m_environment.hid,
            m_environment.hotplugMonitor ? m_environment.hotplugMonitor() : nullptr,
            [this](const DeviceWatcher::Change &change) {
                if (change.kind == DeviceWatcher::Change::Kind::arrived) {
                    QMetaObject::invokeMethod(
                        &m_context, [this, device = change.device.info] { arrive(device); },
                        Qt::QueuedConnection);
                }
            });
        m_watcher->watch({*ids});
        while (!m_stopping || !m_units.empty()) {
            m_loop.exec();
        }
        m_finishedPipelines.clear();
        return summarise();
    }

private:
    struct Unit
    {
        HidDeviceInfo device;
        std::unique_ptr<UpdatePipeline> pipeline;
        QDateTime started;
        QElapsedTimer clock;
    };

    // The image, once for every unit; the exit status when there is none.
    std::optional<int> prepareImage()
    {
        QObject::connect(&m_preparer, &UpdatePipeline::stepReached, &m_context,
                         [this](UpdatePipeline::Step, const QString &line) { say(line); });
        QObject::connect(&m_preparer, &UpdatePipeline::prepared, &m_context,
                         [this](const QByteArray &image) {
                             m_ready.image = image;
                             m_loop.quit();
                         });
        QObject::connect(&m_preparer, &UpdatePipeline::finished, &m_context,
                         [this](const QList<UpdateOutcome> &outcomes) {
                             m_prepareFailure = outcomes.constFirst();
                             m_loop.quit();
                         });
        m_ready = m_target;
        m_ready.item.reset();
        m_ready.image.clear();
        m_preparer.prepare(m_target);
        while (m_ready.image.isEmpty() && !m_prepareFailure && !m_stopping) {
            m_loop.exec();
        }
        if (m_stopping) {
            m_console.printError(stoppedLine(m_target, false));
            return exitInterrupted;
        }
        if (const std::optional<UpdateOutcome> &failure = m_prepareFailure) {
            tellOutcome(m_console, m_invocation.json, QString(), std::nullopt, *failure,
                        failure->line);
            return exitStatusOf(failure->status);
        }
        m_image = imageFacts(m_ready.image);
        return std::nullopt;
    }

    void arrive(const HidDeviceInfo &device)
    {
        // Not from within a pipeline's own call, so those that ended can go now.
        m_finishedPipelines.clear();
        if (m_stopping || m_units.contains(device.path)) {
            return;
        }
        if (m_flashed.isReturning(device, FlashedUnits::Clock::now())) {
            const QString line = deviceDescription(device) +
                                 QStringLiteral(": back after its update; not flashed again.");
            if (m_invocation.json) {
                m_console.printJsonLine(skippedEvent(device, m_ready, line));
            } else {
                m_console.print(line);
            }
            return;
        }
        Unit &unit = m_units[device.path];
        unit.device = device;
        unit.started = QDateTime::currentDateTimeUtc();
        unit.clock.start();
        unit.pipeline = std::make_unique<UpdatePipeline>(
            m_environment.hid, m_network, m_environment.firmwareFolder, m_keyBuiltIn);
        UpdatePipeline &pipeline = *unit.pipeline;
        QObject::connect(&pipeline, &UpdatePipeline::progressed, &m_context,
                         [this, device](int, int percent) {
                             if (m_invocation.json) {
                                 m_console.printJsonLine(progressEvent(device, percent));
                             }
                         });
        QObject::connect(&pipeline, &UpdatePipeline::finished, &m_context,
                         [this, path = device.path](const QList<UpdateOutcome> &outcomes) {
                             unitEnded(path, outcomes.constFirst());
                         });
        if (m_invocation.json) {
            m_console.printJsonLine(startedEvent(device, m_ready));
        }
        pipeline.start(m_ready, UpdatePipeline::Reach::firstDevice,
                       [path = device.path](const HidDeviceInfo &candidate) {
                           return candidate.path == path;
                       });
    }

    // Called from within the unit's pipeline, which therefore outlives this call.
    void unitEnded(const std::string &path, const UpdateOutcome &outcome)
    {
        const auto found = m_units.find(path);
        if (found == m_units.end()) {
            return;
        }
        Unit unit = std::move(found->second);
        m_units.erase(found);
        m_finishedPipelines.push_back(std::move(unit.pipeline));

        const QString line =
            outcome.status == Status::stopped ? stoppedLine(m_ready, true) : outcome.line;
        tellOutcome(m_console, m_invocation.json, deviceDescription(unit.device), unit.device,
                    outcome, line);
        switch (outcome.status) {
        case Status::completed:
            ++m_completed;
            m_flashed.completed(unit.device, FlashedUnits::Clock::now());
            break;
        case Status::stopped:
            ++m_stopped;
            break;
        default:
            ++m_failed;
            m_worstFailure = std::max(m_worstFailure, exitStatusOf(outcome.status));
            break;
        }
        record(unit, outcome, line);
        if (m_stopping && m_units.empty()) {
            m_loop.quit();
        }
    }

    void record(const Unit &unit, const UpdateOutcome &outcome, const QString &line)
    {
        if (!m_log.isOpen()) {
            return;
        }
        const UnitAttempt attempt{unit.device, unit.started, double(unit.clock.elapsed()) / 1000,
                                  outcome, line};
        const std::optional<QString> problem =
            m_log.append(logRecord(attempt, m_ready, m_image, QSysInfo::machineHostName()));
        if (problem && !m_logFailed) {
            // Flashing on without a record would leave units nobody can account for.
            m_logFailed = true;
            m_console.printError(
                QStringLiteral("morvane-flash: the log could not be written, so no further unit "
                               "is flashed: ") +
                *problem);
            stopWatching();
        }
    }

    // No unit starts from here on; those under way end at a report boundary when a signal
    // asked for it, or run to their end when the log failed.
    void stopWatching()
    {
        m_stopping = true;
        m_watcher.reset();
        m_preparer.stop();
        if (m_interrupted) {
            for (auto &[path, unit] : m_units) {
                unit.pipeline->stop();
            }
        }
        m_loop.quit();
    }

    int summarise()
    {
        const double seconds = double(m_clock.elapsed()) / 1000;
        if (m_invocation.json) {
            m_console.printJsonLine({{QStringLiteral("event"), QStringLiteral("summary")},
                                     {QStringLiteral("flashed"), m_completed},
                                     {QStringLiteral("failed"), m_failed},
                                     {QStringLiteral("stopped"), m_stopped},
                                     {QStringLiteral("seconds"), qRound(seconds * 10) / 10.0}});
        } else {
            m_console.print(QStringLiteral("Watch ended: %1 flashed, %2 failed, %3 stopped, in "
                                           "%4 s.")
                                .arg(m_completed)
                                .arg(m_failed)
                                .arg(m_stopped)
                                .arg(seconds, 0, 'f', 1));
        }
        int status = m_worstFailure;
        if (status == exitSuccess && m_stopped > 0) {
            status = exitInterrupted;
        }
        return m_logFailed ? std::max<int>(status, exitUsage) : status;
    }

    void say(const QString &line)
    {
        if (!m_invocation.quiet && !m_invocation.json) {
            m_console.print(line);
        }
    }

    const Invocation &m_invocation;
    Environment &m_environment;
    Console &m_console;
    QNetworkAccessManager &m_network;
    BenchLog &m_log;
    const UpdateTarget m_target;
    const bool m_keyBuiltIn;
    FlashedUnits m_flashed;

    // The target with the checked image in place of the catalogue record.
    UpdateTarget m_ready;
    ImageFacts m_image;
    std::optional<UpdateOutcome> m_prepareFailure;
    QEventLoop m_loop;
    QTimer m_stopPoll;
    QElapsedTimer m_clock;
    bool m_stopping = false;
    bool m_interrupted = false;
    bool m_logFailed = false;
    int m_completed = 0;
    int m_failed = 0;
    int m_stopped = 0;
    int m_worstFailure = exitSuccess;

    // Receives the queued calls and signals: declared before what sends them, so that it
    // goes last and nothing reaches a half-destroyed run.
    QObject m_context;
    UpdatePipeline m_preparer;
    std::map<std::string, Unit> m_units;
    std::vector<std::unique_ptr<UpdatePipeline>> m_finishedPipelines;
    std::unique_ptr<DeviceWatcher> m_watcher;
};

} // namespace

int watchAndFlash(const Invocation &invocation, Environment &environment, Console &console,
                  Downloader &downloader, BenchLog &log, const UpdateTarget &target)
{
    return WatchRun(invocation, environment, console, downloader, log, target).run();
}
