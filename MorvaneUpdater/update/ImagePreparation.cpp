#include "update/ImagePreparation.h"

#include "download/ContentSource.h"
#include "download/Fetch.h"
#include "trust/CatalogueTrust.h"
#include "trust/ImageDigest.h"
#include "update/FirmwareFileName.h"
#include "update/FirmwareStore.h"
#include "update/UpdateMessages.h"

#include <QFileInfo>
#include <QFuture>
#include <QtConcurrent/QtConcurrentRun>

using Status = UpdateOutcome::Status;

std::optional<UpdateOutcome> updateRefusal(const UpdateTarget &target, bool keyBuiltIn)
{
    if (!target.item) {
        return std::nullopt;
    }
    if (const std::optional<QString> refusal = flashRefusal(*target.item, keyBuiltIn)) {
        return UpdateOutcome{Status::refused, UpdateMessages::updateFailed(*refusal)};
    }
    return std::nullopt;
}

ImagePreparation::ImagePreparation(ContentSource &source, QString firmwareFolder, bool keyBuiltIn,
                                   QObject *parent)
    : QObject(parent), m_source(source), m_firmwareFolder(std::move(firmwareFolder)),
      m_keyBuiltIn(keyBuiltIn)
{
    m_pool.setMaxThreadCount(1);
}

ImagePreparation::~ImagePreparation()
{
    blockSignals(true);
    delete m_fetch;
    m_pool.waitForDone();
}

bool ImagePreparation::prepare(const UpdateTarget &target)
{
    if (m_running) {
        return false;
    }
    m_running = true;
    m_stopping = false;
    if (const std::optional<UpdateOutcome> refusal = updateRefusal(target, m_keyBuiltIn)) {
        fail(*refusal);
        return true;
    }
    if (!target.item) {
        m_running = false;
        emit prepared(target.image, QString());
        return true;
    }
    m_fetch = m_source.fetch(target.item->firmwareURL, DownloadKind::image, this,
                             parseImageDigest(target.item->digest).sha256);
    whenFetched(m_fetch, this, [this, item = *target.item](const DownloadResult &result) {
        if (m_stopping) {
            fail({Status::stopped, UpdateMessages::updateStopped()});
        } else if (!result.succeeded()) {
            fail({Status::downloadFailed, UpdateMessages::downloadFailed(result.errorDescription)});
        } else {
            keep(item, *result.body);
        }
    });
    return true;
}

void ImagePreparation::keep(const FirmwareItem &item, const QByteArray &image)
{
    QtConcurrent::run(&m_pool, keepDownloadedFirmware, m_firmwareFolder, item, image)
        .then(this, [this, image](const KeptFirmware &kept) {
            if (!kept.succeeded()) {
                fail({kept.integrityFailure ? Status::imageRejected : Status::downloadFailed,
                      kept.failureLine});
                return;
            }
            // Cleared first: whoever hears of the image may start the next preparation at once.
            m_running = false;
            emit prepared(image, UpdateMessages::firmwareDownloaded(
                                     firmwareDisplayName(QFileInfo(kept.filePath).fileName())));
        });
}

void ImagePreparation::stop()
{
    if (m_fetch && !m_fetch->isFinished()) {
        m_stopping = true;
        m_fetch->abort(UpdateMessages::updateStopped());
    }
}

void ImagePreparation::waitForDone()
{
    m_pool.waitForDone();
}

void ImagePreparation::fail(const UpdateOutcome &outcome)
{
    m_running = false;
    emit failed(outcome);
}
