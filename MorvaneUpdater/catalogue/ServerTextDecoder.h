#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <optional>

// The offset of the first byte that is not part of well-formed UTF-8 (overlong forms,
// encoded surrogates, values above U+10FFFF and cut-off sequences included); nothing when
// all are.
std::optional<qsizetype> firstInvalidUtf8Byte(QByteArrayView bytes);

// Strict UTF-8 of the whole buffer; nothing when any byte is invalid (firstInvalidUtf8Byte).
// An initial BOM is dropped.
std::optional<QString> decodeStrictUtf8(const QByteArray &data);

// UTF-16 of the whole buffer: a BOM sets the byte order and is dropped, otherwise
// big-endian. Nothing for an odd length or an unpaired surrogate.
std::optional<QString> decodeStrictUtf16(const QByteArray &data);

// The whole buffer in a legacy charset named as iconv knows it; nothing when the name is
// unknown or any byte, including an incomplete trailing sequence, is invalid.
std::optional<QString> decodeLegacyCharset(const QByteArray &data, const char *charsetName);

// Release notes arrive without a declared charset: UTF-8, then GB18030, GBK, GB2312 and
// Big5, then UTF-16; the first decoder that accepts every byte wins.
std::optional<QString> decodeServerText(const QByteArray &data);

struct DecodedServerText
{
    QString text;
    const char *charset; // the winning candidate's name, e.g. "GB18030"
};

// decodeServerText, telling also which candidate accepted the data.
std::optional<DecodedServerText> decodeServerTextWithCharset(const QByteArray &data);
