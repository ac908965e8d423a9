#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QProcess>
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

    // The secret key file, made with -W: no password.
    QString secretKeyPath() const { return path("key.key"); }

    // The .minisig file for `message`: pre-hashed, or legacy (`-l`) when asked.
    QByteArray sign(const QByteArray &message, bool legacy = false,
                    const QString &trustedComment = QStringLiteral("timestamp:0\tfile:list"))
    {
        QFile file(path("message"));
        if (!file.open(QIODevice::WriteOnly) || file.write(message) != message.size()) {
            throw std::runtime_error("cannot write the message to sign");
        }
        file.close();
        QStringList arguments{"-S", "-s",          path("key.key"), "-m", path("message"),
                              "-t", trustedComment};
        if (legacy) {
            arguments.append("-l");
        }
        run(arguments);
        return read(path("message.minisig"));
    }

private:
    QString path(const char *name) const { return m_dir.filePath(QString::fromLatin1(name)); }
    static QByteArray read(const QString &file)
    {
        QFile f(file);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    void run(const QStringList &arguments) const
    {
        QProcess process;
        process.start(QStringLiteral("minisign"), arguments);
        process.closeWriteChannel();
        if (!process.waitForFinished(30'000) || process.exitCode() != 0) {
            throw std::runtime_error("minisign failed: " + process.errorString().toStdString() +
                                     process.readAllStandardError().toStdString());
        }
    }

    QTemporaryDir m_dir;
};
