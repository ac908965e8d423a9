#include "station/StationSettings.h"

#include "bootloader/HidBackend.h"
#include "frame/Invocation.h"

#include <QRegularExpression>
#include <algorithm>

StationSettings stationSettingsOf(const Invocation &)
{
    return {};
}

bool portMatches(const QStringList &patterns, const HidDeviceInfo &device)
{
    const QString port = QString::fromStdString(device.usbPort);
    return patterns.isEmpty() || std::any_of(patterns.begin(), patterns.end(), [&](const auto &p) {
               return QRegularExpression::fromWildcard(p, Qt::CaseSensitive).match(port).hasMatch();
           });
}
