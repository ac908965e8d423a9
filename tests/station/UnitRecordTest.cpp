#include "flash/FlashRecord.h"
#include "station/JournalRecord.h"
#include "station/MetricsText.h"

#include <QJsonObject>
#include <gtest/gtest.h>

namespace {

// The journal's value of `name`, or nothing when the field is not there.
std::optional<QString> journalValue(const QList<QByteArray> &fields, const QByteArray &name)
{
    for (const QByteArray &field : fields) {
        if (field.startsWith(name + '=')) {
            return QString::fromUtf8(field.mid(name.size() + 1));
        }
    }
    return std::nullopt;
}

} // namespace

// One record, three renderings: the log's line, the journal's entry and the metrics name its
// status, unit and image alike, whatever the unit's end.
TEST(UnitRecord, TheLogTheJournalAndTheMetricsTellOneRecordAlike)
{
    using Status = UpdateOutcome::Status;
    const struct
    {
        UpdateOutcome outcome;
        bool skipped;
        std::string serial;
        QString status;
        UnitEnd end;
        int priority;
    } cases[] = {
        {{Status::completed, "done", {}, {TransferReach::Phase::transfer, 1024}},
         false,
         "S1",
         "completed",
         UnitEnd::completed,
         6},
        {{Status::transferFailed, "gone", {}, {TransferReach::Phase::handshake, 0}},
         false,
         "S2",
         "transferFailed",
         UnitEnd::failed,
         3},
        {{Status::deviceFailed, "denied", QStringLiteral("add the rule")},
         false,
         "",
         "deviceFailed",
         UnitEnd::failed,
         3},
        {{Status::stopped, "stopped"}, false, "S3", "stopped", UnitEnd::stopped, 4},
        {{}, true, "S1", "skipped", UnitEnd::skipped, 6},
        // A device's own text is the log's as it came, and one line in the journal.
        {{Status::completed, "done"}, false, "S\t4", "completed", UnitEnd::completed, 6},
    };
    StationTags tags{QStringLiteral("bench 3"), {{"operator", "ana"}, {"lot", "L42"}}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.status.toStdString() + " " + c.serial);
        UpdateTarget target;
        target.product = QStringLiteral("MORVANE K7");
        target.version = QStringLiteral("V3");
        UnitRecord record = unitRecordOf(target, imageFacts("image"), tags);
        record.device = {.path = "/dev/hidraw3", .serialNumber = c.serial, .usbPort = "1-2"};
        record.outcome = c.outcome;
        record.skipped = c.skipped;
        record.line = c.outcome.line;

        const QJsonObject log = logRecord(record);
        const QList<QByteArray> journal = journalFields(record);
        UnitMetrics metrics;
        addWatchedSeries(metrics, target.product, target.version);
        const std::size_t series = metrics.units.size();
        metrics.inTransfer = 1;
        countEnd(metrics, record, 1700000000);
        const QString text = metricsText(metrics, tags);

        EXPECT_EQ(log["status"], c.status);
        EXPECT_EQ(journalValue(journal, "MORVANE_STATUS"), c.status);
        EXPECT_TRUE(text.contains("morvane_flash_units_total{status=\"" + c.status +
                                  "\",model=\"MORVANE K7\",version=\"V3\",station=\"bench "
                                  "3\",operator=\"ana\",lot=\"L42\"} 1\n"))
            << text.toStdString();
        // Every end a record can have is counted from zero before the first unit.
        EXPECT_EQ(metrics.units.size(), series);
        EXPECT_EQ(metrics.inTransfer, c.skipped ? 1 : 0);
        EXPECT_EQ(metrics.lastSuccess.has_value(), c.end == UnitEnd::completed);

        EXPECT_EQ(log["serial"], QString::fromStdString(c.serial));
        EXPECT_EQ(journalValue(journal, "MORVANE_SERIAL"),
                  c.serial.empty() ? std::nullopt
                                   : std::optional(QString::fromStdString(c.serial).replace(
                                         '\t', QChar::ReplacementCharacter)));
        EXPECT_EQ(log["sha256"], record.image.sha256);
        EXPECT_EQ(journalValue(journal, "MORVANE_IMAGE_SHA256"), record.image.sha256);
        EXPECT_EQ(log["station"], "bench 3");
        EXPECT_EQ(journalValue(journal, "MORVANE_STATION"), "bench 3");
        EXPECT_EQ(log["labels"].toObject(), QJsonObject({{"lot", "L42"}, {"operator", "ana"}}));
        EXPECT_EQ(journalValue(journal, "MORVANE_LABEL_LOT"), "L42");
        EXPECT_EQ(journalValue(journal, "PRIORITY"), QString::number(c.priority));
        EXPECT_EQ(journalValue(journal, "MESSAGE_ID"), messageIdOf(c.end));
        EXPECT_EQ(log.contains("hint"), c.outcome.hint.has_value());
    }
}
