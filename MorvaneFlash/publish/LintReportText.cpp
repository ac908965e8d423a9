#include "publish/LintReportText.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonObject>
#include <QStringList>

namespace {

struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(LintReportText)
};

using Severity = LintFinding::Severity;

// The same in the text as in the JSON: "path:3: error: ..." is the form editors and build tools
// read, so it is never translated.
QString severityName(Severity severity)
{
    switch (severity) {
    case Severity::error:
        return QStringLiteral("error");
    case Severity::warning:
        return QStringLiteral("warning");
    case Severity::note:
        break;
    }
    return QStringLiteral("note");
}

} // namespace

QString lintFindingText(const QString &source, const LintFinding &finding)
{
    const QString place =
        finding.line > 0 ? source + QLatin1Char(':') + QString::number(finding.line) : source;
    return place + QStringLiteral(": ") + severityName(finding.severity) + QStringLiteral(": ") +
           finding.message;
}

QString lintReportText(const QString &source, const LintReport &report)
{
    QStringList lines;
    for (const LintFinding &finding : report.findings) {
        lines.append(lintFindingText(source, finding));
    }
    const QString between = Texts::tr(", ", "between the counts of the summary");
    lines.append(Texts::tr("%n record(s)", nullptr, int(report.records.size())) + between +
                 Texts::tr("%n error(s)", nullptr, int(report.count(Severity::error))) + between +
                 Texts::tr("%n warning(s)", nullptr, int(report.count(Severity::warning))));
    return lines.join(QLatin1Char('\n'));
}

QJsonDocument lintReportJson(const QString &source, const LintReport &report)
{
    QJsonArray findings;
    for (const LintFinding &finding : report.findings) {
        findings.append(QJsonObject{{QStringLiteral("severity"), severityName(finding.severity)},
                                    {QStringLiteral("line"), qint64(finding.line)},
                                    {QStringLiteral("kind"), finding.kind},
                                    {QStringLiteral("message"), finding.message}});
    }
    const QJsonObject document{
        {QStringLiteral("source"), source},
        {QStringLiteral("records"), qint64(report.records.size())},
        {QStringLiteral("errors"), qint64(report.count(Severity::error))},
        {QStringLiteral("warnings"), qint64(report.count(Severity::warning))},
        {QStringLiteral("findings"), findings}};
    return QJsonDocument(document);
}
