#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// Strict UTF-8 of the whole buffer; nothing when any byte is invalid.
std::optional<QString> decodeStrictUtf8(const QByteArray &data);

// Release notes arrive without a declared charset: UTF-8, then GB18030, GBK, GB2312 and
// Big5, then UTF-16; the first decoder that accepts every byte wins.
std::optional<QString> decodeServerText(const QByteArray &data);
