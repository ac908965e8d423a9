#pragma once

#include "update/UpdateOutcome.h"
#include "update/UpdateTarget.h"

#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QThreadPool>
#include <optional>

class ContentSource;
class Fetch;

// Why the target may not be flashed at all, decided from the catalogue alone before anyone is
// asked to plug in a device: a malformed digest, or none while a key is built in.
std::optional<UpdateOutcome> updateRefusal(const UpdateTarget &target, bool keyBuiltIn);

// The first phase of an update: the image it writes, fetched from its source, checked against
// the record's digest and kept in the firmware folder; or the target's own image, as it is.
// Checking and keeping run on a thread of their own; the end is reported on this object's
// thread.
class ImagePreparation final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ImagePreparation)

public:
    // `firmwareFolder` is where fetched images are kept.
    ImagePreparation(ContentSource &source, QString firmwareFolder, bool keyBuiltIn,
                     QObject *parent = nullptr);
    ~ImagePreparation() override;

    // Ends with `prepared` or `failed`; false, and nothing happens, while one runs. A refused
    // target fails before this returns.
    bool prepare(const UpdateTarget &target);
    bool isRunning() const { return m_running; }
    // Abandons a fetch under way: the preparation fails as stopped. An image being kept is
    // still kept and reported.
    void stop();
    // Returns once nothing of a preparation runs on its thread.
    void waitForDone();

signals:
    // `keptLine` says where a fetched image was kept; empty for the target's own image.
    void prepared(const QByteArray &image, const QString &keptLine);
    void failed(const UpdateOutcome &outcome);

private:
    void keep(const FirmwareItem &item, const QByteArray &image);
    void fail(const UpdateOutcome &outcome);

    ContentSource &m_source;
    const QString m_firmwareFolder;
    const bool m_keyBuiltIn;
    bool m_running = false;
    bool m_stopping = false;
    QPointer<Fetch> m_fetch;
    // Last, so that it is destroyed first: a task running on it reports back here.
    QThreadPool m_pool;
};
