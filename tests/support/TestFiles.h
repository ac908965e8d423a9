#pragma once

#include <QByteArrayView>
#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <gtest/gtest.h>
#include <string>

// The SHA-256 of `bytes` in lower-case hex, as a bundle's file names carry it, and as a
// catalogue's digest field.
inline std::string sha256Hex(QByteArrayView bytes)
{
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex().toStdString();
}
inline std::string sha256Field(QByteArrayView bytes)
{
    return "sha256:" + sha256Hex(bytes);
}

// Writes `bytes` at `path`, making the folders on the way.
inline void putFile(const QString &path, QByteArrayView bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes.data(), bytes.size()), bytes.size());
}

// `seconds` as an HTTP Date header gives it.
inline std::string httpDate(qint64 seconds)
{
    return QLocale::c()
        .toString(QDateTime::fromSecsSinceEpoch(seconds, Qt::UTC),
                  "ddd, dd MMM yyyy HH:mm:ss 'GMT'")
        .toStdString();
}
