#include "station/StationSettings.h"

#include "frame/Invocation.h"
#include "trust/MinisignSignature.h"
#include "trust/SignatureDates.h"

StationSettings stationSettingsOf(const Invocation &invocation)
{
    return {invocation.drainTimeout, invocation.ports};
}

std::optional<qint64> listExpiresOf(const std::optional<QByteArray> &signature)
{
    if (!signature) {
        return std::nullopt;
    }
    const ParsedMinisignSignature parsed = parseMinisignSignature(*signature);
    return parsed.signature ? parseSignatureDates(parsed.signature->trustedComment).expires
                            : std::nullopt;
}
