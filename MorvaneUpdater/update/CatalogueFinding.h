#pragma once

#include <QString>
#include <QtGlobal>

// One thing worth telling about a catalogue: why the updater refuses it or one of its lines
// (error), what it takes but that is probably wrong (warning), or what holds (note).
struct CatalogueFinding
{
    enum class Severity
    {
        error,
        warning,
        note,
    };

    Severity severity = Severity::error;
    // 1-based, counting LF, CR LF and CR as line ends as editors do; 0 for the whole file.
    qsizetype line = 0;
    // A stable name for scripts, e.g. "too-few-fields".
    QString kind;
    QString message;
};
