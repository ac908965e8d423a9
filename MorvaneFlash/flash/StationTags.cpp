#include "flash/StationTags.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <algorithm>

namespace {

struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(StationTags)
};

// The names the records and metrics give their own fields, and those Prometheus keeps for
// itself when it scrapes: a label called so would overwrite or hide one of them.
const QStringList &reservedNames()
{
    static const QStringList names = {
        QStringLiteral("status"),   QStringLiteral("model"),  QStringLiteral("version"),
        QStringLiteral("station"),  QStringLiteral("labels"), QStringLiteral("job"),
        QStringLiteral("instance"), QStringLiteral("le"),     QStringLiteral("quantile"),
    };
    return names;
}

// Control characters would split a journal field or a line of the metrics file, and reach a
// terminal raw when either is shown.
bool hasControl(const QString &text)
{
    return std::any_of(text.begin(), text.end(), [](QChar c) {
        return c.category() == QChar::Other_Control || c.category() == QChar::Other_Format;
    });
}

} // namespace

std::optional<QString> stationProblem(const QString &name)
{
    if (name.isEmpty() || hasControl(name)) {
        return Texts::tr("--station takes a name without control characters.");
    }
    return std::nullopt;
}

std::optional<QString> addLabel(StationTags &tags, const QString &text)
{
    static const QRegularExpression labelName(QStringLiteral("^[a-zA-Z_][a-zA-Z0-9_]*$"));
    const qsizetype equals = text.indexOf(QLatin1Char('='));
    const QString key = text.left(equals);
    const QString value = text.mid(equals + 1);
    if (equals < 0 || !labelName.match(key).hasMatch()) {
        return Texts::tr("--label takes KEY=VALUE, KEY of letters, digits and _ (not "
                         "starting with a digit): \"%1\".")
            .arg(text);
    }
    if (key.startsWith(QLatin1String("__")) || reservedNames().contains(key)) {
        return Texts::tr("--label %1: that name is the record's own; choose another.").arg(key);
    }
    if (qsizetype(sizeof journalLabelPrefix) - 1 + key.size() > journalFieldNameLimit) {
        return Texts::tr("--label %1: the key is longer than %2 characters, which the "
                         "journal's field name %3%4 cannot hold.")
            .arg(key)
            .arg(journalFieldNameLimit - qsizetype(sizeof journalLabelPrefix) + 1)
            .arg(QLatin1String(journalLabelPrefix), key.toUpper());
    }
    if (std::any_of(tags.labels.begin(), tags.labels.end(), [&](const auto &label) {
            // The journal names a label by its key in capitals.
            return label.first.compare(key, Qt::CaseInsensitive) == 0;
        })) {
        return Texts::tr("--label %1 is given twice.").arg(key);
    }
    if (hasControl(value)) {
        return Texts::tr("--label %1: the value has a control character.").arg(key);
    }
    tags.labels.emplace_back(key, value);
    return std::nullopt;
}
