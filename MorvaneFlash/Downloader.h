#pragma once

#include "Console.h"
#include "download/DownloadLimits.h"
#include "download/DownloadResult.h"

#include <QNetworkAccessManager>
#include <QUrl>
#include <stop_token>

// The window's downloads, waited for: the same request shape, limits and rules for what
// counts as a failure, an address that is not a web address included (no request is made).
// A stop request aborts the download under way and says so.
class Downloader
{
public:
    struct Answer
    {
        DownloadResult result;
        // The HTTP status; 0 when no HTTP answer came.
        int status = 0;
        bool stopped = false;
    };

    Downloader(std::stop_token stop, Console &console);
    Downloader(const Downloader &) = delete;
    Downloader &operator=(const Downloader &) = delete;

    Answer get(const QUrl &url, DownloadKind kind);
    // The one network access of the command, for downloads that are not waited for here.
    QNetworkAccessManager &network() { return m_network; }

private:
    QNetworkAccessManager m_network;
    std::stop_token m_stop;
    Console &m_console;
};
