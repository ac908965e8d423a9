#include "station/FlashWatch.h"

#include "bootloader/DeviceWatcher.h"
#include "bootloader/HIDBootloader.h"
#include "flash/DeviceSelection.h"
#include "flash/FlashRecord.h"
#include "flash/SessionGuard.h"
#include "frame/Console.h"
#include "frame/Downloader.h"
#include "frame/Environment.h"
#include "frame/ExitStatus.h"
#include "frame/StopPoll.h"
#include "station/BenchLog.h"
#include "station/FlashedUnits.h"
#include "station/UnitRecordSinks.h"
#include "station/WatchDisplay.h"
#include "station/WatchSettings.h"
#include "trust/CatalogueTrust.h"
#include "trust/SignatureDates.h"
#include "update/DeviceTransfers.h"
#include "update/ImagePreparation.h"
#include "update/UpdateMessages.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <map>

namespace {

struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(FlashWatch)
};

using Status = UpdateOutcome::Status;

constexpr std::chrono::milliseconds defaultSettle{5000};

class WatchRun
{
public:
    WatchRun(const WatchSettings &settings, Environment &environment, Console &console,
             Downloader &downloader, BenchLog &log, const UpdateTarget &target)
        : m_settings(settings), m_environment(environment), m_console(console), m_log(log),
          m_target(target), m_flashed(settings.settle.value_or(defaultSettle)),
          m_sinks(settings, console), m_bootloader(environment.hid),
          m_session(environment, settings.ignoreBattery),
          m_preparation(downloader.source(), environment.firmwareFolder,
                        environment.catalogueTrust.keyBuiltIn),
          m_transfers(m_bootloader), m_stopPoll(environment.stop,
                                                [this] {
                                                    if (!m_stopping) {
                                                        m_interrupted = true;
                                                        stopWatching();
                                                    }
                                                }),
          m_transferStopPoll(environment.stopInTransfer, [this] { stopTransfers(); })
    {
        m_drainLimit.setSingleShot(true);
        QObject::connect(&m_drainLimit, &QTimer::timeout, &m_context, [this] { stopTransfers(); });
        m_session.guard(m_transfers, m_console);
        QObject::connect(&m_transfers, &DeviceTransfers::progressed, &m_context,
                         [this](DeviceTransfers::Id id, int percent) {
                             m_units.at(id).percent = percent;
                             if (m_settings.output.json) {
                                 m_console.printJsonLine(progressEvent(
                                     m_units.at(id).device, percent, m_ready.image.size()));
                             }
                             m_display->progressed(id, percent);
                         });
        QObject::connect(&m_transfers, &DeviceTransfers::finished, &m_context,
                         [this](DeviceTransfers::Id id, const UpdateOutcome &outcome) {
                             unitEnded(id, outcome);
                         });
    }

    int run()
    {
        if (const std::optional<QString> held = m_sinks.claimMetrics()) {
            m_console.printError(Texts::tr("morvane-flash: --metrics: %1").arg(*held));
            return exitUsage;
        }
        if (const std::optional<int> status = prepareImage()) {
            return *status;
        }
        if (!m_target.ids || !isWatchable(*m_target.ids)) {
            m_console.printError(UpdateMessages::deviceAbsent(m_target.product));
            return exitDevice;
        }
        m_sinks.begin(m_ready);
        warnOfExpiry();
        QObject::connect(&m_expiryWarnings, &QTimer::timeout, &m_context,
                         [this] { warnOfExpiry(); });
        m_expiryWarnings.start(std::chrono::hours(24));
        say(Texts::tr("Watching for %1: each one plugged in is flashed. Ctrl-C ends.")
                .arg(m_target.product));
        m_clock.start();
        m_display.emplace(m_console, progressModeOf(m_settings.output, m_console), what(),
                          m_ready.image.size());
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
        m_watcher->watch({*m_target.ids});
        if (m_environment.drainOnStop) {
            m_environment.drainOnStop();
        }
        while (!m_stopping || !m_units.empty()) {
            m_loop.exec();
        }
        return summarise();
    }

private:
    struct Unit
    {
        HidDeviceInfo device;
        QDateTime started;
        QElapsedTimer clock;
        int percent = 0;
    };

    // The image, once for every unit; the exit status when there is none.
    std::optional<int> prepareImage()
    {
        std::optional<UpdateOutcome> failure;
        QObject::connect(&m_preparation, &ImagePreparation::prepared, &m_context,
                         [this](const QByteArray &image, const QString &keptLine) {
                             if (!keptLine.isEmpty()) {
                                 say(keptLine);
                             }
                             m_ready.image = image;
                             m_loop.quit();
                         });
        QObject::connect(&m_preparation, &ImagePreparation::failed, &m_context,
                         [this, &failure](const UpdateOutcome &outcome) {
                             failure = outcome;
                             m_loop.quit();
                         });
        m_ready = m_target;
        m_ready.item.reset();
        m_ready.image.clear();
        say(UpdateMessages::preparingUpdate(m_target.product, m_target.version));
        m_preparation.prepare(m_target);
        while (m_ready.image.isEmpty() && !failure && !m_stopping) {
            m_loop.exec();
        }
        if (m_stopping) {
            m_console.printError(stoppedLine(m_target, StopPoint::beforeImage));
            return exitInterrupted;
        }
        if (failure) {
            tellOutcome(m_console, m_settings.output.json, QString(), std::nullopt, *failure,
                        failure->line);
            return exitStatusOf(failure->status);
        }
        m_image = imageFacts(m_ready.image);
        return std::nullopt;
    }

    // `again`: one back early, judged now that the unit it may be has ended.
    void arrive(const HidDeviceInfo &device, bool again = false)
    {
        // Another station's, when stations share the computer.
        if (!portMatches(m_settings.ports, device)) {
            return;
        }
        if (m_settings.output.json && !again && !m_stopping) {
            m_console.printJsonLine(pluggedEvent(device));
        }
        if (m_stopping || std::any_of(m_units.begin(), m_units.end(), [&](const auto &unit) {
                return unit.second.device.path == device.path;
            })) {
            return;
        }
        // Back before its transfer's end was heard, as a fast restart can be: decided once
        // that transfer has ended, so the unit is neither flashed nor counted twice.
        const std::string known = FlashedUnits::identity(device);
        if (!known.empty() && std::any_of(m_units.begin(), m_units.end(), [&](const auto &unit) {
                return FlashedUnits::identity(unit.second.device) == known;
            })) {
            m_early.push_back(device);
            return;
        }
        if (m_flashed.isReturning(device, FlashedUnits::Clock::now())) {
            skip(device);
            return;
        }
        if (m_settings.output.json) {
            m_console.printJsonLine(startedEvent(device, m_ready));
        }
        // The watcher has just seen it arrive: that is the device check.
        const DeviceTransfers::Id id =
            m_transfers.start(m_environment.hid.deviceAt(device.path), m_ready.image, what());
        Unit &unit = m_units[id];
        unit.device = device;
        unit.started = QDateTime::currentDateTimeUtc();
        unit.clock.start();
        m_display->arrived(id, device);
        m_sinks.unitStarted();
    }

    void unitEnded(DeviceTransfers::Id id, const UpdateOutcome &outcome)
    {
        const auto found = m_units.find(id);
        if (found == m_units.end()) {
            return;
        }
        const Unit unit = std::move(found->second);
        m_units.erase(found);

        const QString line = outcome.status == Status::stopped
                                 ? stoppedLine(m_ready, StopPoint::inTransfer)
                                 : outcome.line;
        const double seconds = double(unit.clock.elapsed()) / 1000;
        if (m_settings.output.json || m_sinks.endOnConsole(outcome.status != Status::completed)) {
            tellOutcome(m_console, m_settings.output.json, deviceDescription(unit.device),
                        unit.device, outcome, line,
                        unitFields(m_ready.product, m_ready.version, seconds));
        }
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
        const bool failed =
            outcome.status != Status::completed && outcome.status != Status::stopped;
        m_display->ended(id, counts(), failed ? std::optional(line) : std::nullopt);
        record(unit, outcome, line, seconds);
        // Those back early from this unit are judged now that its outcome is known.
        const std::string known = FlashedUnits::identity(unit.device);
        std::vector<HidDeviceInfo> early;
        std::erase_if(m_early, [&](const HidDeviceInfo &device) {
            if (FlashedUnits::identity(device) != known) {
                return false;
            }
            early.push_back(device);
            return true;
        });
        for (const HidDeviceInfo &device : early) {
            arrive(device, true);
        }
        if (m_stopping && m_units.empty()) {
            m_loop.quit();
        }
    }

    void skip(const HidDeviceInfo &device)
    {
        ++m_skipped;
        const QString line = Texts::tr("%1: back after its update; not flashed again.")
                                 .arg(deviceDescription(device));
        if (m_settings.output.json) {
            m_console.printJsonLine(skippedEvent(device, m_ready, line));
        } else if (m_sinks.endOnConsole(false)) {
            m_console.print(line);
        }
        m_display->skipped(counts());
        UnitRecord record = unitRecordOf(m_ready, m_image, m_settings.tags);
        record.device = device;
        record.line = line;
        record.skipped = true;
        tell(record);
    }

    void record(const Unit &unit, const UpdateOutcome &outcome, const QString &line, double seconds)
    {
        UnitRecord record = unitRecordOf(m_ready, m_image, m_settings.tags);
        record.device = unit.device;
        record.started = unit.started;
        record.seconds = seconds;
        record.outcome = outcome;
        record.line = line;
        tell(record);
    }

    // A unit's end to the log, the journal and the metrics.
    void tell(const UnitRecord &record)
    {
        m_sinks.unitEnded(record);
        if (!m_log.isOpen()) {
            return;
        }
        const std::optional<QString> problem = m_log.append(logRecord(record));
        if (problem && !m_logFailed) {
            // Flashing on without a record would leave units nobody can account for.
            m_logFailed = true;
            m_console.printError(Texts::tr("morvane-flash: the log could not be written, so no "
                                           "further unit is flashed: %1")
                                     .arg(*problem));
            stopWatching();
        }
    }

    // No unit starts from here on; those under way run to their end (a drain, when a signal
    // asked for the stop), unless the next signal or the drain's limit stops them.
    void stopWatching()
    {
        m_stopping = true;
        m_watcher.reset();
        m_preparation.stop();
        if (m_interrupted && !m_units.empty()) {
            double seconds = 0;
            for (const auto &[id, unit] : m_units) {
                seconds = std::max(seconds, HIDBootloader::secondsLeft(
                                                unit.percent, std::size_t(m_ready.image.size())));
            }
            if (!m_settings.output.json) {
                m_console.printError(
                    drainLine(int(m_units.size()), seconds, m_settings.drainTimeout));
            }
            if (m_settings.drainTimeout) {
                m_drainLimit.start(*m_settings.drainTimeout);
            }
        }
        m_loop.quit();
    }

    void warnOfExpiry()
    {
        if (const std::optional<QString> warning =
                expiryWarning(m_ready.listExpires, QDateTime::currentSecsSinceEpoch());
            warning && !m_settings.output.json) {
            m_console.printError(*warning);
        }
    }

    // The units in transfer end at a report boundary.
    void stopTransfers()
    {
        m_transfers.stopAll();
        m_loop.quit();
    }

    int summarise()
    {
        m_sinks.end();
        const double seconds = double(m_clock.elapsed()) / 1000;
        if (m_settings.output.json) {
            m_console.printJsonLine(
                summaryEvent(m_completed, m_failed, m_skipped, m_stopped, seconds));
        } else {
            m_console.print(Texts::tr("Watch ended: %1 flashed, %2 failed, %3 skipped, %4 "
                                      "stopped, in %5 s.")
                                .arg(m_completed)
                                .arg(m_failed)
                                .arg(m_skipped)
                                .arg(m_stopped)
                                .arg(seconds, 0, 'f', 1));
        }
        int status = m_worstFailure;
        if (status == exitSuccess && m_stopped > 0) {
            status = exitInterrupted;
        }
        return m_logFailed ? std::max<int>(status, exitUsage) : status;
    }

    // The image as the lines name it: model and version.
    QString what() const { return m_ready.product + QLatin1Char(' ') + m_ready.version; }

    WatchCounts counts() const { return {m_completed, m_failed, m_skipped}; }

    void say(const QString &line)
    {
        if (m_settings.output.saysLines()) {
            m_console.print(line);
        }
    }

    const WatchSettings &m_settings;
    Environment &m_environment;
    Console &m_console;
    BenchLog &m_log;
    const UpdateTarget m_target;
    FlashedUnits m_flashed;
    UnitRecordSinks m_sinks;

    // The target with the checked image in place of the catalogue record.
    UpdateTarget m_ready;
    ImageFacts m_image;
    QEventLoop m_loop;
    QElapsedTimer m_clock;
    bool m_stopping = false;
    bool m_interrupted = false;
    bool m_logFailed = false;
    int m_completed = 0;
    int m_failed = 0;
    int m_stopped = 0;
    int m_skipped = 0;
    // Devices back while a unit they may be was still in transfer.
    std::vector<HidDeviceInfo> m_early;
    int m_worstFailure = exitSuccess;
    std::map<DeviceTransfers::Id, Unit> m_units;
    std::optional<WatchDisplay> m_display;
    QTimer m_drainLimit;
    QTimer m_expiryWarnings;

    // Receives the queued calls and signals: declared before what sends them, so that it
    // goes last and nothing reaches a half-destroyed run.
    QObject m_context;
    HIDBootloader m_bootloader;
    SessionGuard m_session;
    ImagePreparation m_preparation;
    DeviceTransfers m_transfers;
    std::unique_ptr<DeviceWatcher> m_watcher;
    StopPoll m_stopPoll;
    StopPoll m_transferStopPoll;
};

} // namespace

int watchAndFlash(const WatchSettings &settings, Environment &environment, Console &console,
                  Downloader &downloader, BenchLog &log, const UpdateTarget &target)
{
    return WatchRun(settings, environment, console, downloader, log, target).run();
}

std::optional<QString> expiryWarning(std::optional<qint64> expires, qint64 now)
{
    constexpr qint64 day = 86400;
    if (!expires || *expires - now > 7 * day || *expires <= now) {
        return std::nullopt;
    }
    return Texts::tr("Warning: the catalogue's signature expires on %1, in %2 days: a "
                     "station started after then refuses the list. Ask its publisher for a "
                     "newly signed one.")
        .arg(signatureDateText(*expires))
        .arg(double(*expires - now) / day, 0, 'f', 1);
}

QString drainLine(int units, double seconds, std::optional<std::chrono::milliseconds> timeout)
{
    const QString about = durationText(seconds);
    QString line;
    if (!timeout) {
        line = units == 1 ? Texts::tr("Stopping: no new unit is taken; the unit in transfer "
                                      "finishes first, about %1 at the protocol's pace.")
                                .arg(about)
                          : Texts::tr("Stopping: no new unit is taken; the %1 units in transfer "
                                      "finish first, about %2 at the protocol's pace.")
                                .arg(units)
                                .arg(about);
    } else {
        const double most = double(timeout->count()) / 1000;
        line = units == 1 ? Texts::tr("Stopping: no new unit is taken; the unit in transfer "
                                      "finishes first, about %1 at the protocol's pace (at most "
                                      "%2 s).")
                                .arg(about)
                                .arg(most)
                          : Texts::tr("Stopping: no new unit is taken; the %1 units in transfer "
                                      "finish first, about %2 at the protocol's pace (at most "
                                      "%3 s).")
                                .arg(units)
                                .arg(about)
                                .arg(most);
    }
    return line + QLatin1Char(' ') +
           Texts::tr("A second Ctrl-C, SIGTERM or SIGHUP stops them at a report boundary.");
}
