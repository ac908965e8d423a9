#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <optional>

// Standard base64 with its padding, as minisign writes it; nothing for any other text.
std::optional<QByteArray> decodeMinisignBase64(QByteArrayView text);
