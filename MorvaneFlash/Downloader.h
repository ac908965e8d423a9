#pragma once

#include "Console.h"
#include "StopPoll.h"
#include "download/DownloadLimits.h"
#include "download/DownloadResult.h"
#include "download/WebSource.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QUrl>
#include <functional>
#include <stop_token>

// The command's one network access and its waiting: what the window fetches asynchronously,
// the command waits for, until it is answered or a stop request abandons it.
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

    // One fetch from the web, waited for; a stop request abandons it and says so.
    Answer get(const QUrl &url, DownloadKind kind);
    // Runs the event loop until `done` holds, looking again whenever `sender` sends `signal`.
    // A stop request calls `abandon`, which must lead there; true when that happened.
    template <typename Sender, typename Signal>
    bool waitUntil(const Sender *sender, Signal signal, const std::function<bool()> &done,
                   const std::function<void()> &abandon)
    {
        QEventLoop loop;
        QObject::connect(sender, signal, &loop, &QEventLoop::quit);
        const StopPoll poll(m_stop, abandon);
        while (!done()) {
            loop.exec();
        }
        return poll.seen();
    }
    // "Stopped: the download of … was abandoned; nothing was flashed."
    void sayAbandoned(const QUrl &url);

    ContentSource &source() { return m_source; }
    std::stop_token stopToken() const { return m_stop; }

private:
    QNetworkAccessManager m_network;
    WebSource m_source{m_network};
    std::stop_token m_stop;
    Console &m_console;
};
