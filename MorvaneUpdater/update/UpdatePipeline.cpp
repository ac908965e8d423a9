#include "update/UpdatePipeline.h"

#include "bootloader/HidBackend.h"
#include "bootloader/OpenFailureHelp.h"
#include "bootloader/TransferStopped.h"
#include "bootloader/UsbIdentifier.h"
#include "download/Download.h"
#include "download/WebAddress.h"
#include "trust/CatalogueTrust.h"
#include "update/FirmwareFileName.h"
#include "update/FirmwareStore.h"
#include "update/ProgressFilter.h"
#include "update/UpdateMessages.h"

#include <QFileInfo>
#include <QFuture>
#include <QNetworkAccessManager>
#include <QtConcurrent/QtConcurrentRun>
#include <thread>

namespace {

using Status = UpdateOutcome::Status;

// The attached devices with the target's identifiers (and, with a filter, accepted by it);
// none when the identifiers are not numbers.
std::vector<std::unique_ptr<HidDevice>> attachedDevices(HidBackend &hid, const UpdateTarget &target,
                                                        const UpdatePipeline::DeviceFilter &filter)
{
    const std::optional<int64_t> vendorID = parseUSBIdentifier(target.vid.toStdString());
    const std::optional<int64_t> productID = parseUSBIdentifier(target.pid.toStdString());
    if (!vendorID || !productID) {
        return {};
    }
    if (!filter) {
        return hid.devices(*vendorID, *productID);
    }
    std::vector<std::unique_ptr<HidDevice>> found;
    for (const HidDeviceInfo &info : hid.attachedDevices()) {
        if (usbIdentifiersMatch(*vendorID, *productID, info.vendorID, info.productID) &&
            filter(info)) {
            found.push_back(hid.deviceAt(info.path));
        }
    }
    return found;
}

UpdateOutcome outcomeOf(const BootloaderError &error)
{
    UpdateOutcome outcome{
        Status::transferFailed,
        UpdateMessages::updateFailed(QString::fromStdString(error.errorDescription()))};
    if (const std::optional<std::string> help = openFailureHelp(error)) {
        outcome.hint = QString::fromStdString(*help);
    }
    switch (error.kind()) {
    case BootloaderError::Kind::openFailed:
    case BootloaderError::Kind::deviceNotFound:
    case BootloaderError::Kind::invalidUSBIdentifier:
        outcome.status = Status::deviceFailed;
        break;
    default:
        break;
    }
    return outcome;
}

} // namespace

UpdatePipeline::UpdatePipeline(HidBackend &hid, QNetworkAccessManager &network,
                               QString firmwareFolder, bool keyBuiltIn, QObject *parent)
    : QObject(parent), m_hid(hid), m_network(network), m_firmwareFolder(std::move(firmwareFolder)),
      m_keyBuiltIn(keyBuiltIn), m_bootloader(hid)
{
    m_pool.setMaxThreadCount(1);
}

UpdatePipeline::~UpdatePipeline()
{
    // Whoever listened is going away too: nothing is reported from here on.
    blockSignals(true);
    m_stop.request_stop();
    delete m_download;
    m_pool.waitForDone();
}

bool UpdatePipeline::start(const UpdateTarget &target, Reach reach, DeviceFilter filter)
{
    if (!begin(target, false)) {
        return false;
    }
    m_reach = reach;
    if (refused()) {
        return true;
    }
    m_devices = attachedDevices(m_hid, target, filter);
    if (m_devices.empty()) {
        finish({Status::deviceAbsent, UpdateMessages::deviceAbsent(target.product)});
        return true;
    }
    emit stepReached(Step::deviceFound, UpdateMessages::deviceFound(target.product));
    if (reach == Reach::firstDevice) {
        // Without a filter the transfer finds the device again for itself.
        m_devices.resize(filter ? 1 : 0);
    }
    if (target.item) {
        download();
    } else {
        emit prepared(target.image);
        transfer(target.image);
    }
    return true;
}

bool UpdatePipeline::prepare(const UpdateTarget &target)
{
    if (!begin(target, true)) {
        return false;
    }
    if (refused()) {
        return true;
    }
    if (target.item) {
        download();
    } else {
        m_running = false;
        emit prepared(target.image);
    }
    return true;
}

bool UpdatePipeline::begin(const UpdateTarget &target, bool prepareOnly)
{
    if (m_running) {
        return false;
    }
    m_running = true;
    m_prepareOnly = prepareOnly;
    m_target = target;
    m_stop = std::stop_source();
    m_labels.clear();
    emit stepReached(Step::preparing,
                     UpdateMessages::preparingUpdate(target.product, target.version));
    return true;
}

bool UpdatePipeline::refused()
{
    if (!m_target.item) {
        return false;
    }
    const std::optional<QString> refusal = flashRefusal(*m_target.item, m_keyBuiltIn);
    if (refusal) {
        finish({Status::refused, UpdateMessages::updateFailed(*refusal)});
    }
    return refusal.has_value();
}

void UpdatePipeline::stop()
{
    m_stop.request_stop();
    if (m_download) {
        m_download->abort(UpdateMessages::updateStopped());
    }
}

void UpdatePipeline::waitForTransfers()
{
    m_pool.waitForDone();
}

void UpdatePipeline::download()
{
    const QUrl url = m_target.item->firmwareURL;
    if (const std::optional<QString> problem = webAddressProblem(url)) {
        finish({Status::downloadFailed, UpdateMessages::downloadFailed(*problem)});
        return;
    }
    m_download = new Download(m_network, url, downloadLimits(DownloadKind::image), this);
    connect(m_download, &Download::finished, this, [this, download = m_download.data()] {
        download->deleteLater();
        if (stopRequested()) {
            finish({Status::stopped, UpdateMessages::updateStopped()});
            return;
        }
        const DownloadResult &result = download->result();
        if (!result.succeeded()) {
            finish(
                {Status::downloadFailed, UpdateMessages::downloadFailed(result.errorDescription)});
            return;
        }
        keep(*result.body);
    });
}

void UpdatePipeline::keep(const QByteArray &image)
{
    // On the transfer's thread, so that waiting for the transfer also waits for the image to
    // be checked and saved.
    QtConcurrent::run(&m_pool, keepDownloadedFirmware, m_firmwareFolder, *m_target.item, image)
        .then(this, [this, image](const KeptFirmware &kept) {
            if (!kept.succeeded()) {
                finish({kept.integrityFailure ? Status::imageRejected : Status::downloadFailed,
                        kept.failureLine});
                return;
            }
            emit stepReached(Step::firmwareDownloaded,
                             UpdateMessages::firmwareDownloaded(
                                 firmwareDisplayName(QFileInfo(kept.filePath).fileName())));
            // Read first: whoever hears of the image may start the next update at once.
            const bool prepareOnly = m_prepareOnly;
            m_running = m_running && !prepareOnly;
            emit prepared(image);
            if (!prepareOnly) {
                transfer(image);
            }
        });
}

void UpdatePipeline::transfer(const QByteArray &image)
{
    if (stopRequested()) {
        finish({Status::stopped, UpdateMessages::updateStopped()});
        return;
    }
    if (m_reach == Reach::firstDevice) {
        m_labels = QStringList{QString()};
    } else {
        for (std::size_t i = 0; i < m_devices.size(); ++i) {
            const std::string path = m_devices[i]->path();
            m_labels.append(path.empty() ? QStringLiteral("device %1").arg(i + 1)
                                         : QString::fromStdString(path));
        }
    }
    emit stepReached(Step::transferStarting, UpdateMessages::transferStarting());
    m_pool.start([this, image, stop = m_stop.get_token()] {
        const std::span<const uint8_t> bytes(reinterpret_cast<const uint8_t *>(image.constData()),
                                             std::size_t(image.size()));
        const QList<UpdateOutcome> outcomes = runTransfers(bytes, stop);
        QMetaObject::invokeMethod(
            this, [this, outcomes] { finish(outcomes); }, Qt::QueuedConnection);
    });
}

QList<UpdateOutcome> UpdatePipeline::runTransfers(std::span<const uint8_t> image,
                                                  std::stop_token stop)
{
    if (m_devices.empty()) {
        // Found again, as the window's update always has.
        const std::string vid = m_target.vid.toStdString();
        const std::string pid = m_target.pid.toStdString();
        return {runTransfer(0, [&](const HIDBootloader::Progress &progress) {
            m_bootloader.flash(image, vid, pid, progress, stop);
        })};
    }
    QList<UpdateOutcome> outcomes(qsizetype(m_devices.size()));
    {
        std::vector<std::jthread> transfers;
        transfers.reserve(m_devices.size());
        for (std::size_t i = 0; i < m_devices.size(); ++i) {
            transfers.emplace_back([&, i] {
                outcomes[qsizetype(i)] =
                    runTransfer(int(i), [&](const HIDBootloader::Progress &progress) {
                        m_bootloader.flashDevice(*m_devices[i], image, progress, stop);
                    });
            });
        }
    }
    return outcomes;
}

UpdateOutcome
UpdatePipeline::runTransfer(int index,
                            const std::function<void(const HIDBootloader::Progress &)> &flash)
{
    // Thinned out here, on the transfer's thread: repeats and values between the multiples
    // of 5 cost the receiving thread nothing.
    ProgressFilter filter;
    const auto progress = [this, index, &filter](int percent) {
        if (const std::optional<int> shown = filter.accept(percent)) {
            QMetaObject::invokeMethod(
                this, [this, index, value = *shown] { emit progressed(index, value); },
                Qt::QueuedConnection);
        }
    };
    try {
        flash(progress);
        return {Status::completed, UpdateMessages::updateCompleted()};
    } catch (const BootloaderError &error) {
        return outcomeOf(error);
    } catch (const TransferStopped &) {
        return {Status::stopped, UpdateMessages::updateStopped()};
    } catch (const std::exception &error) {
        return {Status::transferFailed,
                UpdateMessages::updateFailed(QString::fromUtf8(error.what()))};
    }
}

void UpdatePipeline::finish(const UpdateOutcome &outcome)
{
    finish(QList<UpdateOutcome>{outcome});
}

void UpdatePipeline::finish(const QList<UpdateOutcome> &outcomes)
{
    m_running = false;
    m_devices.clear();
    emit finished(outcomes);
}
