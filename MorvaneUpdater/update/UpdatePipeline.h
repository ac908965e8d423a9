#pragma once

#include "bootloader/HIDBootloader.h"
#include "update/UpdateOutcome.h"
#include "update/UpdateTarget.h"

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QThreadPool>
#include <functional>
#include <memory>
#include <stop_token>
#include <vector>

class HidBackend;
class HidDevice;
struct HidDeviceInfo;
class QNetworkAccessManager;
class Download;

// The road of one update, the same for the window and the command line: the refusal, the
// device check, downloading and keeping the image, and the transfer. Each step is reported
// as it is reached, progress as every changed multiple of 5 per cent, and the end as one
// outcome per transfer. It lives on a thread that runs an event loop (the GUI thread, or the
// command's main thread) and reports there; checking and saving the image and the transfer
// run on a thread of its own, one update at a time.
class UpdatePipeline final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(UpdatePipeline)

public:
    enum class Step
    {
        preparing,
        deviceFound,
        firmwareDownloaded,
        transferStarting,
    };

    enum class Reach
    {
        // The transfer finds the first matching device again for itself.
        firstDevice,
        // Every device found by the device check, each on its own thread, all at once.
        allDevices,
    };

    // Which of the attached devices with the target's ids an update may reach.
    using DeviceFilter = std::function<bool(const HidDeviceInfo &)>;

    // `firmwareFolder` is where downloaded images are kept. With `keyBuiltIn`, a record
    // without an image digest is refused.
    UpdatePipeline(HidBackend &hid, QNetworkAccessManager &network, QString firmwareFolder,
                   bool keyBuiltIn, QObject *parent = nullptr);
    ~UpdatePipeline() override;

    // Starts an update; false, and nothing happens, while one runs. An update that is
    // refused or finds no device has finished before this returns. With a filter, only the
    // devices it accepts count, and the transfer reaches exactly those found by the device
    // check rather than looking again.
    bool start(const UpdateTarget &target, Reach reach = Reach::firstDevice,
               DeviceFilter filter = {});
    // The update's road without a device: refused, or downloaded, checked and kept, then
    // `prepared` with the image (a target without a record has it already). A failure ends
    // it with `finished`, as `start` does.
    bool prepare(const UpdateTarget &target);
    bool isRunning() const { return m_running; }

    // Asks the running update to stop and returns at once: a download is abandoned, a
    // transfer ends at its next report boundary with the device closed. The end is reported
    // as usual, with the status `stopped`.
    void stop();
    // Returns once nothing of the update runs on its thread any more (a transfer has closed
    // its device); the end is still delivered through the event loop.
    void waitForTransfers();

    // One label per transfer, set when the transfer starts: the device's path (or
    // "device N") when reaching every device, one empty label otherwise.
    const QStringList &transferLabels() const { return m_labels; }

signals:
    void stepReached(UpdatePipeline::Step step, const QString &line);
    void progressed(int transfer, int percent);
    // The image the update writes, once it is known good: downloaded, checked and kept, or
    // given with the target. `prepare` ends with it; `start` goes on to the transfer.
    void prepared(const QByteArray &image);
    // One outcome per transfer once every transfer has ended; a single outcome when the
    // update ended before its transfer.
    void finished(const QList<UpdateOutcome> &outcomes);

private:
    // False while an update runs; else takes the target and says it is being prepared.
    bool begin(const UpdateTarget &target, bool prepareOnly);
    // Refused from the catalogue alone, so nobody is asked to plug in a device for nothing.
    bool refused();
    void download();
    void keep(const QByteArray &image);
    void transfer(const QByteArray &image);
    // Runs on the pool's thread.
    QList<UpdateOutcome> runTransfers(std::span<const uint8_t> image, std::stop_token stop);
    UpdateOutcome runTransfer(int index,
                              const std::function<void(const HIDBootloader::Progress &)> &flash);
    void finish(const UpdateOutcome &outcome);
    void finish(const QList<UpdateOutcome> &outcomes);
    bool stopRequested() const { return m_stop.stop_requested(); }

    HidBackend &m_hid;
    QNetworkAccessManager &m_network;
    const QString m_firmwareFolder;
    const bool m_keyBuiltIn;
    HIDBootloader m_bootloader;

    bool m_running = false;
    UpdateTarget m_target;
    Reach m_reach = Reach::firstDevice;
    bool m_prepareOnly = false;
    std::stop_source m_stop;
    QPointer<Download> m_download;
    // Found by the device check when reaching every device; used by the transfer's thread
    // alone until the update finishes.
    std::vector<std::unique_ptr<HidDevice>> m_devices;
    QStringList m_labels;

    // Declared last so that it is destroyed first: a running task uses the members above.
    QThreadPool m_pool;
};
