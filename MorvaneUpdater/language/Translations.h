#pragma once

#include <QLocale>
#include <QStringList>
#include <QTranslator>
#include <memory>
#include <vector>

// What a script reads is the same in every language: while one of these lives, the texts every
// thread builds are the source texts, whatever translations are installed. For a run whose whole
// output is for a script (morvane-flash --json), its errors included.
class SourceTexts final
{
public:
    SourceTexts();
    ~SourceTexts();
    Q_DISABLE_COPY_MOVE(SourceTexts)
};

// The translations installed on the application for as long as this object lives.
//
// The programs take the user's UI languages in order: each library's translation (built into
// the programs under :/i18n, one file per library and language) and Qt's, so that the
// platform's error descriptions speak the same language. A language with no translation, and
// the C locale, leave every text as the source gives it. Chinese in traditional characters
// (Hong Kong, Macau) reads the Traditional Chinese translation, in simplified characters
// (Singapore) the Simplified Chinese one.
class Translations final
{
public:
    // For `locale`'s UI languages.
    explicit Translations(const QLocale &locale = QLocale::system());
    // Every translation in `folder` whose file name ends in `suffix`, whatever the locale: how
    // the tests put a pseudo-translation in place.
    Translations(const QString &folder, const QString &suffix);
    ~Translations();
    Q_DISABLE_COPY_MOVE(Translations)

    // The files installed, in the order they were.
    QStringList files() const;

private:
    // Returns the language of the file installed, empty when `translator` did not load.
    QString install(std::unique_ptr<QTranslator> translator, bool loaded);

    // Gives nothing where source texts are wanted, so that Qt falls back to the source.
    class Switchable;

    std::vector<std::unique_ptr<QTranslator>> m_translators;
};
