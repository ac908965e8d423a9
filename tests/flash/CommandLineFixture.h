#pragma once

#include "ServedDevicesFixture.h"
#include "TestFiles.h"
#include "frame/Environment.h"
#include "program/MorvaneFlash.h"

#include <QString>
#include <QStringList>
#include <QTextStream>
#include <QUrl>
#include <cstdint>
#include <memory>
#include <stop_token>
#include <string>
#include <utility>
#include <vector>

// morvane-flash's entry function against a loopback catalogue of two models and simulated
// devices, with its output captured.
class CommandLineFixture : public ServedDevicesFixture
{
protected:
    using Behaviour = SimulatedBootloaderDevice::Behaviour;

    void SetUp() override
    {
        serveCatalogue(
            "MORVANE X5 Pro;1a86;e0a1;V2;2026 Co.;{B}/fw/x5_v2.bin;{B}/notes/x5_v2.txt\n"
            "MORVANE K7;1209;0001;V3;2026 Co.;{B}/fw/k7_v3.bin;{B}/notes/k7_v3.txt\n"
            "MORVANE X5 Pro;1a86;e0a1;V1;2025 Co.;{B}/fw/x5_v1.bin;{B}/notes/x5_v1.txt\n");
        m_server.setBody("/fw/x5_v2.bin", imageBytes(2));
        m_server.setBody("/fw/x5_v1.bin", imageBytes(1));
        m_server.setBody("/notes/x5_v2.txt", "\n  V2 fixes the wheel.\n");
        // V2 twice, with other fields.
        m_server.setBody("/twice.txt", "MORVANE X5 Pro;1a86;e0a1;V2;c;http://h/a;http://h/n\n"
                                       "MORVANE X5 Pro;1a86;e0a1;V1;c;http://h/b;http://h/n\n"
                                       "MORVANE X5 Pro;1a86;e0a1;V2;c;http://h/c;http://h/n\n");
    }

    // 256 bytes: one padded page, 16 reports, under a second per transfer.
    static std::string imageBytes(char seed) { return std::string(256, seed); }
    // The digest of the image served for X5 Pro V2, imageBytes(2).
    static inline const std::string imageTwoDigest =
        "sha256:f5c22e35d04167e37913e7963ce033b1f3d17a924a4e6fe5fc95af1224051921";

    // What a device receives of `image`: the page it fills, padded with zeros.
    static std::vector<uint8_t> padded(const std::string &image)
    {
        std::vector<uint8_t> bytes(image.begin(), image.end());
        bytes.resize(1024, 0);
        return bytes;
    }

    // `list` as the catalogue, each {B} the server's address; returns what is served.
    std::string serveCatalogue(std::string list)
    {
        for (std::size_t at; (at = list.find("{B}")) != std::string::npos;) {
            list.replace(at, 3, m_server.baseUrl());
        }
        m_server.setBody("/product/MORVANE_LST.txt", list);
        return list;
    }

    int run(QStringList arguments, bool terminal = false, std::stop_token stop = {},
            std::stop_token stopInTransfer = {})
    {
        m_out.clear();
        m_err.clear();
        QTextStream out(&m_out);
        QTextStream err(&m_err);
        Environment environment{
            m_hid,
            out,
            err,
            QUrl(served("/product/MORVANE_LST.txt")),
            inTemp("MorvaneUpdater"),
            catalogueTrustFromKey(m_catalogueKey),
            terminal,
            std::move(stop),
            [this] { return m_udevDaemon ? m_hid.hotplugMonitor() : nullptr; },
        };
        environment.inIsTerminal = !m_answers.isEmpty();
        environment.readAnswer = [this]() -> std::optional<QString> {
            return m_answers.isEmpty() ? std::nullopt : std::optional(m_answers.takeFirst());
        };
        environment.stopInTransfer = std::move(stopInTransfer);
        arguments.prepend("morvane-flash");
        return runMorvaneFlash(arguments, environment);
    }

    QString writeFile(const QString &name, const QByteArray &content)
    {
        const QString path = inTemp(name);
        putFile(path, content);
        return path;
    }

    QString served(const std::string &path) const { return QString::fromStdString(url(path)); }

    // A unit as a bench meets it: with its own serial number (or none) at a USB port.
    std::shared_ptr<SimulatedBootloaderDevice> attachUnit(std::string serial, std::string port,
                                                          Behaviour behaviour = {})
    {
        behaviour.serialNumber = std::move(serial);
        behaviour.usbPort = std::move(port);
        return attachDevice(std::move(behaviour));
    }

    static void expectClosed(const SimulatedBootloaderDevice &device)
    {
        EXPECT_FALSE(device.isOpen());
        EXPECT_EQ(device.liveHandles(), 0);
    }

    QString m_out;
    QString m_err;
    QString m_catalogueKey;
    // Typed on standard input, which is then a terminal.
    QStringList m_answers;
    // False: no hotplug monitor opens, as where no udev daemon runs.
    bool m_udevDaemon = true;
};
