#include "ImageFile.h"
#include "SimulatedBootloaderDevice.h"
#include "SimulatedHidBackend.h"
#include "frame/Console.h"
#include "program/MorvaneFlash.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <algorithm>
#include <atomic>
#include <benchmark/benchmark.h>
#include <chrono>
#include <ctime>
#include <fcntl.h>
#include <memory>
#include <set>
#include <stdlib.h>
#include <sys/ioctl.h>
#include <thread>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

// 4 KiB: 64 paced reports, a little over three seconds per unit.
constexpr int imageSize = 4096;

QList<QJsonObject> logRecords(const QString &log)
{
    QList<QJsonObject> records;
    QFile file(log);
    if (file.open(QIODevice::ReadOnly)) {
        for (const QByteArray &line : file.readAll().split('\n')) {
            if (!line.isEmpty()) {
                records.append(QJsonDocument::fromJson(line).object());
            }
        }
    }
    return records;
}

// The command's standard output as a person at the bench has it: a pseudo-terminal, read
// as fast as a terminal emulator would read it.
class PseudoTerminal
{
public:
    PseudoTerminal()
    {
        m_master = ::posix_openpt(O_RDWR | O_NOCTTY);
        if (m_master < 0 || ::grantpt(m_master) != 0 || ::unlockpt(m_master) != 0) {
            return;
        }
        m_terminal = ::open(::ptsname(m_master), O_WRONLY | O_NOCTTY);
        // A normal terminal's screen, which the live block must fit.
        const winsize size = {24, 100, 0, 0};
        ::ioctl(m_terminal, TIOCSWINSZ, &size);
        m_reader = std::jthread([this] {
            char buffer[4096];
            // Ends when the last descriptor of the terminal side is closed.
            for (ssize_t got; (got = ::read(m_master, buffer, sizeof buffer)) > 0;) {
                m_bytes += std::size_t(got);
            }
        });
    }
    ~PseudoTerminal()
    {
        if (m_terminal >= 0) {
            ::close(m_terminal);
        }
        if (m_reader.joinable()) {
            m_reader.join();
        }
        if (m_master >= 0) {
            ::close(m_master);
        }
    }
    PseudoTerminal(const PseudoTerminal &) = delete;
    PseudoTerminal &operator=(const PseudoTerminal &) = delete;

    // The terminal side, as the command's standard output; -1 when none could be made.
    int terminal() const { return m_terminal; }
    // What the terminal has shown so far.
    std::size_t bytesShown() const { return m_bytes; }

private:
    int m_master = -1;
    int m_terminal = -1;
    std::atomic<std::size_t> m_bytes = 0;
    std::jthread m_reader;
};

// The CPU time the process has used so far, in seconds.
double processCpuSeconds()
{
    return double(std::clock()) / CLOCKS_PER_SEC;
}

qsizetype logLines(const QString &log)
{
    QFile file(log);
    return file.open(QIODevice::ReadOnly) ? file.readAll().count('\n') : 0;
}

struct LineRun
{
    // From each plug to the unit's first image report.
    std::vector<double> delaysMs;
    // From a unit's plug to its last report, for the slowest unit.
    double slowestUnitS = 0;
    bool recordsRight = false;
    // The process's CPU time over the run, and the run's wall time.
    double cpuS = 0;
    double wallS = 0;
    std::size_t terminalBytes = 0;
};

// `morvane-flash flash --watch --log` with its live output on a pseudo-terminal while `count`
// units are plugged in, evenly spread over `spread`; stopped once the log holds every unit.
LineRun watchLine(int count, Clock::duration spread, const QString &image, const QString &log)
{
    QFile::remove(log);
    PseudoTerminal terminal;
    QFile terminalFile;
    if (terminal.terminal() < 0 ||
        !terminalFile.open(terminal.terminal(), QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        return {};
    }
    SimulatedHidBackend hid;
    std::vector<std::shared_ptr<SimulatedBootloaderDevice>> units;
    std::vector<Clock::time_point> plugged;
    std::stop_source stop;
    std::jthread line([&] {
        const Clock::time_point start = Clock::now();
        for (int i = 0; i < count; ++i) {
            std::this_thread::sleep_until(start + spread * i / count);
            SimulatedBootloaderDevice::Behaviour behaviour;
            behaviour.serialNumber =
                QStringLiteral("U%1").arg(i, 4, 10, QLatin1Char('0')).toStdString();
            behaviour.usbPort = "1-" + std::to_string(i + 1);
            units.push_back(std::make_shared<SimulatedBootloaderDevice>(0x1209, 0x0001, behaviour));
            plugged.push_back(Clock::now());
            hid.attach(units.back());
        }
        // Lines counted, not parsed, and seldom: the bench's own CPU is part of the run's.
        while (logLines(log) < count) {
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        stop.request_stop();
    });
    QTextStream outStream(&terminalFile);
    QString err;
    QTextStream errStream(&err);
    // As the program decides it for its standard output.
    const bool controlCodes =
        takesControlCodes(::isatty(terminal.terminal()) == 1, "xterm", nullptr);
    Environment environment{hid,
                            outStream,
                            errStream,
                            QUrl(),
                            QString(),
                            CatalogueTrust(),
                            controlCodes,
                            stop.get_token(),
                            [&hid] {
                                return hid.hotplugMonitor();
                            }};
    // The program reads the screen's size from its standard output: the terminal, meanwhile.
    const int ownOutput = ::dup(STDOUT_FILENO);
    ::dup2(terminal.terminal(), STDOUT_FILENO);
    const double cpuBefore = processCpuSeconds();
    const Clock::time_point start = Clock::now();
    runMorvaneFlash({"morvane-flash", "flash", "--watch", "--log", log, "--file", image, "--vid",
                     "1209", "--pid", "0001"},
                    environment);
    ::dup2(ownOutput, STDOUT_FILENO);
    ::close(ownOutput);
    line.join();

    LineRun run;
    run.wallS = std::chrono::duration<double>(Clock::now() - start).count();
    run.cpuS = processCpuSeconds() - cpuBefore;
    run.terminalBytes = terminal.bytesShown();
    for (std::size_t i = 0; i < units.size(); ++i) {
        const auto reports = units[i]->reports();
        const auto firstImage = std::find_if(reports.begin(), reports.end(),
                                             [](const auto &report) { return report.image; });
        if (firstImage == reports.end()) {
            return run;
        }
        run.delaysMs.push_back(
            std::chrono::duration<double, std::milli>(firstImage->arrival - plugged[i]).count());
        run.slowestUnitS =
            std::max(run.slowestUnitS,
                     std::chrono::duration<double>(reports.back().arrival - plugged[i]).count());
    }
    const QString digest =
        QCryptographicHash::hash(QByteArray(imageSize, '\x5A'), QCryptographicHash::Sha256).toHex();
    std::set<QString> serials;
    const QList<QJsonObject> records = logRecords(log);
    run.recordsRight = records.size() == count;
    for (const QJsonObject &record : records) {
        serials.insert(record["serial"].toString());
        run.recordsRight = run.recordsRight && record["sha256"] == digest &&
                           record["status"] == QStringLiteral("completed");
    }
    run.recordsRight = run.recordsRight && serials.size() == std::size_t(count);
    return run;
}

double percentile(std::vector<double> values, double fraction)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[std::size_t(fraction * double(values.size() - 1))];
}

// 32 units plugged in within two seconds, the live output on a terminal: each is flashed as it
// arrives (targets: plug to first image report 50 ms at the median, 100 ms at worst), the
// slowest unit takes at most 1.02 times as long as a lone unit does, and the whole run costs at
// most 5% of one core.
void BM_WatchThirtyTwoUnitsWithinTwoSeconds(benchmark::State &state)
{
    QTemporaryDir folder;
    const QString image = QDir(folder.path()).filePath("image.bin");
    const QString log = QDir(folder.path()).filePath("bench.log");
    if (!writeImageFile(image, imageSize)) {
        state.SkipWithError("cannot write the image");
        return;
    }

    std::vector<double> delays;
    double worstRatio = 0;
    double worstCpuShare = 0;
    std::size_t terminalBytes = 0;
    for (auto _ : state) {
        const LineRun one = watchLine(1, Clock::duration::zero(), image, log);
        const LineRun line = watchLine(32, std::chrono::seconds(2), image, log);
        if (!one.recordsRight || !line.recordsRight) {
            state.SkipWithError("the log lacks a unit, repeats a serial or names a wrong digest");
            return;
        }
        delays.insert(delays.end(), line.delaysMs.begin(), line.delaysMs.end());
        worstRatio = std::max(worstRatio, line.slowestUnitS / one.slowestUnitS);
        worstCpuShare = std::max(worstCpuShare, line.cpuS / line.wallS);
        terminalBytes = line.terminalBytes;
    }
    state.counters["median_delay_ms"] = percentile(delays, 0.5);
    state.counters["worst_delay_ms"] = percentile(delays, 1.0);
    state.counters["worst_unit_ratio"] = worstRatio;
    // Of one core, the whole process (the simulated units and the terminal's reader too).
    state.counters["worst_cpu_share"] = worstCpuShare;
    // What the last run drew on the terminal: the live output was there.
    state.counters["terminal_bytes"] = double(terminalBytes);
}

} // namespace

BENCHMARK(BM_WatchThirtyTwoUnitsWithinTwoSeconds)
    ->Iterations(3)
    ->Unit(benchmark::kSecond)
    ->UseRealTime();
