#pragma once

#include <QString>
#include <QUrl>

// The name under which a downloaded image is kept: the last path component of its URL,
// percent-decoded. A name that could leave the firmware folder (empty, ".", "..", or
// holding a path separator or a NUL) is replaced by fallbackFirmwareFileName.
QString firmwareFileName(const QUrl &firmwareURL);

inline constexpr char fallbackFirmwareFileName[] = "firmware.bin";

// The name as the pane shows it: without the text from its last "." on. A leading dot
// alone does not start an extension.
QString firmwareDisplayName(const QString &fileName);
