#include "frame/Console.h"

#include <cstring>

namespace {

// Characters a terminal may take as a command rather than text.
bool isTerminalControl(char16_t c)
{
    const bool c0 = c < 0x20 && c != u'\n' && c != u'\t';
    const bool c1 = c >= 0x7F && c <= 0x9F; // DEL, then the C1 set
    const bool bidi = (c >= 0x202A && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069);
    return c0 || c1 || bidi;
}

} // namespace

QString terminalSafe(QStringView text)
{
    QString safe;
    safe.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') {
            continue;
        }
        safe.append(isTerminalControl(c) ? QChar(QChar::ReplacementCharacter) : QChar(c));
    }
    return safe;
}

QString terminalSafeJson(QStringView json)
{
    QString safe;
    safe.reserve(json.size());
    for (const QChar c : json) {
        // JSON's structure is ASCII, so such a character can only stand inside a string,
        // where the escape means the same character.
        if (isTerminalControl(c.unicode())) {
            safe += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
        } else {
            safe += c;
        }
    }
    return safe;
}

bool takesControlCodes(bool isTerminal, const char *term, const char *noColor)
{
    const bool dumb = term == nullptr || *term == '\0' || std::strcmp(term, "dumb") == 0;
    const bool plain = noColor != nullptr && *noColor != '\0';
    return isTerminal && !dumb && !plain;
}

Console::Console(QTextStream &out, QTextStream &err, bool outTakesControlCodes)
    : m_out(out), m_err(err), m_controlCodes(outTakesControlCodes)
{
}

void Console::print(const QString &line)
{
    const std::lock_guard lock(m_mutex);
    clearBlockLocked();
    m_out << terminalSafe(line) << '\n';
    m_out.flush();
}

void Console::printError(const QString &line)
{
    const std::lock_guard lock(m_mutex);
    clearBlockLocked();
    m_out.flush();
    m_err << terminalSafe(line) << '\n';
    m_err.flush();
    m_lastError = line;
}

QString Console::lastError()
{
    const std::lock_guard lock(m_mutex);
    return m_lastError;
}

void Console::printJson(const QJsonDocument &document)
{
    writeJson(document.toJson(QJsonDocument::Indented));
}

void Console::printJsonLine(const QJsonObject &object)
{
    writeJson(QJsonDocument(object).toJson(QJsonDocument::Compact));
}

void Console::writeJson(const QByteArray &json)
{
    const QString text = terminalSafeJson(QString::fromUtf8(json).trimmed());
    const std::lock_guard lock(m_mutex);
    clearBlockLocked();
    m_out << text << '\n';
    m_out.flush();
}

void Console::redrawBlock(const QStringList &lines)
{
    const std::lock_guard lock(m_mutex);
    // Without wrapping, a line wider than the terminal is cut at its edge rather than taking
    // two rows, so that moving up by the lines drawn always reaches the block's first.
    m_out << "\x1b[?7l";
    if (m_blockLines > 0) {
        m_out << "\x1b[" << m_blockLines << 'A';
    }
    for (const QString &line : lines) {
        m_out << "\r\x1b[2K" << terminalSafe(line) << '\n';
    }
    if (lines.size() < m_blockLines) {
        m_out << "\x1b[J";
    }
    m_out << "\x1b[?7h";
    m_blockLines = lines.size();
    m_out.flush();
}

void Console::endBlock()
{
    const std::lock_guard lock(m_mutex);
    m_blockLines = 0;
}

void Console::clearBlockLocked()
{
    if (m_blockLines > 0) {
        m_out << "\x1b[" << m_blockLines << "A\r\x1b[J";
        m_blockLines = 0;
    }
}
