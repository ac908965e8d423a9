#include "station/StationSettings.h"

#include "frame/Invocation.h"

StationSettings stationSettingsOf(const Invocation &)
{
    return {};
}
