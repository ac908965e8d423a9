#include "Console.h"

Console::Console(QTextStream &out, QTextStream &err, bool outIsTerminal)
    : m_out(out), m_err(err), m_terminal(outIsTerminal)
{
}

void Console::print(const QString &line)
{
    const std::lock_guard lock(m_mutex);
    m_out << line << '\n';
    m_out.flush();
}

void Console::printError(const QString &line)
{
    const std::lock_guard lock(m_mutex);
    m_out.flush();
    m_err << line << '\n';
    m_err.flush();
}

void Console::redrawBlock(const QStringList &lines)
{
    const std::lock_guard lock(m_mutex);
    if (m_blockLines > 0) {
        m_out << "\x1b[" << m_blockLines << 'A';
    }
    for (const QString &line : lines) {
        m_out << "\r\x1b[2K" << line << '\n';
    }
    m_blockLines = lines.size();
    m_out.flush();
}

void Console::endBlock()
{
    const std::lock_guard lock(m_mutex);
    m_blockLines = 0;
}
