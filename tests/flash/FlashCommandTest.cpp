#include "CommandLineFixture.h"
#include "MinisignTool.h"
#include "frame/ExitStatus.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <chrono>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <thread>
#include <vector>

using FlashCommand = CommandLineFixture;

TEST_F(FlashCommand, ShowsProgressAsLinesQuietlyOrAsABar)
{
    const auto device = attachDevice();
    EXPECT_EQ(run({"flash", "X5 Pro"}), exitSuccess) << m_err.toStdString();
    EXPECT_EQ(m_out.split('\n', Qt::SkipEmptyParts).join('|'),
              "Preparing to update MORVANE X5 Pro V2...|MORVANE X5 Pro found.|Firmware downloaded: "
              "x5_v2|Starting firmware transfer...|Update progress: 0%|Update progress: 25%|Update "
              "progress: 50%|Update progress: 75%|Update progress: 100%|Update completed.");
    EXPECT_EQ(device->receivedImage(), padded(imageBytes(2)));
    EXPECT_TRUE(QFile::exists(inTemp("MorvaneUpdater/x5_v2.bin")));

    EXPECT_EQ(run({"flash", "MORVANE X5 Pro", "V1", "--quiet"}), exitSuccess);
    EXPECT_EQ(m_out, "Update completed.\n");
    EXPECT_EQ(device->receivedImage(), padded(imageBytes(1)));

    const QString image = writeFile("image.bin", QByteArray(300, 'x'));
    EXPECT_EQ(run({"flash", "--file", image, "--vid", "1A86", "--pid", "e0a1"}, true), exitSuccess);
    EXPECT_TRUE(m_out.startsWith("Preparing to update 1A86:E0A1 image.bin...\n"));
    // The bar tells the time left at the protocol's pace: one page, 16 reports of 50 ms.
    EXPECT_TRUE(
        m_out.contains("\r\x1b[2KUpdate progress: [" + QString(40, '-') + "]   0%  0.8 s left\n"));
    EXPECT_TRUE(m_out.contains("\x1b[?7l\x1b[1A\r\x1b[2KUpdate progress: [####"));
    EXPECT_TRUE(m_out.endsWith("] 100%  0.0 s left\n\x1b[?7hUpdate completed.\n"));
    expectClosed(*device);
}

TEST_F(FlashCommand, AllDevicesFlashAtOnceAndEachEndsOnItsOwn)
{
    Behaviour vanishing;
    vanishing.vanishAfterReports = 5;
    const auto first = attachDevice();
    const auto gone = attachDevice(vanishing);
    const auto third = attachDevice();
    const QString image = writeFile("image.bin", QByteArray::fromStdString(imageBytes(3)));
    EXPECT_EQ(run({"flash", "--all-devices", "--file", image, "--vid", "1a86", "--pid", "e0a1"}),
              exitTransfer);
    for (const auto &device : {first, third}) {
        const QString path = QString::fromStdString(device->path());
        EXPECT_EQ(device->receivedImage(), padded(imageBytes(3)));
        EXPECT_TRUE(m_out.contains(path + ": Update completed.\n"));
    }
    EXPECT_TRUE(m_err.contains(QString::fromStdString(gone->path()) +
                               ": Update failed: Unable to write HID report."));
    // The transfers overlapped rather than ran one after the other.
    EXPECT_LT(first->reports().front().arrival, third->reports().back().arrival);
    EXPECT_LT(third->reports().front().arrival, first->reports().back().arrival);
    for (const auto &device : {first, gone, third}) {
        expectClosed(*device);
    }
}

// Which device flash takes, and when it refuses to guess: before anything is downloaded.
TEST_F(FlashCommand, SelectorsChooseOneDeviceAndAGuessIsRefused)
{
    const auto first = attachUnit("A1", "1-1");
    const auto second = attachUnit("B2", "1-2");
    const QString firstPath = QString::fromStdString(first->path());
    const struct
    {
        QStringList arguments;
        int status;
        QString expected;
        std::shared_ptr<SimulatedBootloaderDevice> flashed;
    } cases[] = {
        {{"flash", "X5 Pro"},
         exitUsage,
         "2 devices match MORVANE X5 Pro; choose one with --serial or --path, or flash them all "
         "with --all-devices:\n  " +
             firstPath + " (serial A1, port 1-1)\n  " + QString::fromStdString(second->path()) +
             " (serial B2, port 1-2)\n",
         nullptr},
        {{"flash", "X5 Pro", "--serial", "B2"}, exitSuccess, "Update completed.", second},
        {{"flash", "X5 Pro", "--path", firstPath}, exitSuccess, "Update completed.", first},
        {{"flash", "X5 Pro", "--serial", "A1", "--path", firstPath},
         exitSuccess,
         "Update completed.",
         first},
        // Both selectors must hold; the cable is not blamed while devices are attached.
        {{"flash", "X5 Pro", "--serial", "B2", "--path", firstPath},
         exitDevice,
         "No MORVANE X5 Pro attached has that serial number or path; these 2 are attached:\n  " +
             firstPath + " (serial A1, port 1-1)\n",
         nullptr},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        const std::size_t before[] = {first->handshakes(), second->handshakes()};
        const int downloads = m_server.requestCount("/fw/x5_v2.bin");
        EXPECT_EQ(run(c.arguments), c.status);
        EXPECT_TRUE((m_out + m_err).contains(c.expected)) << (m_out + m_err).toStdString();
        EXPECT_EQ(first->handshakes() - before[0], c.flashed == first ? 1u : 0u);
        EXPECT_EQ(second->handshakes() - before[1], c.flashed == second ? 1u : 0u);
        EXPECT_EQ(m_server.requestCount("/fw/x5_v2.bin") - downloads, c.flashed ? 1 : 0);
    }
}

// The image is fetched while the device is awaited; the wait ends with the device, the limit
// or a stop.
TEST_F(FlashCommand, WaitDownloadsMeanwhileAndEndsWithTheDeviceItsLimitOrAStop)
{
    enum class Then
    {
        nothing,
        plug,
        stop
    };
    const struct
    {
        QString wait;
        Then then;
        int status;
        QString expected;
    } cases[] = {
        {"--wait", Then::plug, exitSuccess, "Waiting for MORVANE X5 Pro...\nFirmware downloaded"},
        {"--wait=0.3", Then::nothing, exitDevice, "No MORVANE X5 Pro found."},
        {"--wait", Then::stop, exitInterrupted, "nothing was flashed."},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.wait.toStdString());
        std::shared_ptr<SimulatedBootloaderDevice> device;
        std::stop_source stop;
        const int downloads = m_server.requestCount("/fw/x5_v2.bin");
        std::jthread world([&] {
            // Once the image has been asked for: the command is waiting by then.
            while (m_server.requestCount("/fw/x5_v2.bin") == downloads) {
                std::this_thread::sleep_for(std::chrono::milliseconds(5));
            }
            if (c.then == Then::plug) {
                device = attachDevice();
            } else if (c.then == Then::stop) {
                stop.request_stop();
            }
        });
        EXPECT_EQ(run({"flash", "X5 Pro", c.wait}, false, stop.get_token()), c.status);
        world.join();
        EXPECT_TRUE((m_out + m_err).contains(c.expected)) << (m_out + m_err).toStdString();
        if (device) {
            EXPECT_EQ(device->receivedImage(), padded(imageBytes(2)));
            m_hid.detach(device);
        }
    }
}

// What a FIFO or a device at a name does is the folder file's test; here, that --log, which is
// opened its own way, refuses one without waiting.
TEST_F(FlashCommand, AFifoAsTheLogIsRefusedWithoutWaiting)
{
    const QString fifo = inTemp("fifo");
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    EXPECT_EQ(run({"flash", "X5 Pro", "--log", fifo}), exitUsage);
    EXPECT_TRUE(
        m_err.contains("morvane-flash: cannot open the log: " + fifo + " is not a regular file."))
        << m_err.toStdString();
}

// An image file is flashed only when it matches the digest given beside it, which a build that
// trusts a key requires; it is bounded as a downloaded image is.
TEST_F(FlashCommand, AFileIsFlashedOnlyWhenItMatchesItsDigest)
{
    const auto device = attachDevice();
    const QByteArray image(300, 'x');
    const QString file = writeFile("image.bin", image);
    const QString hex = QString::fromStdString(sha256Hex(image));
    const QString other(64, QLatin1Char('0'));
    const QString key = MinisignTool().publicKeyLine();
    const struct
    {
        QString key;
        QStringList digest;
        int status;
        QString error;
    } cases[] = {
        {{}, {}, exitSuccess, {}},
        {{}, {"--sha256", hex}, exitSuccess, {}},
        {{}, {"--sha256", "sha256:" + hex.toUpper()}, exitSuccess, {}},
        {{},
         {"--sha256", other},
         exitIntegrity,
         "The firmware file " + file + " does not match --sha256 (expected sha256:00000000"},
        {{}, {"--sha256", hex.left(63)}, exitUsage, "--sha256 takes 64 hexadecimal digits."},
        {key, {}, exitIntegrity, "so an image file is flashed only with its digest: give --sha256"},
        {key, {"--sha256", hex}, exitSuccess, {}},
        {key, {"--sha256", other}, exitIntegrity, "does not match --sha256"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE((c.key.isEmpty() ? "no key " : "key ") + c.digest.join(' ').toStdString());
        m_catalogueKey = c.key;
        const std::size_t before = device->handshakes();
        EXPECT_EQ(
            run(QStringList{"flash", "--file", file, "--vid", "1a86", "--pid", "e0a1"} + c.digest),
            c.status)
            << m_err.toStdString();
        EXPECT_TRUE(m_err.contains(c.error)) << m_err.toStdString();
        // Refused before any device is touched.
        EXPECT_EQ(device->handshakes() > before, c.status == exitSuccess);
    }
}
