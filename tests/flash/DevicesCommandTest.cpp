#include "CommandLineFixture.h"
#include "frame/ExitStatus.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <cerrno>
#include <chrono>
#include <gtest/gtest.h>
#include <thread>

using DevicesCommand = CommandLineFixture;

TEST_F(DevicesCommand, TellPathAndAccess)
{
    const auto x5 = attachDevice(behaviourWith(&Behaviour::serialNumber, {"SN-1"}));
    EXPECT_EQ(run({"devices"}), exitSuccess);
    EXPECT_EQ(m_out,
              QString("MORVANE X5 Pro\t1A86:E0A1\t%1\tSN-1\t-\tpid.codes\tSimulated bootloader\t"
                      "may open\n")
                  .arg(QString::fromStdString(x5->path())));
    expectClosed(*x5);

    Behaviour denied;
    denied.openFailure = EACCES;
    denied.usbPort = "3-1.2";
    const auto locked = attachDevice(denied, 0x1209, 0x0001);
    EXPECT_EQ(run({"devices", "--vid", "1209", "--pid", "1", "--json"}), exitDevice);
    const QJsonArray devices = QJsonDocument::fromJson(m_out.toUtf8()).array();
    ASSERT_EQ(devices.size(), 1);
    // Where the device is, the log names alike (FlashWatch); here, what it calls itself.
    EXPECT_EQ(devices[0]["usbPort"], "3-1.2");
    EXPECT_EQ(devices[0]["product"], "Simulated bootloader");
    EXPECT_EQ(devices[0]["mayOpen"], false);
    EXPECT_TRUE(devices[0]["hint"].toString().contains("udev rule"));
    // The help sends the user to a section of the installed manual page, which must be there.
    const QString section = QRegularExpression("man morvane-flash, section ([A-Z]+)\\)")
                                .match(devices[0]["hint"].toString())
                                .captured(1);
    QFile manual(MORVANE_FLASH_MANUAL);
    ASSERT_TRUE(manual.open(QIODevice::ReadOnly));
    EXPECT_FALSE(section.isEmpty());
    EXPECT_TRUE(manual.readAll().contains("\n.SH " + section.toUtf8() + "\n"))
        << section.toStdString();
}

TEST_F(DevicesCommand, WatchTellsEachArrivalAndDepartureOnALineOfItsOwn)
{
    const auto staying = attachDevice();
    const auto leaving = attachDevice(behaviourWith(&Behaviour::usbPort, "1-4"));
    const auto plugged = std::make_shared<SimulatedBootloaderDevice>(0x1209, 0x0001);
    std::stop_source stop;
    std::jthread plugger([&](std::stop_token runEnded) {
        // The watcher opens each device once as it arrives: so this thread knows it has looked.
        const auto waitFor = [&](const auto &seen) {
            while (!runEnded.stop_requested() && !seen()) {
                std::this_thread::sleep_for(std::chrono::milliseconds(5));
            }
        };
        waitFor([&] { return staying->opens() > 0 && leaving->opens() > 0; });
        m_hid.detach(leaving);
        m_hid.attach(plugged);
        waitFor([&] { return plugged->opens() > 0; });
        stop.request_stop();
    });
    EXPECT_EQ(run({"devices", "--watch", "--json"}, false, stop.get_token()), exitInterrupted);
    QStringList events;
    for (const QString &line : m_out.split('\n', Qt::SkipEmptyParts)) {
        const QJsonObject event = QJsonDocument::fromJson(line.toUtf8()).object();
        events.append(QStringList{event["event"].toString(), event["models"][0].toString(),
                                  event["usbPort"].toString(), event["path"].toString()}
                          .join(' '));
    }
    const auto path = [](const auto &device) {
        return QString::fromStdString(device->path());
    };
    EXPECT_EQ(events, QStringList({"arrived MORVANE X5 Pro  " + path(staying),
                                   "arrived MORVANE X5 Pro 1-4 " + path(leaving),
                                   "departed MORVANE X5 Pro 1-4 " + path(leaving),
                                   "arrived MORVANE K7  " + path(plugged)}))
        << m_out.toStdString();
}
