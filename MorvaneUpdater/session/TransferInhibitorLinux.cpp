#include "session/TransferInhibitor.h"

#include <QAtomicInteger>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusUnixFileDescriptor>
#include <QDBusVariant>

namespace {

// A bus that does not answer must not hold a transfer up for long.
constexpr int callTimeoutMs = 3000;

class LogindLock final : public InhibitorLock
{
public:
    explicit LogindLock(QDBusUnixFileDescriptor fd) : m_fd(std::move(fd)) {}

private:
    // Closing the descriptor is what releases logind's lock.
    QDBusUnixFileDescriptor m_fd;
};

class SystemBusInhibitor final : public TransferInhibitor
{
public:
    SystemBusInhibitor()
        : m_name(QStringLiteral("morvane-inhibitor-%1").arg(s_connections.fetchAndAddRelaxed(1))),
          m_bus(QDBusConnection::connectToBus(QDBusConnection::SystemBus, m_name))
    {
    }
    ~SystemBusInhibitor() override { QDBusConnection::disconnectFromBus(m_name); }

    std::unique_ptr<InhibitorLock> inhibit(const QString &why) override
    {
        if (!m_bus.isConnected()) {
            return nullptr;
        }
        QDBusMessage call = QDBusMessage::createMethodCall(
            QStringLiteral("org.freedesktop.login1"), QStringLiteral("/org/freedesktop/login1"),
            QStringLiteral("org.freedesktop.login1.Manager"), QStringLiteral("Inhibit"));
        call << QStringLiteral("sleep:shutdown:idle") << QStringLiteral("MorvaneUpdater") << why
             << QStringLiteral("block");
        const QDBusMessage reply = m_bus.call(call, QDBus::Block, callTimeoutMs);
        if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().size() != 1) {
            return nullptr;
        }
        const auto fd = reply.arguments().constFirst().value<QDBusUnixFileDescriptor>();
        if (!fd.isValid()) {
            return nullptr;
        }
        return std::make_unique<LogindLock>(fd);
    }

    std::optional<double> chargeOnBattery() override
    {
        const std::optional<QVariant> onBattery =
            property(QStringLiteral("/org/freedesktop/UPower"),
                     QStringLiteral("org.freedesktop.UPower"), QStringLiteral("OnBattery"));
        if (!onBattery || !onBattery->toBool()) {
            return std::nullopt;
        }
        const std::optional<QVariant> percentage =
            property(QStringLiteral("/org/freedesktop/UPower/devices/DisplayDevice"),
                     QStringLiteral("org.freedesktop.UPower.Device"), QStringLiteral("Percentage"));
        bool isNumber = false;
        const double charge = percentage ? percentage->toDouble(&isNumber) : 0;
        return isNumber ? std::optional(charge) : std::nullopt;
    }

private:
    std::optional<QVariant> property(const QString &path, const QString &interface,
                                     const QString &name)
    {
        if (!m_bus.isConnected()) {
            return std::nullopt;
        }
        QDBusMessage call = QDBusMessage::createMethodCall(
            QStringLiteral("org.freedesktop.UPower"), path,
            QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
        call << interface << name;
        const QDBusMessage reply = m_bus.call(call, QDBus::Block, callTimeoutMs);
        if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().size() != 1) {
            return std::nullopt;
        }
        return reply.arguments().constFirst().value<QDBusVariant>().variant();
    }

    static inline QAtomicInteger<int> s_connections{0};
    const QString m_name;
    QDBusConnection m_bus;
};

} // namespace

std::unique_ptr<TransferInhibitor> openTransferInhibitor()
{
    return std::make_unique<SystemBusInhibitor>();
}
