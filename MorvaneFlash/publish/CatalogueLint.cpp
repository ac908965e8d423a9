#include "publish/CatalogueLint.h"

#include "catalogue/FirmwareListParser.h"
#include "catalogue/ServerTextDecoder.h"
#include "catalogue/UnicodeText.h"
#include "trust/CatalogueTrust.h"
#include "trust/ImageDigest.h"
#include "update/NextSteps.h"
#include "update/SignedListRules.h"

#include <QCoreApplication>
#include <QHash>
#include <QRegularExpression>
#include <QStringView>

namespace {

struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(CatalogueLint)
};

using Severity = LintFinding::Severity;

constexpr qsizetype recordFields = 7;

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

    void lintEntry(const ListEntry &entry)
    {
        const QStringList fields = trimmedFields(entry.text);
        if (!entry.item) {
            lintRejection(entry.line, fields);
            return;
        }
        const qsizetype line = entry.line;
        const FirmwareItem &item = *entry.item;
        report.records.append({line, item});
        if (isHeading(fields)) {
            add(Severity::warning, line, "heading",
                Texts::tr("looks like a heading; the updater takes it as a record"));
        }
        lintShownFields(line, item);
        for (const int index : {1, 2}) {
            if (const std::optional<FieldProblem> id = usbIdFieldProblem(index, fields.at(index))) {
                add(id->refused ? Severity::error : Severity::warning, line, id->problem.kind,
                    id->problem.message);
            }
        }
        // The updater's rules for a signed list, each of which refuses it.
        if (keyInUse) {
            if (entry.recordProblem && !hasError(line, entry.recordProblem->kind)) {
                add(Severity::error, line, entry.recordProblem->kind, entry.recordProblem->message);
            }
        } else {
            const CatalogueUrl *urls[] = {&item.firmwareURL, &item.notesURL};
            for (const int index : {5, 6}) {
                if (const std::optional<RecordProblem> problem =
                        addressFieldProblem(index, *urls[index - 5])) {
                    add(Severity::warning, line, problem->kind, problem->message);
                }
            }
        }
        lintDigest(line, item, fields.size() > recordFields ? fields.at(recordFields) : QString());
        if (entry.sameRecordAt > 0) {
            add(Severity::warning, line, "duplicate",
                Texts::tr("the same record as line %1").arg(entry.sameRecordAt));
        } else if (entry.versionProblem) {
            // Taken unsigned, refused signed: the updater's rule either way.
            add(keyInUse ? Severity::error : Severity::warning, line, entry.versionProblem->kind,
                entry.versionProblem->message);
        }
        lintModelName(line, item.product);
    }

private:
    // Why the updater skips the line, field by field.
    void lintRejection(qsizetype line, const QStringList &fields)
    {
        if (fields.size() < recordFields) {
            add(Severity::error, line, "too-few-fields",
                withStep(Texts::tr("%n field(s); a record needs at least %1, separated by \";\"",
                                   nullptr, int(fields.size()))
                             .arg(recordFields),
                         fields));
            return;
        }
        for (const int index : {5, 6}) {
            const QString &text = fields.at(index);
            if (text.isEmpty()) {
                add(Severity::error, line, "invalid-url",
                    Texts::tr("%1 is empty").arg(listFieldLabel(index)));
            } else if (!parseCatalogueUrl(text)) {
                add(Severity::error, line, "invalid-url",
                    withStep(
                        Texts::tr("%1 is not a valid URL: %2").arg(listFieldLabel(index), text),
                        fields));
            }
        }
    }

    // A finding about a line that is no record, then what to do about it, without the step's
    // closing full stop: findings end without one.
    static QString withStep(const QString &finding, const QStringList &fields)
    {
        const QString step = lineNextStep(fields);
        return step.isEmpty() ? finding
                              : Texts::tr("%1. %2", "a finding, then what to do about it")
                                    .arg(finding, step.chopped(1));
    }

    // The texts a person reads (model, version, copyright): none may be empty where it names
    // something, or hold what a terminal acts on or what reorders the text around it.
    void lintShownFields(qsizetype line, const FirmwareItem &item)
    {
        const struct
        {
            int index;
            const QString &text;
        } shown[] = {{0, item.product}, {3, item.version}, {4, item.copyright}};
        for (const auto &[index, text] : shown) {
            if (index != 4 && trimWhitespaceAndNewlines(text).isEmpty()) {
                add(Severity::error, line, "empty-field",
                    Texts::tr("%1 is empty: the window would offer it without a name")
                        .arg(listFieldLabel(index)));
            }
            for (const QChar c : text) {
                const char16_t u = c.unicode();
                const bool control = u < 0x20 || (u >= 0x7F && u <= 0x9F);
                const bool bidi = (u >= 0x202A && u <= 0x202E) || (u >= 0x2066 && u <= 0x2069);
                if (control || bidi) {
                    add(Severity::error, line, control ? "control-character" : "bidi-control",
                        (control ? Texts::tr("%1 holds U+%2, which a terminal acts on: remove it")
                                 : Texts::tr("%1 holds U+%2, which reorders the text shown "
                                             "around it: remove it"))
                            .arg(listFieldLabel(index),
                                 QStringLiteral("%1").arg(int(u), 4, 16, QLatin1Char('0'))));
                    break;
                }
            }
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
                Texts::tr("%1 must begin with \"sha256:\" in lower case; the updater ignores "
                          "it as written")
                    .arg(listFieldLabel(7)));
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
                    Texts::tr("model \"%1\" differs from \"%2\" (line %3) only in letter case "
                              "or invisible characters; they are two models")
                        .arg(name, it->first, QString::number(it->second)));
            }
        }
    }

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
                   Texts::tr("the file begins with a byte-order mark; save it as UTF-8 without "
                             "one"));
        start = 3;
    }
    // A line that is not UTF-8 is blanked, its end kept, so that the walk numbers the rest as
    // the file does.
    const QByteArrayView content = QByteArrayView(bytes).sliced(start);
    QString text;
    text.reserve(content.size());
    for (const ListLine &line : listLines(content)) {
        const QByteArrayView raw = content.sliced(line.start, line.length);
        if (const std::optional<qsizetype> bad = firstInvalidUtf8Byte(raw)) {
            linter.add(Severity::error, line.number, "not-utf8",
                       Texts::tr("byte 0x%1 at byte offset %2 is not UTF-8; the updater refuses "
                                 "the whole list")
                           .arg(static_cast<unsigned char>(raw[*bad]), 2, 16, QLatin1Char('0'))
                           .arg(start + line.start + *bad));
        } else {
            text += QString::fromUtf8(raw);
        }
        text += QString::fromLatin1(content.sliced(line.start + line.length, line.ending));
    }
    walkList(text, [&linter](const ListEntry &entry) { linter.lintEntry(entry); });
    // Each line's findings together, in the order they were found.
    std::stable_sort(linter.report.findings.begin(), linter.report.findings.end(),
                     [](const LintFinding &a, const LintFinding &b) { return a.line < b.line; });
    return linter.report;
}
