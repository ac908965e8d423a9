// Soak: many update attempts in one controller against a loopback catalogue server and
// simulated devices, each with a fault drawn at random (seeded) from what the test server and
// the simulated bootloader can do. Every attempt must end with the final line its fault
// calls for, the button back on and the device closed; threads, open file descriptors and
// resident memory must stay within a small bound of what they were after a warm-up.
//
//     update_soak [ATTEMPTS [SEED]]        exit status 0 when every check held
#include "CatalogueServer.h"
#include "SimulatedHidBackend.h"
#include "app/AppDelegate.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QMap>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <optional>
#include <random>
#include <string>
#include <unistd.h>

namespace {

constexpr const char *listPath = "/product/MORVANE_LST.txt";
constexpr const char *imagePath = "/fw/soak.bin";
constexpr const char *notesPath = "/fw/soak.txt";
constexpr int warmUpAttempts = 20;
constexpr int attemptTimeoutMs = 20'000;
// Growth allowed between the end of the warm-up and the end of the soak.
constexpr long threadSlack = 2;
constexpr long fdSlack = 4;
constexpr long rssSlackKiB = 12 * 1024;

struct Resources
{
    long threads = 0;
    long fds = 0;
    long rssKiB = 0;
};

long countEntries(const char *folder)
{
    long count = 0;
    for ([[maybe_unused]] const auto &entry : std::filesystem::directory_iterator(folder)) {
        ++count;
    }
    return count;
}

long residentKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) {
        return -1;
    }
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:")) {
            return line.mid(6).trimmed().split(' ').first().toLong();
        }
    }
    return -1;
}

Resources measure()
{
    // Listing the fd folder opens one descriptor for the listing itself; it is counted
    // every time alike.
    return {countEntries("/proc/self/task"), countEntries("/proc/self/fd"), residentKiB()};
}

// What one attempt is set up to meet and the final pane line it must end with.
struct Attempt
{
    QString fault;
    CatalogueServer::Response image;
    bool attachDevice = true;
    SimulatedBootloaderDevice::Behaviour behaviour;
    QString finalLine;
    bool finalLineIsPrefix = false;
};

QString writeFailedLine(int32_t code)
{
    return QStringLiteral("Update failed: Unable to write HID report. IOKit code: %1.").arg(code);
}

Attempt drawAttempt(std::mt19937 &random)
{
    const auto uniform = [&random](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    Attempt attempt;
    // Tiny images: one 1024-byte page is 16 paced reports, about 0.8 s.
    std::string image(std::size_t(uniform(1, 1024)), '\0');
    for (char &byte : image) {
        byte = char(uniform(0, 255));
    }
    attempt.image.body = image;
    attempt.finalLine = QStringLiteral("Update completed.");

    // Weights: the faults that wait out the 3 s answer time-out are drawn rarely.
    const int draw = uniform(0, 99);
    if (draw < 6) {
        attempt.fault = "server drops the connection";
        attempt.image.dropConnection = true;
        attempt.finalLine = "Firmware download failed: ";
        attempt.finalLineIsPrefix = true;
    } else if (draw < 11) {
        attempt.fault = "server answers 500";
        attempt.image.status = 500;
        attempt.finalLine = "Firmware download failed: The server answered with HTTP status 500";
        attempt.finalLineIsPrefix = true;
    } else if (draw < 14) {
        attempt.fault = "server answers 404";
        attempt.image.status = 404;
        attempt.finalLine = "Firmware download failed: The server answered with HTTP status 404";
        attempt.finalLineIsPrefix = true;
    } else if (draw < 17) {
        attempt.fault = "server sends an empty image";
        attempt.image.body.clear();
        attempt.finalLine = QStringLiteral("Firmware download failed: 服务器没有返回固件数据");
    } else if (draw < 20) {
        attempt.fault = "server is slow";
        attempt.image.delay = std::chrono::milliseconds(uniform(50, 400));
    } else if (draw < 26) {
        attempt.fault = "no device";
        attempt.attachDevice = false;
        attempt.finalLine = "No Soak found. Please check the USB connection.";
    } else if (draw < 32) {
        attempt.fault = "device cannot be opened";
        const int32_t code = int32_t(0xE00002C5) + uniform(0, 3);
        attempt.behaviour.openFailure = code;
        attempt.finalLine =
            QStringLiteral("Update failed: Unable to open HID device. IOKit code: %1.").arg(code);
    } else if (draw < 42) {
        attempt.fault = "a report fails to go out";
        const int32_t code = uniform(1, 1000);
        attempt.behaviour.writeFailure =
            SimulatedBootloaderDevice::WriteFailure{std::size_t(uniform(1, 17)), code};
        attempt.finalLine = writeFailedLine(code);
    } else if (draw < 50) {
        attempt.fault = "device leaves the bus in the middle of the image";
        attempt.behaviour.vanishAfterReports = std::size_t(uniform(2, 16));
        attempt.finalLine = writeFailedLine(SimulatedBootloaderDevice::noDeviceCode);
    } else if (draw < 56) {
        attempt.fault = "short answer";
        const int length = uniform(1, 63);
        attempt.behaviour.answerLength = std::size_t(length);
        attempt.finalLine =
            QStringLiteral("Update failed: Unexpected HID response length: %1.").arg(length);
    } else if (draw < 64) {
        attempt.fault = "answer with a changed byte";
        const std::size_t index = std::size_t(uniform(0, 63));
        const uint8_t value =
            uint8_t(SimulatedBootloaderDevice::standardAnswer()[index] ^ uniform(1, 255));
        attempt.behaviour.answerBytes = {{index, value}};
        if (index < 6) {
            attempt.finalLine = "Update failed: Unexpected bootloader response: ";
            attempt.finalLineIsPrefix = true;
        }
    } else if (draw < 70) {
        attempt.fault = "stale report before the handshake";
        attempt.behaviour.staleReport = std::vector<uint8_t>(64, uint8_t(uniform(0, 255)));
    } else if (draw < 76) {
        attempt.fault = "late answer";
        attempt.behaviour.answerDelay = std::chrono::milliseconds(uniform(20, 400));
    } else if (draw < 80) {
        attempt.fault = "answer repeated";
        attempt.behaviour.reportsAfterAnswer = {SimulatedBootloaderDevice::standardAnswer()};
    } else if (draw < 82) {
        attempt.fault = "no answer";
        attempt.behaviour.answers = false;
        attempt.finalLine = "Update failed: Timed out waiting for bootloader response.";
    } else if (draw < 84) {
        attempt.fault = "answer with a failure result";
        attempt.behaviour.answerResult = int32_t(0xE000404F);
        attempt.finalLine = "Update failed: Timed out waiting for bootloader response.";
    } else {
        attempt.fault = "no fault";
    }
    return attempt;
}

QString lastLine(const QString &text)
{
    return text.section(QLatin1Char('\n'), -1);
}

bool waitForSignal(QObject *sender, const char *signal, int timeoutMs)
{
    QEventLoop loop;
    QTimer timer;
    timer.setSingleShot(true);
    QObject::connect(&timer, &QTimer::timeout, &loop, [&loop] { loop.exit(1); });
    QObject::connect(sender, signal, &loop, SLOT(quit()));
    timer.start(timeoutMs);
    return loop.exec() == 0;
}

void print(const char *label, const Resources &r)
{
    std::printf("%-16s threads %3ld   fds %3ld   rss %7ld KiB\n", label, r.threads, r.fds,
                r.rssKiB);
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    const int attempts = argc > 1 ? std::atoi(argv[1]) : 300;
    const unsigned seed = argc > 2 ? unsigned(std::strtoul(argv[2], nullptr, 10)) : 20240318u;
    std::mt19937 random(seed);

    CatalogueServer server;
    SimulatedHidBackend hid;
    QTemporaryDir folder;
    server.setBody(notesPath, "Soak notes.");
    server.setBody(listPath, "Soak;1209;0001;V1;Soak Co.;" + server.url(imagePath) + ";" +
                                 server.url(notesPath) + "\n");

    const Resources start = measure();
    AppDelegate app(QUrl(QString::fromStdString(server.url(listPath))), hid,
                    QDir(folder.path()).filePath(QStringLiteral("MorvaneUpdater")));
    app.fetchFirmwareList();
    if (!waitForSignal(&app, SIGNAL(updateEnabledChanged(bool)), attemptTimeoutMs) ||
        !app.isUpdateEnabled()) {
        std::fprintf(stderr, "the catalogue was not shown: %s\n", qPrintable(app.infoText()));
        return 1;
    }

    QElapsedTimer clock;
    clock.start();
    Resources warm;
    QMap<QString, int> faults;
    int failures = 0;
    for (int n = 1; n <= attempts; ++n) {
        Attempt attempt = drawAttempt(random);
        ++faults[attempt.fault];
        server.setResponse(imagePath, attempt.image);
        std::shared_ptr<SimulatedBootloaderDevice> device;
        if (attempt.attachDevice) {
            device = std::make_shared<SimulatedBootloaderDevice>(0x1209, 0x0001, attempt.behaviour);
            hid.attach(device);
        }

        app.updateSelectedFirmware();
        const bool ended =
            !app.isUpdating() || waitForSignal(&app, SIGNAL(updateFinished()), attemptTimeoutMs);
        const QString line = lastLine(app.infoText());
        const bool lineOk = attempt.finalLineIsPrefix ? line.startsWith(attempt.finalLine)
                                                      : line == attempt.finalLine;
        const bool buttonOk = app.isUpdateEnabled() && !app.isUpdating();
        const bool deviceOk = !device || (!device->isOpen() && device->liveHandles() == 0);
        if (!ended || !lineOk || !buttonOk || !deviceOk) {
            ++failures;
            std::fprintf(stderr,
                         "attempt %d (%s): ended %d, button %d, device closed %d\n"
                         "  final line: %s\n  expected:   %s%s\n",
                         n, qPrintable(attempt.fault), ended, buttonOk, deviceOk, qPrintable(line),
                         qPrintable(attempt.finalLine), attempt.finalLineIsPrefix ? "..." : "");
        }
        if (device) {
            hid.detach(device);
        }
        if (n == warmUpAttempts) {
            warm = measure();
        }
    }
    const double seconds = double(clock.elapsed()) / 1000.0;
    const Resources end = measure();

    std::printf("%d attempts in %.1f s (seed %u), %d failed checks\n", attempts, seconds, seed,
                failures);
    for (auto it = faults.cbegin(); it != faults.cend(); ++it) {
        std::printf("  %4d  %s\n", it.value(), qPrintable(it.key()));
    }
    print("before launch", start);
    print("after warm-up", warm);
    print("after the soak", end);

    bool bounded = true;
    if (attempts > warmUpAttempts) {
        bounded = end.threads <= warm.threads + threadSlack && end.fds <= warm.fds + fdSlack &&
                  end.rssKiB <= warm.rssKiB + rssSlackKiB;
        if (!bounded) {
            std::fprintf(stderr, "resources grew beyond +%ld threads, +%ld fds, +%ld KiB\n",
                         threadSlack, fdSlack, rssSlackKiB);
        }
    }
    return failures == 0 && bounded ? 0 : 1;
}
