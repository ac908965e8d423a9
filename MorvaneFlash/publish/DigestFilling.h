#pragma once

#include "frame/Downloader.h"
#include "frame/ExitStatus.h"

#include <QList>
#include <QString>
#include <optional>

// A line sign cannot make good, and the exit status it ends sign with.
struct SigningProblem
{
    qsizetype line = 0;
    QString message;
    int status = exitListErrors;
};

struct FilledList
{
    // The list with every missing digest filled in; nothing when a stop request ended it.
    std::optional<QString> text;
    QList<SigningProblem> problems;
    // What sign signs all the same, said in lint's form.
    QList<SigningProblem> warnings;
    int filled = 0;
};

// Binds every record of the list at `listPath` to its image and notes: an empty digest field
// is filled from the file at the address's whole path under `mirrorFolder` (the folder that
// mirrors the server; empty: the parent of the list's folder, as the list is published at
// /product/MORVANE_LST.txt), else from the file beside the list by the address's file name
// when no other address of the list has that name, else from the address fetched. No link is
// followed. A digest given is checked as the updater checks it, never overwritten. Lines that
// are no record are kept as they are, for the updater's verdict to judge.
FilledList fillDigests(const QString &text, const QString &listPath, const QString &mirrorFolder,
                       Downloader &downloader);
