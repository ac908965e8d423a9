#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// A file name as the system keeps it, bytes, carried in a QString without loss: UTF-8 is read
// as text, and each byte that is not part of valid UTF-8 becomes a lone surrogate U+DC80 to
// U+DCFF, which no text holds, and turns back into that byte. A name typed on a command line
// in another encoding names the file it named there.
QString fileNameFromBytes(QByteArrayView bytes);
QByteArray fileNameBytes(const QString &name);

// The same name made absolute against the working folder, and the folder holding it: text
// operations only, as QFileInfo would carry the name through a lossy conversion.
QString absoluteFileName(const QString &name);
QString folderOfFile(const QString &name);
