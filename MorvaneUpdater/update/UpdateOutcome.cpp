#include "update/UpdateOutcome.h"

QString statusName(UpdateOutcome::Status status)
{
    using Status = UpdateOutcome::Status;
    switch (status) {
    case Status::completed:
        return QStringLiteral("completed");
    case Status::stopped:
        return QStringLiteral("stopped");
    case Status::refused:
        return QStringLiteral("refused");
    case Status::deviceAbsent:
        return QStringLiteral("deviceAbsent");
    case Status::downloadFailed:
        return QStringLiteral("downloadFailed");
    case Status::imageRejected:
        return QStringLiteral("imageRejected");
    case Status::deviceFailed:
        return QStringLiteral("deviceFailed");
    case Status::transferFailed:
        break;
    }
    return QStringLiteral("transferFailed");
}

QString skippedStatusName()
{
    return QStringLiteral("skipped");
}
