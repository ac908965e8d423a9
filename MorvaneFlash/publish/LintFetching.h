#pragma once

#include "frame/Downloader.h"
#include "publish/CatalogueLint.h"

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
