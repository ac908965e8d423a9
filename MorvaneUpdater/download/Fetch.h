#pragma once

#include "download/DownloadResult.h"

#include <QObject>
#include <QString>
#include <functional>
#include <optional>

// One file being fetched from wherever a content source keeps it. It finishes once, with a
// body or the reason there is none; a fetch refused before any request has finished when it
// is handed out.
class Fetch : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Fetch)

public:
    ~Fetch() override = default;

    // Abandons the fetch; it finishes, through the event loop, with `reason`.
    virtual void abort(const QString &reason) = 0;

    bool isFinished() const { return m_result.has_value(); }
    // Valid once finished.
    const DownloadResult &result() const { return *m_result; }

signals:
    void finished();

protected:
    explicit Fetch(QObject *parent) : QObject(parent) {}
    // Keeps the result and says so; a second call is ignored.
    void finish(DownloadResult result);

private:
    std::optional<DownloadResult> m_result;
};

// A fetch decided when it is made: refused before any request, or answered from a file at
// hand. Nothing is left to abort.
class FinishedFetch final : public Fetch
{
public:
    FinishedFetch(DownloadResult result, QObject *parent) : Fetch(parent)
    {
        finish(std::move(result));
    }

    void abort(const QString &) override {}
};

// Calls `done` with the fetch's result once it has finished (at once when it already has),
// on `context`'s thread and never after `context` has gone; the fetch is deleted afterwards.
void whenFetched(Fetch *fetch, QObject *context,
                 std::function<void(const DownloadResult &result)> done);
