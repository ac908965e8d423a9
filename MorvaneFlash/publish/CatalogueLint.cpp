#include "publish/CatalogueLint.h"

#include "bootloader/UsbIdentifier.h"
#include "catalogue/FirmwareListParser.h"
#include "catalogue/ServerTextDecoder.h"
#include "catalogue/UnicodeText.h"
#include "download/WebAddress.h"
#include "trust/CatalogueTrust.h"
#include "trust/ImageDigest.h"
#include "update/SignedListRules.h"

#include <QHash>
#include <QRegularExpression>
#include <QStringView>

namespace {

using Severity = LintFinding::Severity;

constexpr qsizetype recordFields = 7;

const char *const fieldNames[] = {"model",     "vendor id",    "product id",        "version",
                                  "copyright", "firmware URL", "release-notes URL", "digest"};

QString fieldLabel(int index)
{
    return QStringLiteral("field %1 (%2)").arg(index + 1).arg(QLatin1String(fieldNames[index]));
}

QStringList trimmedFields(QStringView line)
{
    QStringList fields;
    for (const QStringView field : line.split(u';')) {
        fields.append(trimWhitespaceAndNewlines(field).toString());
    }
    return fields;
}

// Column titles a heading line would hold.
bool isHeading(const QStringList &fields)
{
    static const QRegularExpression title(
        QStringLiteral("^(model|product|name|vid|vendor( ?id)?|pid|product ?id|version|"
                       "copyright|attribution|firmware( ?url)?|url|notes( ?url)?|"
                       "release[- ]notes( ?url)?|digest|sha256)$"),
        QRegularExpression::CaseInsensitiveOption);
    int titles = 0;
    for (qsizetype i = 0; i < std::min(fields.size(), recordFields); ++i) {
        titles += title.match(fields.at(i)).hasMatch() ? 1 : 0;
    }
    return titles >= 3;
}

bool isHexId(const QString &text)
{
    static const QRegularExpression hex(QStringLiteral("^[0-9A-Fa-f]{1,4}$"));
    return hex.match(text).hasMatch();
}

// A model name with its letter case folded and its invisible characters dropped, so that
// names a reader cannot tell apart come out equal.
QString lookalikeKey(const QString &name)
{
    QString visible;
    for (const QChar c : canonicalForm(name)) {
        const char16_t u = c.unicode();
        const bool invisible = c.category() == QChar::Other_Format || u == 0x034F ||
                               (u >= 0xFE00 && u <= 0xFE0F) || u == 0x115F || u == 0x1160 ||
                               u == 0x3164 || u == 0xFFA0;
        if (!invisible) {
            visible.append(c);
        }
    }
    return visible.toCaseFolded();
}

// Physical lines of the file with their byte offsets.
struct RawLine
{
    qsizetype number;
    qsizetype offset;
    QByteArrayView bytes;
};

QList<RawLine> rawLines(QByteArrayView bytes, qsizetype start)
{
    QList<RawLine> lines;
    qsizetype number = 1;
    qsizetype lineStart = start;
    for (qsizetype i = start; i < bytes.size(); ++i) {
        const char c = bytes[i];
        if (c == '\n' || c == '\r') {
            lines.append({number++, lineStart, bytes.sliced(lineStart, i - lineStart)});
            if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') {
                ++i;
            }
            lineStart = i + 1;
        }
    }
    if (lineStart < bytes.size()) {
        lines.append({number, lineStart, bytes.sliced(lineStart)});
    }
    return lines;
}

class Linter
{
public:
    LintReport report;
    bool keyInUse = false;

    void add(Severity severity, qsizetype line, const QString &kind, const QString &message)
    {
        report.findings.append({severity, line, kind, message});
    }
    void add(Severity severity, qsizetype line, const char *kind, const QString &message)
    {
        add(severity, line, QString::fromLatin1(kind), message);
    }

    bool hasError(qsizetype line, const QString &kind) const
    {
        return std::any_of(
            report.findings.cbegin(), report.findings.cend(), [&](const LintFinding &f) {
                return f.severity == Severity::error && f.line == line && f.kind == kind;
            });
    }

    void lintSegment(qsizetype line, QStringView segment)
    {
        // A line of blanks holds nothing a publisher meant as a record.
        if (trimWhitespaceAndNewlines(segment).isEmpty()) {
            return;
        }
        const QStringList fields = trimmedFields(segment);
        const std::variant<FirmwareItem, LineRejection> parsed = parseFirmwareLine(segment);
        if (std::holds_alternative<LineRejection>(parsed)) {
            if (fields.size() < recordFields) {
                add(Severity::error, line, "too-few-fields",
                    QStringLiteral("%1 field(s); a record needs at least %2, separated by \";\"")
                        .arg(fields.size())
                        .arg(recordFields));
                return;
            }
            for (const int index : {5, 6}) {
                const QString &text = fields.at(index);
                if (text.isEmpty()) {
                    add(Severity::error, line, "invalid-url",
                        fieldLabel(index) + QStringLiteral(" is empty"));
                } else if (!parseCatalogueUrl(text)) {
                    add(Severity::error, line, "invalid-url",
                        fieldLabel(index) + QStringLiteral(" is not a valid URL: ") + text);
                }
            }
            return;
        }
        const FirmwareItem &item = std::get<FirmwareItem>(parsed);
        report.records.append({line, item});

        if (isHeading(fields)) {
            add(Severity::warning, line, "heading",
                QStringLiteral("looks like a heading; the updater takes it as a record"));
        }
        for (const int index : {1, 2}) {
            lintUsbId(line, index, fields.at(index));
        }
        if (keyInUse) {
            // The updater's rules for a signed list, each of which refuses it.
            if (const std::optional<RecordProblem> problem = signedRecordProblem(item);
                problem && !hasError(line, problem->kind)) {
                add(Severity::error, line, problem->kind, problem->message);
            }
        } else {
            const QUrl urls[] = {item.firmwareURL, item.notesURL};
            for (const int index : {5, 6}) {
                if (const std::optional<QString> problem = webAddressProblem(urls[index - 5])) {
                    add(Severity::warning, line, "not-web-address",
                        fieldLabel(index) + QStringLiteral(" cannot be downloaded. ") + *problem);
                }
            }
        }
        lintDigest(line, item, fields.size() > recordFields ? fields.at(recordFields) : QString());
        if (const auto it = m_records.constFind(item); it != m_records.cend()) {
            add(Severity::warning, line, "duplicate",
                QStringLiteral("the same record as line %1").arg(*it));
        } else {
            m_records.insert(item, line);
            lintVersion(line, item);
        }
        lintModelName(line, item.product);
    }

private:
    // The bootloader reads the id by its own rule and compares it with the device's 16 bits, so
    // an id it cannot read or that no device carries makes the record unflashable.
    void lintUsbId(qsizetype line, int index, const QString &text)
    {
        const std::string id = text.toStdString();
        if (!parseUSBIdentifier(id)) {
            add(Severity::error, line, "invalid-usb-id",
                fieldLabel(index) + QStringLiteral(" \"%1\" is not a hexadecimal number (no "
                                                   "\"0x\", no blanks): the updater never finds "
                                                   "a device for it")
                                        .arg(text));
        } else if (!usbIdOf(id)) {
            add(Severity::error, line, "invalid-usb-id",
                fieldLabel(index) +
                    QStringLiteral(" \"%1\" is outside 0 to ffff: no USB device carries it")
                        .arg(text));
        } else if (!isHexId(text)) {
            add(Severity::warning, line, "usb-id",
                fieldLabel(index) +
                    QStringLiteral(" \"%1\" is not 1 to 4 hexadecimal digits").arg(text));
        }
    }

    // Another record of the same model and version: choosing that version cannot tell them apart.
    void lintVersion(qsizetype line, const FirmwareItem &item)
    {
        const QString key = canonicalForm(item.product) + QChar(0) + canonicalForm(item.version);
        if (const auto it = m_versions.constFind(key); it != m_versions.cend()) {
            // Taken unsigned, refused signed: the updater's rule either way.
            const RecordProblem problem = duplicateVersionProblem(item, *it);
            add(keyInUse ? Severity::error : Severity::warning, line, problem.kind,
                problem.message);
        } else {
            m_versions.insert(key, line);
        }
    }

    void lintDigest(qsizetype line, const FirmwareItem &item, const QString &field)
    {
        // The updater's own decision, so that a list lint passes is a list it flashes.
        if (const std::optional<QString> refusal = flashRefusal(item, keyInUse)) {
            add(Severity::error, line, item.digest.isEmpty() ? "no-digest" : "malformed-digest",
                *refusal);
        }
        if (item.digest.isEmpty() && field.startsWith(digestPrefix, Qt::CaseInsensitive)) {
            add(Severity::warning, line, "malformed-digest",
                fieldLabel(7) + QStringLiteral(" must begin with \"sha256:\" in lower case; the "
                                               "updater ignores it as written"));
        }
    }

    void lintModelName(qsizetype line, const QString &name)
    {
        const QString key = lookalikeKey(name);
        const auto it = m_models.constFind(key);
        if (it == m_models.cend()) {
            m_models.insert(key, {name, line});
            return;
        }
        if (!canonicallyEqual(it->first, name)) {
            const QString pair = it->first + QChar(0) + name;
            if (!m_reportedPairs.contains(pair)) {
                m_reportedPairs.insert(pair);
                add(Severity::warning, line, "lookalike-model",
                    QStringLiteral("model \"%1\" differs from \"%2\" (line %3) only in letter "
                                   "case or invisible characters; they are two models")
                        .arg(name, it->first)
                        .arg(it->second));
            }
        }
    }

    QHash<FirmwareItem, qsizetype> m_records;
    QHash<QString, qsizetype> m_versions;
    QHash<QString, std::pair<QString, qsizetype>> m_models;
    QSet<QString> m_reportedPairs;
};

} // namespace

qsizetype LintReport::count(LintFinding::Severity severity) const
{
    return std::count_if(findings.begin(), findings.end(),
                         [severity](const LintFinding &f) { return f.severity == severity; });
}

LintReport lintCatalogue(const QByteArray &bytes, bool keyInUse)
{
    Linter linter;
    linter.keyInUse = keyInUse;
    qsizetype start = 0;
    if (bytes.startsWith("\xEF\xBB\xBF")) {
        linter.add(Severity::warning, 1, "byte-order-mark",
                   QStringLiteral("the file begins with a byte-order mark; save it as UTF-8 "
                                  "without one"));
        start = 3;
    }
    for (const RawLine &raw : rawLines(bytes, start)) {
        if (const std::optional<qsizetype> bad = firstInvalidUtf8Byte(raw.bytes)) {
            linter.add(
                Severity::error, raw.number, "not-utf8",
                QStringLiteral("byte 0x%1 at byte offset %2 is not UTF-8; the updater "
                               "refuses the whole list")
                    .arg(static_cast<unsigned char>(raw.bytes[*bad]), 2, 16, QLatin1Char('0'))
                    .arg(raw.offset + *bad));
            continue;
        }
        // Other line ends (VT, FF, NEL, U+2028, U+2029) split records inside the line.
        const QString text = QString::fromUtf8(raw.bytes);
        for (const QString &segment : splitCatalogueLines(text)) {
            linter.lintSegment(raw.number, segment);
        }
    }
    return linter.report;
}
