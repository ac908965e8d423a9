#include "frame/TerminalColumns.h"

#include <algorithm>
#include <iterator>
#include <utility>

namespace {

// The East Asian Wide and Fullwidth ranges, as terminals draw them.
constexpr std::pair<char32_t, char32_t> wideRanges[] = {
    {0x1100, 0x115F},   {0x231A, 0x231B},   {0x2329, 0x232A},   {0x23E9, 0x23EC},
    {0x2E80, 0x303E},   {0x3041, 0x33FF},   {0x3400, 0x4DBF},   {0x4E00, 0x9FFF},
    {0xA000, 0xA4CF},   {0xA960, 0xA97F},   {0xAC00, 0xD7A3},   {0xF900, 0xFAFF},
    {0xFE10, 0xFE19},   {0xFE30, 0xFE6F},   {0xFF00, 0xFF60},   {0xFFE0, 0xFFE6},
    {0x16FE0, 0x18CFF}, {0x1B000, 0x1B2FF}, {0x1F300, 0x1F64F}, {0x1F900, 0x1F9FF},
    {0x20000, 0x2FFFD}, {0x30000, 0x3FFFD},
};

bool isWide(char32_t c)
{
    const auto *range =
        std::upper_bound(std::begin(wideRanges), std::end(wideRanges), c,
                         [](char32_t value, const auto &r) { return value < r.first; });
    return range != std::begin(wideRanges) && c <= std::prev(range)->second;
}

} // namespace

qsizetype terminalColumns(char32_t c)
{
    switch (QChar::category(c)) {
    case QChar::Mark_NonSpacing:
    case QChar::Mark_Enclosing:
    case QChar::Other_Format:
        return 0;
    default:
        return isWide(c) ? 2 : 1;
    }
}

namespace {

// What a line may not begin with, and what it may not end with.
bool isClosing(char32_t c)
{
    return c <= 0xFFFF &&
           QStringView(u"，。、；：？！）」』】》〉”’…,.;:?!)]}%").contains(QChar(char16_t(c)));
}

bool isOpening(char32_t c)
{
    return c <= 0xFFFF && QStringView(u"（「『【《〈“‘([{").contains(QChar(char16_t(c)));
}

// Each character of `word` with where it begins.
QList<std::pair<qsizetype, char32_t>> characters(const QString &word)
{
    QList<std::pair<qsizetype, char32_t>> found;
    for (qsizetype i = 0; i < word.size(); ++i) {
        char32_t c = word.at(i).unicode();
        const qsizetype start = i;
        if (QChar::isHighSurrogate(c) && i + 1 < word.size() && word.at(i + 1).isLowSurrogate()) {
            c = QChar::surrogateToUcs4(word.at(i), word.at(i + 1));
            ++i;
        }
        found.append({start, c});
    }
    return found;
}

// `word` cut where a line may break inside it.
QStringList wordPieces(const QString &word)
{
    const QList<std::pair<qsizetype, char32_t>> chars = characters(word);
    QStringList pieces;
    qsizetype start = 0;
    for (qsizetype i = 1; i < chars.size(); ++i) {
        const char32_t before = chars.at(i - 1).second;
        const char32_t after = chars.at(i).second;
        if ((isWide(before) || isWide(after)) && !isOpening(before) && !isClosing(after) &&
            terminalColumns(after) > 0) {
            pieces.append(word.mid(start, chars.at(i).first - start));
            start = chars.at(i).first;
        }
    }
    pieces.append(word.mid(start));
    return pieces;
}

} // namespace

qsizetype terminalColumns(QStringView text)
{
    qsizetype columns = 0;
    for (const char32_t c : text.toUcs4()) {
        columns += terminalColumns(c);
    }
    return columns;
}

QString paddedToColumns(const QString &text, qsizetype columns)
{
    return text + QString(std::max<qsizetype>(0, columns - terminalColumns(text)), u' ');
}

QStringList wrappedToColumns(const QString &text, qsizetype width, qsizetype laterWidth)
{
    QStringList lines;
    QString line;
    qsizetype used = 0;
    bool first = true;
    for (const QString &word : text.split(QLatin1Char(' '))) {
        // Each word but the first has the space before it.
        bool spaced = !std::exchange(first, false);
        for (const QString &piece : wordPieces(word)) {
            const qsizetype columns = terminalColumns(piece);
            const qsizetype gap = spaced && !line.isEmpty() ? 1 : 0;
            if (!line.isEmpty() && used + gap + columns > (lines.isEmpty() ? width : laterWidth)) {
                lines.append(std::exchange(line, QString()));
                used = 0;
            } else if (gap > 0) {
                line += QLatin1Char(' ');
                used += 1;
            }
            line += piece;
            used += columns;
            spaced = false;
        }
    }
    lines.append(line);
    return lines;
}
