#include "ui/UnbreakableNames.h"

namespace {

constexpr QChar nonBreakingHyphen(0x2011);
constexpr QChar wordJoiner(0x2060);

bool letterOrDigitAt(const QString &text, qsizetype at)
{
    return at >= 0 && at < text.size() && text.at(at).isLetterOrNumber();
}

// A hyphen inside a name, or an option's ("--fix", "-v"); not a minus ("-5").
bool joinsAName(const QString &text, qsizetype at)
{
    const QChar next = at + 1 < text.size() ? text.at(at + 1) : QChar();
    if (at == 0 || text.at(at - 1).isSpace()) {
        return next == QLatin1Char('-') || next.isLetter();
    }
    const QChar previous = text.at(at - 1);
    return (previous.isLetterOrNumber() || previous == QLatin1Char('-')) &&
           (next.isLetterOrNumber() || next == QLatin1Char('-'));
}

} // namespace

QString withUnbreakableNames(const QString &text)
{
    QString shown;
    shown.reserve(text.size());
    for (qsizetype at = 0; at < text.size(); ++at) {
        const QChar c = text.at(at);
        if (c == QLatin1Char('-') && joinsAName(text, at)) {
            shown += nonBreakingHyphen;
            continue;
        }
        shown += c;
        // Also a path's first slash holds on to what follows it ("/dev").
        if (c == QLatin1Char('/') && letterOrDigitAt(text, at + 1)) {
            shown += wordJoiner;
        }
    }
    return shown;
}

QString withoutBreakGuards(const QString &shown)
{
    return QString(shown).remove(wordJoiner).replace(nonBreakingHyphen, QLatin1Char('-'));
}
