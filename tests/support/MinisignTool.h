#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <stdexcept>

// The real `minisign` program, with a key pair of its own in a temporary folder: what a
// publisher would run. Throws when the program is missing or fails.
class MinisignTool
{
public:
    MinisignTool() { run({"-G", "-W", "-p", path("key.pub"), "-s", path("key.key")}); }

    // The .pub file as minisign wrote it, and its key line alone.
    QByteArray publicKeyFile() const { return read(path("key.pub")); }
    QString publicKeyLine() const
    {
        return QString::fromLatin1(publicKeyFile().split('\n').value(1)).trimmed();
    }

    // The .minisig file for `message`: pre-hashed, or legacy (`-l`) when asked.
    QByteArray sign(const QByteArray &message, bool legacy = false,
                    const QString &trustedComment = QStringLiteral("timestamp:0\tfile:list"))
    {
        writeFile(path("message"), message);
        QStringList arguments{"-S", "-s",          path("key.key"), "-m", path("message"),
                              "-t", trustedComment};
        if (legacy) {
            arguments.append("-l");
        }
        run(arguments);
        return read(path("message.minisig"));
    }

    // Whether minisign itself accepts `signature` of `message` under this key pair.
    bool verifies(const QByteArray &message, const QByteArray &signature)
    {
        writeFile(path("checked"), message);
        writeFile(path("checked.minisig"), signature);
        QProcess process;
        process.start(program(), {"-V", "-q", "-p", path("key.pub"), "-m", path("checked")});
        process.closeWriteChannel();
        return process.waitForFinished(30'000) && process.exitCode() == 0;
    }

private:
    static QString program()
    {
        const QString found = QStandardPaths::findExecutable(QStringLiteral("minisign"));
        if (found.isEmpty()) {
            throw std::runtime_error("the minisign program is not installed");
        }
        return found;
    }
    QString path(const char *name) const { return m_dir.filePath(QString::fromLatin1(name)); }
    static QByteArray read(const QString &file)
    {
        QFile f(file);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    static void writeFile(const QString &file, const QByteArray &content)
    {
        QFile f(file);
        if (!f.open(QIODevice::WriteOnly) || f.write(content) != content.size()) {
            throw std::runtime_error("cannot write " + file.toStdString());
        }
    }
    void run(const QStringList &arguments) const
    {
        QProcess process;
        process.start(program(), arguments);
        process.closeWriteChannel();
        if (!process.waitForFinished(30'000) || process.exitCode() != 0) {
            throw std::runtime_error("minisign failed: " +
                                     process.readAllStandardError().toStdString());
        }
    }

    QTemporaryDir m_dir;
};
