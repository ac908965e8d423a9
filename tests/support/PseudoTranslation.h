#pragma once

#include "language/Translations.h"

#include <QRegularExpression>

// The tests' pseudo-translation of every library (tests/language), installed for as long as the
// object lives: each text half as long again, its Latin letters accented and its Chinese
// characters underlined (U+0332).
inline Translations pseudoTranslation()
{
    return Translations(QStringLiteral(MORVANE_PSEUDO_TRANSLATIONS_DIR),
                        QStringLiteral("_pseudo.qm"));
}

// A word of plain letters, or a Chinese character without its underline, in `text` once what
// `kept` matches (data, names that stay) is taken out: under the pseudo-translation, a text that
// was not translated. Empty when there is none.
inline QString untranslatedWord(QString text, const QString &kept)
{
    static const QRegularExpression plain(
        R"(\b[A-Za-z]{2,}\b|[\x{2E80}-\x{9FFF}\x{FF00}-\x{FF60}](?!\x{0332}))");
    return plain.match(text.remove(QRegularExpression(kept))).captured();
}
