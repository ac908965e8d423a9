#pragma once

#include <QJsonDocument>
#include <QJsonObject>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <QTextStream>
#include <mutex>

// morvane-flash's output: the console its threads share, and what keeps text from the
// catalogue's server or a device from reaching a terminal as control codes. Such text must never
// move the cursor, rewrite a line, write the clipboard or hide what it says.

// `text` with each terminal control (see Console) replaced by U+FFFD and CR LF as LF: what Console
// prints, for text that reaches a terminal some other way (a README written beside files).
QString terminalSafe(QStringView text);

// JSON text with every terminal control (see Console) that JSON leaves as it is (DEL, C1 controls,
// the bidirectional ones) written as a \uXXXX escape: the same data, inert on a terminal.
QString terminalSafeJson(QStringView json);

// Whether standard output may be given cursor movements: a terminal whose TERM is set and not
// "dumb", with NO_COLOR unset or empty. The environment variables may be null.
bool takesControlCodes(bool isTerminal, const char *term, const char *noColor);

// Output shared by the command's threads: whole lines, never interleaved, and never a terminal
// control that the program did not write itself. Each control in a text printed becomes U+FFFD:
// C0 controls but line feed and tab, DEL, C1 controls, and the bidirectional overrides and
// isolates, which reorder what is shown. CR LF is a line end, not a control, and becomes LF.
class Console
{
public:
    Console(QTextStream &out, QTextStream &err, bool outTakesControlCodes);
    Console(const Console &) = delete;
    Console &operator=(const Console &) = delete;

    void print(const QString &line);
    void printError(const QString &line);
    void printJson(const QJsonDocument &document);
    // One object on one line: a stream of events that a script reads line by line.
    void printJsonLine(const QJsonObject &object);
    bool takesControlCodes() const { return m_controlCodes; }
    // The last line printed to standard error, for an event that ends a JSON stream to repeat.
    QString lastError();

    // Control codes only: rewrites the block of lines drawn by the previous call in place.
    // A line printed meanwhile takes the block's place; the next call draws it below.
    void redrawBlock(const QStringList &lines);
    // Leaves the block as it stands; the next block starts below it.
    void endBlock();

private:
    void writeJson(const QByteArray &json);
    // Erases the block drawn, so that what is printed next stands where it stood.
    void clearBlockLocked();

    std::mutex m_mutex;
    QTextStream &m_out;
    QTextStream &m_err;
    const bool m_controlCodes;
    qsizetype m_blockLines = 0;
    QString m_lastError;
};
