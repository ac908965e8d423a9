#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>
#include <QtGlobal>

// Another program writing a device: util-linux's flock(1) holding the lock on the device's
// node until this object goes. The lock is flock's own, so its process id is the holder's.
class LockHolder
{
public:
    explicit LockHolder(const QString &node)
    {
        m_flock.start(QStringLiteral("flock"),
                      {node, QStringLiteral("-c"), QStringLiteral("echo held; exec cat")});
        m_held = m_flock.waitForReadyRead(60'000) && m_flock.readAll() == "held\n";
    }
    ~LockHolder()
    {
        m_flock.closeWriteChannel();
        m_flock.waitForFinished(60'000);
    }
    LockHolder(const LockHolder &) = delete;
    LockHolder &operator=(const LockHolder &) = delete;

    bool isHeld() const { return m_held; }
    qint64 processId() const { return m_flock.processId(); }

private:
    QProcess m_flock;
    bool m_held = false;
};
