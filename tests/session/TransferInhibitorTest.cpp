#include "session/TransferInhibitor.h"

#include "DemoProgram.h"
#include "ServedDevicesFixture.h"
#include "bootloader/HIDBootloader.h"
#include "update/DeviceTransfers.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusVariant>
#include <QProcess>
#include <QTest>

using Status = UpdateOutcome::Status;

namespace {

// One inhibitor as logind lists it: what, who, why, mode, uid, pid.
struct Inhibitor
{
    QString what, who, why, mode;
    uint uid = 0;
    uint pid = 0;
};

QDBusArgument &operator<<(QDBusArgument &argument, const Inhibitor &inhibitor)
{
    argument.beginStructure();
    argument << inhibitor.what << inhibitor.who << inhibitor.why << inhibitor.mode << inhibitor.uid
             << inhibitor.pid;
    argument.endStructure();
    return argument;
}

const QDBusArgument &operator>>(const QDBusArgument &argument, Inhibitor &inhibitor)
{
    argument.beginStructure();
    argument >> inhibitor.what >> inhibitor.who >> inhibitor.why >> inhibitor.mode >>
        inhibitor.uid >> inhibitor.pid;
    argument.endStructure();
    return argument;
}

} // namespace

Q_DECLARE_METATYPE(Inhibitor)

// logind and UPower as python-dbusmock plays them, on a private bus that stands in for the
// system bus; the transfers and the simulated devices are real.
class TransferInhibition : public ServedDevicesFixture
{
protected:
    void SetUp() override
    {
        qDBusRegisterMetaType<Inhibitor>();
        qDBusRegisterMetaType<QList<Inhibitor>>();
        m_daemon.start(QStringLiteral("dbus-daemon"),
                       {"--session", "--nofork", "--print-address=1"});
        ASSERT_TRUE(m_daemon.waitForReadyRead(10'000)) << "dbus-daemon did not start";
        m_address = QString::fromUtf8(m_daemon.readLine()).trimmed();
        qputenv("DBUS_SYSTEM_BUS_ADDRESS", m_address.toUtf8());
        m_bus = std::make_unique<QDBusConnection>(
            QDBusConnection::connectToBus(m_address, QStringLiteral("test-bus")));
        ASSERT_TRUE(m_bus->isConnected());
        for (auto &[process, name, templateName] :
             {std::tuple{&m_logind, "org.freedesktop.login1", "logind"},
              std::tuple{&m_upower, "org.freedesktop.UPower", "upower"}}) {
            process->start(QStringLiteral("/usr/bin/python3"),
                           {"-m", "dbusmock", "--system", "--template", templateName});
            ASSERT_TRUE(QTest::qWaitFor(
                [&, name = QString::fromLatin1(name)] {
                    return m_bus->interface()->isServiceRegistered(name).value();
                },
                20'000))
                << templateName << " mock did not come up";
        }
    }

    void TearDown() override
    {
        m_bus.reset();
        QDBusConnection::disconnectFromBus(QStringLiteral("test-bus"));
        for (QProcess *process : {&m_logind, &m_upower, &m_daemon}) {
            process->kill();
            process->waitForFinished();
        }
        qunsetenv("DBUS_SYSTEM_BUS_ADDRESS");
    }

    QList<Inhibitor> inhibitors() const
    {
        const QDBusMessage reply = m_bus->call(
            QDBusMessage::createMethodCall("org.freedesktop.login1", "/org/freedesktop/login1",
                                           "org.freedesktop.login1.Manager", "ListInhibitors"));
        return qdbus_cast<QList<Inhibitor>>(reply.arguments().value(0));
    }

    // The one lock logind holds, blocking sleep, shutdown and idling for `model` on `path`.
    void expectHeldFor(const QString &model, const QString &path) const
    {
        const QList<Inhibitor> held = inhibitors();
        ASSERT_EQ(held.size(), 1);
        EXPECT_EQ(held[0].what, "sleep:shutdown:idle");
        EXPECT_EQ(held[0].mode, "block");
        EXPECT_TRUE(held[0].why.contains(model)) << held[0].why.toStdString();
        EXPECT_TRUE(held[0].why.contains(path)) << held[0].why.toStdString();
    }

    // morvane-flash-demo flashing a K7 Keyboard from its served catalogue, on this bus: it holds
    // the lock during the transfer, or is refused on a low battery.
    void flashByDemoProgram(bool locked)
    {
        QTemporaryDir home;
        QProcessEnvironment environment = demoEnvironment(home);
        environment.insert("DBUS_SYSTEM_BUS_ADDRESS", m_address);
        QProcess demo;
        demo.setProcessEnvironment(environment);
        demo.start(MORVANE_FLASH_DEMO_PROGRAM,
                   {"--demo-devices", "1209:1", "flash", "MORVANE K7 Keyboard", "--quiet"});
        if (locked) {
            ASSERT_TRUE(QTest::qWaitFor(
                [&] { return !inhibitors().isEmpty() || demo.state() == QProcess::NotRunning; },
                60'000));
            expectHeldFor("MORVANE K7 Keyboard V1.3.1", home.path());
        }
        demo.waitForFinished(60'000);
        const QByteArray said = demo.readAllStandardError();
        EXPECT_EQ(demo.exitCode(), locked ? 0 : 3) << said.data();
        EXPECT_EQ(said.contains("The battery is at 5%, below 10%"), !locked) << said.data();
    }

    void setOnBattery(double percent)
    {
        const auto set = [this](const char *path, const char *interface, const char *name,
                                const QVariant &value) {
            QDBusMessage call = QDBusMessage::createMethodCall(
                "org.freedesktop.UPower", path, "org.freedesktop.DBus.Properties", "Set");
            call << QString::fromLatin1(interface) << QString::fromLatin1(name)
                 << QVariant::fromValue(QDBusVariant(value));
            ASSERT_EQ(m_bus->call(call).type(), QDBusMessage::ReplyMessage);
        };
        set("/org/freedesktop/UPower", "org.freedesktop.UPower", "OnBattery", true);
        set("/org/freedesktop/UPower/devices/DisplayDevice", "org.freedesktop.UPower.Device",
            "Percentage", percent);
    }

    QProcess m_daemon;
    QProcess m_logind;
    QProcess m_upower;
    QString m_address;
    std::unique_ptr<QDBusConnection> m_bus;
};

TEST_F(TransferInhibition, EachTransferHoldsTheLockFromBeforeItsFirstReportToAfterItsLast)
{
    using Behaviour = SimulatedBootloaderDevice::Behaviour;
    const struct
    {
        const char *name;
        Behaviour behaviour;
        bool stop = false;
        std::optional<double> battery = std::nullopt;
        Status status = Status::completed;
        bool locked = true;
        // Flashed by the demo program, which composes its transfers as morvane-flash does.
        bool byProgram = false;
    } cases[] = {
        {"completes", {}},
        {"fails",
         behaviourWith(&Behaviour::vanishAfterReports, 6),
         false,
         {},
         Status::transferFailed},
        {"stopped", {}, true, {}, Status::stopped},
        {"morvane-flash-demo", {}, false, {}, Status::completed, true, true},
        {"half a battery", {}, false, 50.0},
        {"low battery", {}, false, 5.0, Status::deviceFailed, false},
        {"morvane-flash-demo on a low battery", {}, false, 5.0, Status::deviceFailed, false, true},
    };
    const std::unique_ptr<TransferInhibitor> inhibitor = openTransferInhibitor();
    ASSERT_NE(inhibitor, nullptr);
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        if (c.battery) {
            setOnBattery(*c.battery);
        }
        if (c.byProgram) {
            flashByDemoProgram(c.locked);
            EXPECT_TRUE(QTest::qWaitFor([&] { return inhibitors().isEmpty(); }, 5'000));
            continue;
        }
        HIDBootloader bootloader(m_hid);
        DeviceTransfers transfers(bootloader);
        transfers.useInhibitor(inhibitor.get());
        std::optional<UpdateOutcome> end;
        bool unavailable = false;
        QObject::connect(&transfers, &DeviceTransfers::finished,
                         [&](DeviceTransfers::Id, const UpdateOutcome &outcome) { end = outcome; });
        QObject::connect(&transfers, &DeviceTransfers::inhibitorUnavailable,
                         [&] { unavailable = true; });
        const auto device = attachDevice(c.behaviour);
        transfers.start(m_hid.deviceAt(device->path()), QByteArray(2048, '\x5A'), "MORVANE X1 V2");
        if (c.locked) {
            ASSERT_TRUE(
                QTest::qWaitFor([&] { return device->imageReportCount() >= 2 || end; }, 20'000));
            expectHeldFor("MORVANE X1 V2", QString::fromStdString(device->path()));
        }
        if (c.stop) {
            transfers.stopAll();
        }
        ASSERT_TRUE(QTest::qWaitFor([&] { return end.has_value(); }, 20'000));
        EXPECT_EQ(end->status, c.status) << end->line.toStdString();
        // Released with the device closed: logind hears the descriptor close.
        EXPECT_TRUE(QTest::qWaitFor([&] { return inhibitors().isEmpty(); }, 5'000));
        EXPECT_FALSE(device->isOpen());
        EXPECT_FALSE(unavailable);
        if (!c.locked) {
            EXPECT_EQ(device->opens(), 0u);
            EXPECT_TRUE(end->line.contains("The battery is at 5%, below 10%"))
                << end->line.toStdString();
        }
        m_hid.detach(device);
    }
}
