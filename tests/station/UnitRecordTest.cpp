#include "flash/FlashRecord.h"
#include "station/JournalRecord.h"
#include "station/MetricsText.h"

#include <QJsonObject>
#include <QRegularExpression>
#include <gtest/gtest.h>

// One record, three renderings: the log's line, the journal's entry and the metrics name its
// status, unit and image alike, whatever the unit's end. The station's outputs test holds the
// rest as journald and promtool take them: each end's priority and MESSAGE_ID, the station and
// labels, the gauges.
TEST(UnitRecord, TheLogTheJournalAndTheMetricsTellOneRecordAlike)
{
    using Status = UpdateOutcome::Status;
    using Phase = TransferReach::Phase;
    const struct
    {
        UpdateOutcome outcome;
        bool skipped;
        std::string serial;
        QString status;
    } cases[] = {
        {{Status::completed, "done", {}, {Phase::transfer, 1024}}, false, "S1", "completed"},
        {{Status::transferFailed, "lost", {}, {Phase::handshake}}, false, "S2", "transferFailed"},
        {{Status::deviceFailed, "denied", QString("fix")}, false, "", "deviceFailed"},
        {{Status::stopped, "stopped"}, false, "S3", "stopped"},
        {{}, true, "S1", "skipped"},
        // A device's own text is the log's as it came, and one line in the journal that
        // `journalctl -o cat` prints without a terminal control: ESC, VT, FF, NEL.
        {{Status::completed, "done"}, false, "S\t4\x1b[2J\v\f\xc2\x85", "completed"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.status.toStdString() + " " + c.serial);
        UpdateTarget target;
        target.product = QStringLiteral("MORVANE K7");
        target.version = QStringLiteral("V3");
        UnitRecord record = unitRecordOf(target, imageFacts("image"), {});
        record.device = {.path = "/dev/hidraw3", .serialNumber = c.serial, .usbPort = "1-2"};
        record.outcome = c.outcome;
        record.skipped = c.skipped;
        record.line = c.outcome.line;

        const QJsonObject log = logRecord(record);
        const QByteArray journal = journalFields(record).join('\n') + '\n';
        UnitMetrics metrics;
        addWatchedSeries(metrics, target.product, target.version);
        const std::size_t series = metrics.units.size();
        countEnd(metrics, record, 1700000000);
        const QString text = metricsText(metrics, {});

        EXPECT_EQ(log["status"], c.status);
        EXPECT_TRUE(journal.contains("\nMORVANE_STATUS=" + c.status.toUtf8() + '\n'));
        EXPECT_TRUE(text.contains("morvane_flash_units_total{status=\"" + c.status +
                                  "\",model=\"MORVANE K7\",version=\"V3\"} 1\n"))
            << text.toStdString();
        // Every end a record can have is counted from zero before the first unit.
        EXPECT_EQ(metrics.units.size(), series);

        const QString serial = QString::fromStdString(c.serial);
        EXPECT_EQ(log["serial"], serial);
        EXPECT_EQ(journal.contains("MORVANE_SERIAL="), !serial.isEmpty());
        const QString shown =
            QString(serial).replace(QRegularExpression("[\\t\\x1b\\v\\f\\x{85}]"), "\uFFFD");
        EXPECT_EQ(journal.contains("\nMORVANE_SERIAL=" + shown.toUtf8() + '\n'), !serial.isEmpty());
        EXPECT_EQ(log["sha256"], record.image.sha256);
        EXPECT_TRUE(journal.contains("\nMORVANE_IMAGE_SHA256=" + record.image.sha256.toUtf8()));
    }
}
