#pragma once

#include <QByteArray>
#include <QStringList>
#include <chrono>
#include <optional>

struct Invocation;

// How a station runs, besides what every flash takes.
struct StationSettings
{
    // How long the drain after the first stop request waits for the units in transfer before
    // stopping them at a report boundary; unset, until they have ended.
    std::optional<std::chrono::milliseconds> drainTimeout;
    // Shell-style patterns (*, ?, [...]) over the USB port path, such as "1-1.*": the watch
    // takes only devices at a port one of them matches; empty, every port.
    QStringList portPatterns;
};

StationSettings stationSettingsOf(const Invocation &invocation);

// When a catalogue's signature (the .minisig file, already verified) says the list expires,
// in seconds since 1970; nothing without one or without an expiry.
std::optional<qint64> listExpiresOf(const std::optional<QByteArray> &signature);
