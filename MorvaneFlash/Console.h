#pragma once

#include <QString>
#include <QStringList>
#include <QTextStream>
#include <mutex>

// Output shared by the command's threads: whole lines, never interleaved.
class Console
{
public:
    Console(QTextStream &out, QTextStream &err, bool outIsTerminal);
    Console(const Console &) = delete;
    Console &operator=(const Console &) = delete;

    void print(const QString &line);
    void printError(const QString &line);
    bool isTerminal() const { return m_terminal; }

    // Terminal only: rewrites the block of lines drawn by the previous call in place.
    void redrawBlock(const QStringList &lines);
    // Leaves the block as it stands; the next block starts below it.
    void endBlock();

private:
    std::mutex m_mutex;
    QTextStream &m_out;
    QTextStream &m_err;
    const bool m_terminal;
    qsizetype m_blockLines = 0;
};
