#pragma once

#include <QString>
#include <QtGlobal>
#include <chrono>

// What is being downloaded decides how much of it may come and for how long: a server can
// never make the updater hold more than the limit in memory, nor keep a download open
// forever by sending a byte now and then.
enum class DownloadKind
{
    list,
    signature,
    notes,
    image,
};

inline constexpr qint64 maxListBytes = qint64(16) << 20;
inline constexpr qint64 maxSignatureBytes = qint64(64) << 10;
inline constexpr qint64 maxNotesBytes = qint64(1) << 20;
// A 16 MiB image already takes over three hours to stream into a device.
inline constexpr qint64 maxImageBytes = qint64(16) << 20;

// Nothing arrived for this long: the download has stalled.
inline constexpr std::chrono::milliseconds stallTimeout = std::chrono::seconds(60);
// An answer's header section comes at once; one that goes on is a server keeping the download
// busy (Qt reads it whole, however long it is, before a byte of it can be seen here).
inline constexpr std::chrono::milliseconds headerTimeout = std::chrono::seconds(10);
// However steadily bytes arrive, a download ends by its deadline.
inline constexpr std::chrono::milliseconds textDeadline = std::chrono::minutes(3);
// The image is larger: room for its whole limit at a slow 24 KiB/s.
inline constexpr std::chrono::milliseconds imageDeadline = std::chrono::minutes(12);
static_assert(imageDeadline >= std::chrono::seconds(maxImageBytes / (24 << 10)));

struct DownloadLimits
{
    qint64 maxBytes = 0;
    std::chrono::milliseconds deadline{0};
    std::chrono::milliseconds stall = stallTimeout;
    // From the request sent to the end of the answer's header section.
    // For messages: "the catalogue list", "a firmware image", ...
    QString what;
    std::chrono::milliseconds headers = headerTimeout;
};

DownloadLimits downloadLimits(DownloadKind kind);

// "16 MiB", "64 KiB", "1.5 MiB", "900 bytes".
QString byteSizeText(qint64 bytes);
// "3 minutes", "60 seconds".
QString durationText(std::chrono::milliseconds duration);
// Why a download of `what` that outlasted `deadline` ended.
QString deadlinePassed(const QString &what, std::chrono::milliseconds deadline);
