#pragma once

#include "frame/Downloader.h"
#include "publish/CatalogueLint.h"

#include <QUrl>
#include <optional>

// The report, and whether the updater would refuse the list or one of its images outright
// rather than merely skip or doubt a line.
struct LintOutcome
{
    LintReport report;
    bool refused = false;
};

// Downloads what each record points at, each address once, as the window would, and adds
// its findings among those of the record's line. exitInterrupted when a stop request ended it.
int addFetchFindings(LintOutcome &outcome, bool keyed, Downloader &downloader);

// A refusal outranks the errors that come with it: the updater would not even try.
int lintStatus(const LintOutcome &outcome);

// The lists that units may have taken from the address a list is published at.
struct EarlierLists
{
    QUrl address;
    // The signing time of the list published there, when its signature holds.
    std::optional<qint64> published = {};
    // The newest this computer took from there.
    std::optional<qint64> recorded = {};
};

// What units make of a list signed at `signedAt`: an error for one signed before either
// earlier list, which every unit that took that one refuses; a warning for one signed ahead of
// `now`, even within the skew, after which units refuse every list signed before it.
QList<LintFinding> signingTimeFindings(qint64 signedAt, const EarlierLists &earlier, qint64 now);
