#include "catalogue/UnicodeText.h"

#include <algorithm>

QStringView trimWhitespaceAndNewlines(QStringView text)
{
    // Every set member lies in the BMP, so UTF-16 units can be tested one by one.
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isWhitespaceOrNewline(text[begin].unicode())) {
        ++begin;
    }
    while (end > begin && isWhitespaceOrNewline(text[end - 1].unicode())) {
        --end;
    }
    return text.sliced(begin, end - begin);
}

QString trimWhitespaceAndNewlines(const QString &text)
{
    const QStringView trimmed = trimWhitespaceAndNewlines(QStringView(text));
    if (trimmed.size() == text.size()) {
        return text;
    }
    return trimmed.toString();
}

// Every code point below U+0300 is NFC-stable and none of them combines with a predecessor,
// so such texts are their own NFC form. This keeps the common ASCII case free of the
// normaliser.
bool isTriviallyCanonical(QStringView text)
{
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x0300; });
}

QString canonicalForm(const QString &text)
{
    if (isTriviallyCanonical(text)) {
        return text;
    }
    return text.normalized(QString::NormalizationForm_C);
}

bool canonicallyEqual(const QString &lhs, const QString &rhs)
{
    if (lhs == rhs) {
        return true;
    }
    if (isTriviallyCanonical(lhs) && isTriviallyCanonical(rhs)) {
        return false;
    }
    return canonicalForm(lhs) == canonicalForm(rhs);
}
