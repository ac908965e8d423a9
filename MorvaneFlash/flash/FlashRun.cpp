#include "flash/FlashRun.h"

#include "bootloader/DeviceWatcher.h"
#include "bootloader/HIDBootloader.h"
#include "bootloader/HidBackend.h"
#include "bootloader/UsbIdentifier.h"
#include "flash/FlashRecord.h"
#include "flash/SessionGuard.h"
#include "frame/Console.h"
#include "frame/Downloader.h"
#include "frame/Environment.h"
#include "frame/ExitStatus.h"
#include "frame/StopPoll.h"
#include "trust/CatalogueTrust.h"
#include "update/DeviceTransfers.h"
#include "update/ImagePreparation.h"
#include "update/UpdateMessages.h"
#include "update/UpdateTarget.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <algorithm>

namespace {

struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(FlashRun)
};

class FlashRun
{
public:
    FlashRun(const FlashRunSettings &settings, Environment &environment, Console &console,
             Downloader &downloader)
        : m_settings(settings), m_environment(environment), m_console(console),
          m_bootloader(environment.hid), m_session(environment, settings.ignoreBattery),
          m_preparation(downloader.source(), environment.firmwareFolder,
                        environment.catalogueTrust.keyBuiltIn),
          m_transfers(m_bootloader), m_stopPoll(environment.stop, [this] {
              m_interrupted = true;
              m_preparation.stop();
              m_transfers.stopAll();
              m_loop.quit();
          })
    {
        m_session.guard(m_transfers, m_console);
        QObject::connect(&m_preparation, &ImagePreparation::prepared, &m_loop,
                         [this](const QByteArray &image, const QString &keptLine) {
                             m_image = image;
                             if (!keptLine.isEmpty()) {
                                 say(keptLine);
                             }
                             m_loop.quit();
                         });
        QObject::connect(&m_preparation, &ImagePreparation::failed, &m_loop,
                         [this](const UpdateOutcome &outcome) {
                             m_failure = outcome;
                             m_loop.quit();
                         });
        QObject::connect(&m_transfers, &DeviceTransfers::progressed, &m_loop,
                         [this](DeviceTransfers::Id id, int percent) {
                             const std::size_t index = transferIndex(id);
                             if (m_settings.output.json) {
                                 m_console.printJsonLine(progressEvent(m_units[index].device,
                                                                       percent, m_image->size()));
                             }
                             m_display->update(index, percent);
                         });
        QObject::connect(&m_transfers, &DeviceTransfers::finished, &m_loop,
                         [this](DeviceTransfers::Id id, const UpdateOutcome &outcome) {
                             m_units[transferIndex(id)].outcome = outcome;
                             m_loop.quit();
                         });
    }

    int run(const UpdateTarget &target)
    {
        // The one enumeration: the devices with the ids, then those the selectors accept.
        m_withIds = target.ids
                        ? matchingDevices(m_environment.hid.attachedDevices(), *target.ids, {})
                        : std::vector<HidDeviceInfo>{};
        std::vector<HidDeviceInfo> chosen =
            matchingDevices(m_withIds, target.ids.value_or(UsbIds{}), m_settings.selector);
        if (chosen.empty() && m_settings.wait && target.ids && isWatchable(*target.ids)) {
            if (const std::optional<int> status = waitForDevices(target, *target.ids, chosen)) {
                return *status;
            }
        }
        if (chosen.size() > 1 && !m_settings.allDevices) {
            m_console.printError(ambiguousChoice(target.product, chosen));
            return exitUsage;
        }
        return flash(target, chosen);
    }

private:
    struct Unit
    {
        HidDeviceInfo device;
        DeviceTransfers::Id id = 0;
        std::optional<UpdateOutcome> outcome;
    };

    // Prepares the image while a matching device is awaited; the exit status when the wait
    // ends without both.
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
        if (m_settings.waitLimit) {
            limit.start(*m_settings.waitLimit);
        }
        // Declared before the watcher, so that it outlives every call the watcher queues.
        QObject context;
        const DeviceSelector &selector = m_settings.selector;
        DeviceWatcher watcher(m_environment.hid, hotplugMonitor(), [&](const auto &) {
            QMetaObject::invokeMethod(
                &context,
                [&] {
                    chosen = matchingDevices(m_environment.hid.attachedDevices(), ids, selector);
                    m_loop.quit();
                },
                Qt::QueuedConnection);
        });
        watcher.watch({ids});
        sayPreparing(target);
        m_preparation.prepare(target);
        // After the preparing line, unless preparing already failed.
        if (!m_failure) {
            say(m_settings.waitLimit ? Texts::tr("Waiting up to %1 s for %2...")
                                           .arg(double(m_settings.waitLimit->count()) / 1000)
                                           .arg(target.product)
                                     : Texts::tr("Waiting for %1...").arg(target.product));
        }
        const auto ended = [&] {
            return m_interrupted || timedOut || m_failure || (m_image && !chosen.empty());
        };
        while (!ended()) {
            if (!chosen.empty()) {
                limit.stop();
            }
            m_loop.exec();
        }
        return waitEnd(target, timedOut);
    }

    // How a wait ended: nothing when the image and a device are there.
    std::optional<int> waitEnd(const UpdateTarget &target, bool timedOut)
    {
        if (m_failure) {
            return finishReport(target);
        }
        if (m_interrupted) {
            // An image already kept was not abandoned.
            m_console.printError(
                stoppedLine(target, m_image ? StopPoint::imageKept : StopPoint::beforeImage));
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

    // The update's road as the window takes it: refusal, device check, image, transfers.
    int flash(const UpdateTarget &target, const std::vector<HidDeviceInfo> &chosen)
    {
        sayPreparing(target);
        if (const std::optional<UpdateOutcome> refusal =
                m_image ? std::nullopt : updateRefusal(target, keyBuiltIn())) {
            m_failure = refusal;
            return finishReport(target);
        }
        if (chosen.empty()) {
            // Devices are attached, only none that --serial or --path names: not the cable.
            m_failure = {UpdateOutcome::Status::deviceAbsent,
                         m_withIds.empty() ? UpdateMessages::deviceAbsent(target.product)
                                           : unmatchedChoice(target.product, m_withIds)};
            return finishReport(target);
        }
        say(UpdateMessages::deviceFound(target.product));
        if (!m_image) {
            m_preparation.prepare(target);
            while (!m_image && !m_failure) {
                m_loop.exec();
            }
            if (m_failure) {
                return finishReport(target);
            }
        }
        if (m_interrupted) {
            m_failure = {UpdateOutcome::Status::stopped, UpdateMessages::updateStopped()};
            return finishReport(target);
        }
        transfer(target,
                 m_settings.allDevices ? chosen : std::vector<HidDeviceInfo>{chosen.front()});
        while (std::any_of(m_units.begin(), m_units.end(),
                           [](const Unit &unit) { return !unit.outcome; })) {
            m_loop.exec();
        }
        return finishReport(target);
    }

    void transfer(const UpdateTarget &target, const std::vector<HidDeviceInfo> &devices)
    {
        QStringList labels;
        for (std::size_t i = 0; i < devices.size(); ++i) {
            const std::string &path = devices[i].path;
            labels.append(!m_settings.allDevices ? QString()
                          : path.empty()         ? Texts::tr("device %1").arg(i + 1)
                                                 : QString::fromStdString(path));
        }
        m_labels = labels;
        m_display.emplace(m_console, progressModeOf(m_settings.output, m_console), labels,
                          m_image->size());
        m_transferStarted = QDateTime::currentDateTimeUtc();
        m_transferClock.start();
        for (const HidDeviceInfo &device : devices) {
            if (m_settings.output.json) {
                m_console.printJsonLine(startedEvent(device, target));
            }
        }
        say(UpdateMessages::transferStarting());
        for (const HidDeviceInfo &device : devices) {
            m_units.push_back({device, 0, std::nullopt});
        }
        for (Unit &unit : m_units) {
            unit.id = m_transfers.start(m_environment.hid.deviceAt(unit.device.path), *m_image,
                                        target.product + QLatin1Char(' ') + target.version);
        }
    }

    std::size_t transferIndex(DeviceTransfers::Id id) const
    {
        const auto found = std::find_if(m_units.begin(), m_units.end(),
                                        [id](const Unit &unit) { return unit.id == id; });
        return std::size_t(found - m_units.begin());
    }

    // Reports every outcome, and records each transfer in the log; the worst exit status.
    int finishReport(const UpdateTarget &target)
    {
        if (m_display) {
            m_display->finish();
        }
        const double seconds = m_display ? double(m_transferClock.elapsed()) / 1000 : 0;
        const ImageFacts image = m_image ? imageFacts(*m_image) : ImageFacts{};
        if (m_failure) {
            // An image already kept was not abandoned.
            const StopPoint point = m_image ? StopPoint::imageKept : StopPoint::beforeImage;
            const bool stopped = m_failure->status == UpdateOutcome::Status::stopped;
            tellOutcome(m_console, m_settings.output.json, QString(), std::nullopt, *m_failure,
                        stopped ? stoppedLine(target, point) : m_failure->line);
            return exitStatusOf(m_failure->status);
        }
        int status = exitSuccess;
        for (std::size_t i = 0; i < m_units.size(); ++i) {
            const Unit &unit = m_units[i];
            const UpdateOutcome &outcome = *unit.outcome;
            const bool stopped = outcome.status == UpdateOutcome::Status::stopped;
            const QString line =
                stopped ? stoppedLine(target, StopPoint::inTransfer) : outcome.line;
            tellOutcome(m_console, m_settings.output.json, m_labels.value(qsizetype(i)),
                        unit.device, outcome, line);
            status = std::max(status, exitStatusOf(outcome.status));
            if (m_settings.record) {
                UnitRecord record = unitRecordOf(target, image, m_settings.tags);
                record.device = unit.device;
                record.started = m_transferStarted;
                record.seconds = seconds;
                record.outcome = outcome;
                record.line = line;
                if (const std::optional<QString> problem = m_settings.record(record)) {
                    m_console.printError(
                        Texts::tr("morvane-flash: the log could not be written: %1").arg(*problem));
                    status = std::max<int>(status, exitUsage);
                }
            }
        }
        return status;
    }

    // Said once, even when a wait comes between preparing the image and flashing it.
    void sayPreparing(const UpdateTarget &target)
    {
        if (!std::exchange(m_preparingSaid, true)) {
            say(UpdateMessages::preparingUpdate(target.product, target.version));
        }
    }

    void say(const QString &line)
    {
        if (m_settings.output.saysLines()) {
            m_console.print(line);
        }
    }

    bool keyBuiltIn() const { return m_environment.catalogueTrust.keyBuiltIn; }

    const FlashRunSettings &m_settings;
    Environment &m_environment;
    Console &m_console;
    QEventLoop m_loop;
    bool m_interrupted = false;
    bool m_preparingSaid = false;
    std::optional<QByteArray> m_image;
    // The update ended before any transfer: refused, nothing attached, no image.
    std::optional<UpdateOutcome> m_failure;
    std::vector<Unit> m_units;
    std::vector<HidDeviceInfo> m_withIds;
    QStringList m_labels;
    std::optional<ProgressDisplay> m_display;
    QDateTime m_transferStarted;
    QElapsedTimer m_transferClock;
    // Declared after what their reports reach, so that they go first.
    HIDBootloader m_bootloader;
    SessionGuard m_session;
    ImagePreparation m_preparation;
    DeviceTransfers m_transfers;
    StopPoll m_stopPoll;
};

} // namespace

int flashTarget(const FlashRunSettings &settings, Environment &environment, Console &console,
                Downloader &downloader, const UpdateTarget &target)
{
    return FlashRun(settings, environment, console, downloader).run(target);
}
