#pragma once

#include <QString>
#include <QUrl>

// The name under which a downloaded image is kept: the last path component of its URL,
// percent-decoded, made safe to save and to show on one pane line. A name that could leave
// the firmware folder (empty, ".", "..", or holding a path separator or a NUL) is replaced
// by fallbackFirmwareFileName. Control characters, line and paragraph separators and
// invisible format characters become "_"; a leading "." gets "firmware" before it, so that
// the file is not hidden; a name longer than maxFirmwareFileNameBytes in UTF-8 is cut,
// keeping a short extension. Other names are kept exactly as they are.
QString firmwareFileName(const QUrl &firmwareURL);

inline constexpr char fallbackFirmwareFileName[] = "firmware.bin";
// File systems allow 255 bytes; the atomic write may add ".XXXXXX" for its temporary file.
inline constexpr qsizetype maxFirmwareFileNameBytes = 240;

// The name as the pane shows it: without the text from its last "." on. A leading dot
// alone does not start an extension.
QString firmwareDisplayName(const QString &fileName);
