#pragma once

#include "diagnosis/DoctorChecks.h"
#include "download/DownloadResult.h"
#include "update/CatalogueReading.h"

#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QUrl>
#include <functional>
#include <optional>

// doctor's judgements of what the catalogue's road crosses: the catalogue itself, this
// computer's clock, and the proxy.

// The catalogue: reached, signed, dated, read. `listAnswer` is what the list's download
// answered (nothing when it was never asked for); `reading` what the updater makes of it.
// `bundle` is the folder everything was read from instead of the network, when it was.
QList<DoctorCheck> catalogueChecks(const QUrl &listURL, bool keyInUse,
                                   const std::optional<DownloadResult> &listAnswer,
                                   const CatalogueReading &reading, const QString &bundle = {});

// An HTTP date (RFC 9110's IMF-fixdate, "Sun, 06 Nov 1994 08:49:37 GMT") in seconds since
// 1970; nothing for any other text.
std::optional<qint64> httpDateSeconds(QByteArrayView text);
// This computer's clock (`now`, seconds since 1970) against the server's Date header (empty
// when none came). From a `bundle` no server answered, so the clock is not known.
DoctorCheck clockCheck(QByteArrayView serverDate, qint64 now, const QString &bundle = {});
// What a proxy has to do with a run that reads everything from a `bundle`: nothing.
DoctorCheck proxyUnusedCheck(const QString &bundle);

// The proxy the network library takes for the catalogue from the environment, as libproxy
// reads it: https_proxy (then HTTPS_PROXY) for an https address, falling back to http_proxy
// (then HTTP_PROXY), which alone serves http; no_proxy (or NO_PROXY) naming the host or a
// domain above it, or "*", exempts it.
struct ProxySetting
{
    // Empty when none is set.
    QString variable;
    QString value;
    // The no_proxy variable that exempts the catalogue's host; empty when none does.
    QString exemptBy = {};
};
ProxySetting proxySetting(const QUrl &listURL,
                          const std::function<std::optional<QString>(const char *)> &environment);
// Where to try to reach the proxy; nothing when the value names no host.
std::optional<QUrl> proxyAddress(const ProxySetting &setting);
// `unreachable`: why connecting to the proxy failed, when it was tried and did.
DoctorCheck proxyCheck(const ProxySetting &setting, const std::optional<QString> &unreachable);
