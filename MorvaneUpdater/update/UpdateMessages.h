#pragma once

#include <QString>
#include <QUrl>
#include <QtGlobal>
#include <optional>

// The texts with which the updater reports fetching the catalogue and the notes and each step
// of an update. The window and the command line say the same thing for the same failure, so
// both build their lines here.
namespace UpdateMessages {

QString catalogueFetchFailed(const QString &description);
QString catalogueUndecodable();
// The reason (for catalogueFetchFailed) when a signed catalogue's signature cannot be fetched.
QString signatureUnreadable(const QUrl &signatureURL, const QString &description);
// The record of catalogue signing times (AcceptedTimestamps): the catalogue's own record lies
// beyond the skew ahead of this computer's clock, and stays the floor.
QString recordAheadOfClock(qint64 newestAccepted, qint64 now);
// An earlier version's record by key, which was never bounded, lies ahead of the clock.
QString legacyRecordAheadIgnored(const QString &keyId, qint64 newestAccepted, qint64 now);
// The record could not be written; `floor` is what the next list is judged by, if anything.
QString recordNotKept(const QString &description, std::optional<qint64> floor);
// Shown below a version's details until its notes arrive.
QString notesLoading();
QString notesFetchFailed(const QString &description);
QString noNotes();
QString preparingUpdate(const QString &product, const QString &version);
QString deviceAbsent(const QString &product);
QString deviceFound(const QString &product);
QString downloadFailed(const QString &description);
QString noFirmwareData();
QString firmwareDownloaded(const QString &displayName);
QString transferStarting();
QString progress(int percent);
QString updateCompleted();
QString updateFailed(const QString &description);
// Another writer holds the device's lock: the process named when the system tells it.
QString deviceInUse(const QString &path, std::optional<qint64> holder);
// The line below a failure whose code says the device left the bus.
QString leftTheBus();
// The line below a catalogue that could not be fetched: where it was fetched from.
QString catalogueAddress(const QUrl &listURL);
// A transfer asked to stop ends at a report boundary with the device closed.
QString updateStopped();

} // namespace UpdateMessages
