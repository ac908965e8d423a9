#include "app/InfoLog.h"

#include <QStringList>

namespace {

bool isPaneNewline(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= 0x0A && u <= 0x0D) || u == 0x85 || u == 0x2028 || u == 0x2029;
}

QStringList splitPaneLines(const QString &text)
{
    QStringList lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (isPaneNewline(text.at(i))) {
            lines.append(text.mid(start, i - start));
            start = i + 1;
        }
    }
    lines.append(text.mid(start));
    return lines;
}

} // namespace

QString appendedInfoText(const QString &text, const QString &line)
{
    if (text.isEmpty()) {
        return line;
    }
    return text + QLatin1Char('\n') + line;
}

QString textWithLastInfoLineReplaced(const QString &text, const QString &line, bool lastIsProgress)
{
    QStringList lines = splitPaneLines(text);
    if (lastIsProgress) {
        lines.last() = line;
    } else {
        lines.append(line);
    }
    return lines.join(QLatin1Char('\n'));
}

QString textWithNotices(const QStringList &notices, const QString &text)
{
    if (notices.isEmpty()) {
        return text;
    }
    return notices.join(QLatin1Char('\n')) + QStringLiteral("\n\n") + text;
}
