#include "MinisignTool.h"
#include "trust/SignatureDates.h"
#include "update/CatalogueFetch.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

namespace {

const QUrl catalogue(QStringLiteral("https://updates.example/product/MORVANE_LST.txt"));
const QByteArray list = "MORVANE X1;1a86;e0a1;V1;c;https://updates.example/x.bin;"
                        "https://updates.example/x.txt\n";
constexpr qint64 day = 86'400;
constexpr qint64 today = 1'765'000'000;

QString at(qint64 seconds)
{
    return QStringLiteral("timestamp:%1").arg(seconds);
}

void write(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

// The catalogue's road below any window, on one record, with the clock of each row: the
// signature and its dates decide, the newest signing time taken is the floor, and the clock
// never lowers it. The rows run in order, each on the record the rows before it left.
TEST(CatalogueRoad, TheSigningTimeTakenIsAFloorThatOnlyAPersonLowers)
{
    const QTemporaryDir temp;
    const AcceptedTimestamps record(temp.path());
    MinisignTool publisher;
    MinisignTool standby;
    MinisignTool stranger;
    const CatalogueTrust trust =
        catalogueTrustFromKey(publisher.publicKeyLine() + " " + standby.publicKeyLine());
    const QString publisherId = minisignKeyIdText(trust.keys.first().keyId);
    const QString legacyRecord =
        QDir(temp.path()).filePath(".catalogue-" + publisherId + ".timestamp");
    const auto ownRecord = [&] {
        return QDir(temp.path()).filePath(record.records().value(0).fileName);
    };
    const qint64 past = today - 30 * day;
    const qint64 ahead = today + 1800;
    const QString malformed = "The catalogue signature's date \u201C";
    const QString older = "before the list already accepted (signed ";
    const QString clockBehind = "which lies ahead of this computer's clock (" +
                                signatureDateText(today - 2 * day) +
                                "); an older list is "
                                "refused. Either this computer's clock is behind";
    const struct
    {
        qint64 now;
        QString comment;
        bool taken;
        // In the refusal when refused, else in the record's notices; none when empty.
        QString outcome;
        // The record's floor after the row.
        std::optional<qint64> floor;
        std::function<void()> before = {};
        MinisignTool *signer = nullptr; // the publisher when not given
    } rows[] = {
        {today, at(past) + "\tfile:list", true, {}, past},
        {today, at(past - 1), false,
         "signed " + signatureDateText(past - 1) + ", " + older + signatureDateText(past) +
             "); an older list is refused. If the list already taken",
         past},
        {today, at(today) + " file:list", true, {}, today},
        {today, "file:list", false, "carries no timestamp", today},
        {today, at(ahead), true, {}, ahead},
        {today, at(today + 7200), false,
         "more than an hour after this computer's clock (" + signatureDateText(today) +
             "); a list from the future is refused. Either this computer's clock is behind",
         ahead},
        {today, at(ahead), true, {}, ahead},
        {today, at(today * 1000), false, malformed + at(today * 1000) + "\u201D", ahead},
        {today, "timestamp:9999999999999999999", false, malformed, ahead},
        {today, at(ahead) + "x", false, malformed, ahead},
        {today, at(ahead) + " " + at(ahead), false, malformed, ahead},
        {today, at(ahead) + " expires:2027-03-01", false, malformed + "expires:2027-03-01\u201D",
         ahead},
        {today, at(ahead) + "\texpires:" + QString::number(past), false, "The catalogue expired ",
         ahead},
        {today, at(ahead) + "\texpires:" + QString::number(today + 3 * day), true, {}, ahead},
        // The clock set back two days: an older list is refused, and the record stays, said in
        // the notices as well; the list already taken is taken still.
        {today - 2 * day, at(today - 3 * day), false, clockBehind, ahead},
        {today - 2 * day, at(ahead), true, "lies ahead of its clock", ahead},
        // The clock right again: the old list is refused still.
        {today, at(today - 3 * day), false, older + signatureDateText(ahead), ahead},
        // A person forgets the record: the next list is taken as on first use.
        {today,
         at(past),
         true,
         {},
         past,
         [&] {
             EXPECT_EQ(record.forget(catalogue, trust.keys).removed, QStringList{ownRecord()});
         }},
        {today, at(past), true,
         "cannot be read: it does not hold a signing time; the list is "
         "trusted as on first use.",
         past,
         [&] {
             write(ownRecord(), "not a number");
         }},
        // An earlier version's record by key, never bounded, is ignored ahead of the clock...
        {today, at(past), true, "kept for key " + publisherId, past,
         [&] {
             record.forget(catalogue, trust.keys);
             write(legacyRecord, QByteArray::number(today + 365 * day));
         }},
        // ... and otherwise the floor of a catalogue with no record of its own.
        {today, at(past), false, older + signatureDateText(past + day), past + day,
         [&] {
             record.forget(catalogue, trust.keys);
             write(legacyRecord, QByteArray::number(past + day));
         }},
        // A standby key's list is taken under the same record, and raises it.
        {today, at(today), true, {}, today, {}, &standby},
        {today, at(past + 1), false, older, today},
        {today,
         at(today + 1),
         false,
         "The signature was made with another key (key ID " +
             minisignKeyIdText(parseMinisignPublicKey(stranger.publicKeyLine()).key->keyId) +
             ", expected " + publisherId + " or " + minisignKeyIdText(trust.keys.last().keyId) +
             "). If the publisher has moved to a new key, a newer release of the updater",
         today,
         {},
         &stranger},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.comment.toStdString());
        if (row.before) {
            row.before();
        }
        const QByteArray signature =
            (row.signer ? *row.signer : publisher).sign(list, false, row.comment);
        const CatalogueReading reading =
            decideCatalogue(catalogue, list, trust, {signature, {}}, &record, row.now);
        EXPECT_EQ(reading.items.has_value(), row.taken) << reading.failureLine.toStdString();
        const QString said = row.taken ? reading.recordNotices.join('\n') : reading.failureLine;
        EXPECT_EQ(said.isEmpty(), row.outcome.isEmpty()) << said.toStdString();
        EXPECT_TRUE(said.contains(row.outcome)) << said.toStdString();
        EXPECT_EQ(record.newest(catalogue, trust.keys, today).timestamp, row.floor);
    }

    // What a person is shown: the address, when the list was taken and with which key.
    record.forget(catalogue, trust.keys);
    decideCatalogue(catalogue, list, trust, {publisher.sign(list, false, at(today)), {}}, &record,
                    today + 60);
    const QList<AcceptedTimestamps::Record> kept = record.records();
    ASSERT_EQ(kept.size(), 1);
    EXPECT_EQ(kept.first().catalogue, catalogue);
    EXPECT_EQ(kept.first().timestamp, today);
    EXPECT_EQ(kept.first().takenAt, today + 60);
    EXPECT_EQ(kept.first().keyId, publisherId);
}
