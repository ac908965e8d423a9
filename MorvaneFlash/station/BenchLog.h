#pragma once

#include <QJsonObject>
#include <QString>
#include <mutex>
#include <optional>

// The bench's record: one JSON line per unit attempted, appended whole and on disk before
// the call returns, so that a crash or a power cut loses at most the unit in flight. The
// file is opened for appending only and never through a symbolic link; nothing in it is
// ever rewritten.
class BenchLog
{
public:
    BenchLog() = default;
    ~BenchLog();
    BenchLog(const BenchLog &) = delete;
    BenchLog &operator=(const BenchLog &) = delete;

    // Why the file cannot be written; nothing when it is open.
    std::optional<QString> open(const QString &fileName);
    bool isOpen() const { return m_fd >= 0; }
    // Why the line did not reach the disk; nothing when it did. Safe from any thread.
    std::optional<QString> append(const QJsonObject &record);

private:
    std::mutex m_mutex;
    QString m_fileName;
    int m_fd = -1;
};
