#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

// The image the command-line benchmarks flash with --file: `size` bytes of 0x5A, written to
// `path`. False when it could not be written.
inline bool writeImageFile(const QString &path, int size)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(QByteArray(size, '\x5A')) == size;
}
