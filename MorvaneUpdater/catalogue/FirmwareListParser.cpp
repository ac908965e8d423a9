#include "catalogue/FirmwareListParser.h"

#include "catalogue/UnicodeText.h"

#include <QSet>
#include <QStringView>
#include <array>
#include <utility>

namespace {

constexpr qsizetype recordFieldCount = 7;
constexpr qsizetype usedFieldCount = 9;
constexpr QChar fieldSeparator = u';';

// Calls onLine for every non-empty line. Line ends are single UTF-16 units, and since empty
// lines are dropped, treating CR LF as two ends gives the same lines as treating it as one.
template <typename OnLine> void forEachLine(QStringView text, OnLine &&onLine)
{
    qsizetype lineStart = 0;
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        if (isNewline(text[i].unicode())) {
            if (i > lineStart) {
                onLine(text.sliced(lineStart, i - lineStart));
            }
            lineStart = i + 1;
        }
    }
    if (size > lineStart) {
        onLine(text.sliced(lineStart));
    }
}

// QUrl's strict mode lets a few things through that RFC 3986 forbids and that would make a
// download address ambiguous: inner white space beyond ASCII, C1 controls, a second '#',
// and brackets outside an IP-literal host.
struct RawCheck
{
    bool forbidden = false;
    bool hasBracket = false;
};

RawCheck checkRawCharacters(QStringView text)
{
    RawCheck check;
    qsizetype hashes = 0;
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (isWhitespaceOrNewline(u) || (u >= 0x0080 && u <= 0x009F) ||
            (u == u'#' && ++hashes > 1)) {
            check.forbidden = true;
            return check;
        }
        check.hasBracket = check.hasBracket || u == u'[' || u == u']';
    }
    return check;
}

bool hasBracketOutsideHost(const QUrl &url)
{
    const auto hasBracket = [](const QString &part) {
        return part.contains(u'[') || part.contains(u']');
    };
    return hasBracket(url.userInfo(QUrl::FullyEncoded)) ||
           hasBracket(url.path(QUrl::FullyEncoded)) || hasBracket(url.query(QUrl::FullyEncoded)) ||
           hasBracket(url.fragment(QUrl::FullyEncoded));
}

// Model names, identifiers and attribution lines repeat from record to record, so the
// records of one parse share one copy of each distinct text. Texts match exactly here, so
// every record holds what its line said.
class SharedTexts
{
public:
    QString share(QString text)
    {
        const auto found = m_texts.constFind(text);
        if (found != m_texts.cend()) {
            return *found;
        }
        m_texts.insert(text);
        return text;
    }

private:
    QSet<QString> m_texts;
};

QString shared(SharedTexts *texts, QString text)
{
    return texts ? texts->share(std::move(text)) : text;
}

std::variant<FirmwareItem, LineRejection> parseLine(QStringView line, SharedTexts *texts)
{
    // Only the first nine fields are used, so scanning stops at the ninth separator:
    // a line of a million semicolons costs no more than its first few.
    std::array<QStringView, usedFieldCount> fields;
    qsizetype fieldCount = 0;
    qsizetype fieldStart = 0;
    const qsizetype size = line.size();
    for (qsizetype i = 0; i < size && fieldCount < usedFieldCount; ++i) {
        if (line[i] == fieldSeparator) {
            fields[fieldCount++] = line.sliced(fieldStart, i - fieldStart);
            fieldStart = i + 1;
        }
    }
    if (fieldCount < usedFieldCount) {
        fields[fieldCount++] = line.sliced(fieldStart);
    }
    if (fieldCount < recordFieldCount) {
        return LineRejection::tooFewFields;
    }

    std::optional<QUrl> firmwareURL =
        parseCatalogueUrl(trimWhitespaceAndNewlines(fields[5]).toString());
    if (!firmwareURL) {
        return LineRejection::invalidFirmwareURL;
    }
    std::optional<QUrl> notesURL =
        parseCatalogueUrl(trimWhitespaceAndNewlines(fields[6]).toString());
    if (!notesURL) {
        return LineRejection::invalidNotesURL;
    }
    // Older copies ignore fields 8 and 9, so any text there that does not claim to be a
    // digest stays meaningless; one that claims it is kept even when malformed, to be refused.
    const auto digestField = [&](qsizetype index) {
        const QStringView field =
            index < fieldCount ? trimWhitespaceAndNewlines(fields[index]) : QStringView();
        return field.startsWith(digestPrefix) ? field.toString() : QString();
    };
    return FirmwareItem{
        shared(texts, trimWhitespaceAndNewlines(fields[0]).toString()),
        shared(texts, trimWhitespaceAndNewlines(fields[1]).toString().toUpper()),
        shared(texts, trimWhitespaceAndNewlines(fields[2]).toString().toUpper()),
        trimWhitespaceAndNewlines(fields[3]).toString(),
        shared(texts, trimWhitespaceAndNewlines(fields[4]).toString()),
        std::move(*firmwareURL),
        std::move(*notesURL),
        digestField(7),
        digestField(8),
    };
}

} // namespace

std::variant<FirmwareItem, LineRejection> parseFirmwareLine(QStringView line)
{
    return parseLine(line, nullptr);
}

QStringList splitCatalogueLines(const QString &text)
{
    QStringList lines;
    forEachLine(text, [&lines](QStringView line) { lines.append(line.toString()); });
    return lines;
}

std::optional<QUrl> parseCatalogueUrl(const QString &text)
{
    const RawCheck raw = checkRawCharacters(text);
    if (text.isEmpty() || raw.forbidden) {
        return std::nullopt;
    }
    QUrl url(text, QUrl::StrictMode);
    if (!url.isValid() || (raw.hasBracket && hasBracketOutsideHost(url))) {
        return std::nullopt;
    }
    return url;
}

QList<FirmwareItem> parseFirmwareList(const QString &text, qsizetype *skipped)
{
    QList<FirmwareItem> items;
    SharedTexts texts;
    qsizetype rejected = 0;
    forEachLine(text, [&items, &texts, &rejected](QStringView line) {
        std::variant<FirmwareItem, LineRejection> result = parseLine(line, &texts);
        if (auto *item = std::get_if<FirmwareItem>(&result)) {
            items.append(std::move(*item));
        } else {
            ++rejected;
        }
    });
    if (skipped) {
        *skipped = rejected;
    }
    return items;
}
