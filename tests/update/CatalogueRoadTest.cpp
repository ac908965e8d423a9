#include "MinisignTool.h"
#include "TestFiles.h"
#include "trust/SignatureDates.h"
#include "update/CatalogueFetch.h"

#include <QDir>
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

} // namespace

// The catalogue's road below any window, on one record: the signature and its dates decide, and
// the newest signing time taken is the floor. The rows run in order, each on the record the rows
// before it left. The dates lint and list both judge are lint's table (tests/publish); the clock
// set back, which never lowers the floor, is the demo's clock-floor test.
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
    const struct
    {
        QString comment;
        bool taken;
        // In the refusal when refused, else in the record's notices; none when empty.
        QString outcome;
        // The record's floor after the row.
        std::optional<qint64> floor;
        std::function<void()> before = {};
        MinisignTool *signer = nullptr; // the publisher when not given
    } rows[] = {
        {at(past) + "\tfile:list", true, {}, past},
        {at(past - 1), false,
         "signed " + signatureDateText(past - 1) + ", " + older + signatureDateText(past) +
             "); an older list is refused. If the list already taken",
         past},
        {at(today) + " file:list", true, {}, today},
        {at(ahead), true, {}, ahead},
        {at(today + 7200), false,
         "more than an hour after this computer's clock (" + signatureDateText(today) +
             "); a list from the future is refused. Either this computer's clock is behind",
         ahead},
        {at(ahead), true, {}, ahead},
        {"timestamp:9999999999999999999", false, malformed, ahead},
        {at(ahead) + "x", false, malformed, ahead},
        {at(ahead) + " " + at(ahead), false, malformed, ahead},
        {at(past), true,
         "cannot be read: it does not hold a signing time; the list is "
         "trusted as on first use.",
         past,
         [&] {
             putFile(ownRecord(), "not a number");
         }},
        // An earlier version's record by key, never bounded, is ignored ahead of the clock...
        {at(past), true, "kept for key " + publisherId, past,
         [&] {
             record.forget(catalogue, trust.keys);
             putFile(legacyRecord, QByteArray::number(today + 365 * day));
         }},
        // ... and otherwise the floor of a catalogue with no record of its own.
        {at(past), false, older + signatureDateText(past + day), past + day,
         [&] {
             record.forget(catalogue, trust.keys);
             putFile(legacyRecord, QByteArray::number(past + day));
         }},
        // A standby key's list is taken under the same record, and raises it.
        {at(today), true, {}, today, {}, &standby},
        {at(past + 1), false, older, today},
        {at(today + 1),
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
            decideCatalogue(catalogue, list, trust, {signature, {}}, &record, today);
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
