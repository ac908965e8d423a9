#pragma once

#include "download/ContentSource.h"
#include "download/DownloadLimits.h"
#include "download/DownloadResult.h"
#include "frame/Console.h"
#include "frame/StopPoll.h"

#include <QByteArray>
#include <QEventLoop>
#include <QString>
#include <QUrl>
#include <functional>
#include <memory>
#include <stop_token>

class QNetworkAccessManager;

// The command's one source of content and its waiting: what the window fetches asynchronously,
// the command waits for, until it is answered or a stop request abandons it. The source is the
// web, or the bundle that --bundle names, and then no network is touched at all.
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

    // `bundle`: the folder --bundle names; empty for the web.
    Downloader(const QString &bundle, std::stop_token stop, Console &console);
    ~Downloader();
    Downloader(const Downloader &) = delete;
    Downloader &operator=(const Downloader &) = delete;

    // One fetch from the source, waited for; a stop request abandons it and says so. `sha256`:
    // the digest the list line gives, as ContentSource::fetch takes it.
    Answer get(const QUrl &url, DownloadKind kind, const QByteArray &sha256 = {});
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
    // "Stopped: the download of … was abandoned; nothing was flashed." (or what
    // setNothingDone names).
    void sayAbandoned(const QUrl &url);
    // What a stop leaves undone, for a command that flashes nothing: "nothing was signed".
    void setNothingDone(const QString &nothingDone) { m_nothingDone = nothingDone; }

    ContentSource &source() { return *m_source; }
    // --bundle named the source.
    bool readsBundle() const { return !m_network; }
    std::stop_token stopToken() const { return m_stop; }

private:
    // None with a bundle.
    std::unique_ptr<QNetworkAccessManager> m_network;
    std::unique_ptr<ContentSource> m_source;
    std::stop_token m_stop;
    Console &m_console;
    QString m_nothingDone;
};
