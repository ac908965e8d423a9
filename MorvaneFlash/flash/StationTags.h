#pragma once

#include <QString>
#include <optional>
#include <utility>
#include <vector>

// What a factory names a bench and its shift by (--station NAME, --label KEY=VALUE): carried
// into every log line, journal entry and metric of the run, the same in each.
struct StationTags
{
    QString station;
    // In the order given; each key once.
    std::vector<std::pair<QString, QString>> labels;

    bool isEmpty() const { return station.isEmpty() && labels.empty(); }
};

// The journal names a label's field by its key in capitals after this, and journald drops,
// without a word, a field whose name is longer than 64 bytes.
inline constexpr char journalLabelPrefix[] = "MORVANE_LABEL_";
inline constexpr qsizetype journalFieldNameLimit = 64;

// Why `name` may not be a station's name (empty, or with a control character); else nothing.
std::optional<QString> stationProblem(const QString &name);

// Adds "KEY=VALUE" to `tags`, or says why not: KEY must be a Prometheus label name
// ([a-zA-Z_][a-zA-Z0-9_]*), none that the records name themselves (status, model, version,
// station, ...) nor one starting "__", short enough for the journal's field name, and given
// once; VALUE any text without control characters.
std::optional<QString> addLabel(StationTags &tags, const QString &text);
