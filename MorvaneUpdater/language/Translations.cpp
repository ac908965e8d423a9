#include "language/Translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <algorithm>
#include <atomic>

namespace {

// How many SourceTexts live.
std::atomic<int> g_sourceTexts = 0;

const QString builtInFolder = QStringLiteral(":/i18n");

// A library's translations are named <library>_<language>.qm; library names hold no "_".
QStringList builtInLibraries()
{
    QStringList libraries;
    const QStringList files =
        QDir(builtInFolder).entryList({QStringLiteral("*.qm")}, QDir::Files, QDir::Name);
    for (const QString &file : files) {
        const QString library = file.section(QLatin1Char('_'), 0, 0);
        if (!libraries.contains(library)) {
            libraries.append(library);
        }
    }
    return libraries;
}

// The user's UI languages in order, as catalogue names ("zh_Hant_HK"). A Chinese language in
// traditional characters (Hong Kong, Macau) is followed by the Traditional Chinese catalogue's
// name, and one in simplified characters (Singapore) by the Simplified Chinese one's: the
// languages alone would name neither.
QStringList catalogueLanguages(const QLocale &locale)
{
    QStringList names;
    for (QString name : locale.uiLanguages()) {
        name.replace(QLatin1Char('-'), QLatin1Char('_'));
        names.append(name);
        if (name.startsWith(QLatin1String("zh_Hant"))) {
            names.append(QStringLiteral("zh_TW"));
        } else if (name.startsWith(QLatin1String("zh_Hans"))) {
            names.append(QStringLiteral("zh_CN"));
        }
    }
    return names;
}

} // namespace

SourceTexts::SourceTexts()
{
    ++g_sourceTexts;
}

SourceTexts::~SourceTexts()
{
    --g_sourceTexts;
}

class Translations::Switchable final : public QTranslator
{
public:
    QString translate(const char *context, const char *sourceText, const char *disambiguation,
                      int n) const override
    {
        if (g_sourceTexts > 0) {
            return {};
        }
        return QTranslator::translate(context, sourceText, disambiguation, n);
    }
};

Translations::Translations(const QLocale &locale)
{
    const QStringList languages = catalogueLanguages(locale);
    QString chosen;
    for (const QString &library : builtInLibraries()) {
        auto translator = std::make_unique<Switchable>();
        // The first language with a catalogue; "de_DE" falls back to "de" by itself.
        const bool loaded = std::any_of(languages.begin(), languages.end(), [&](const QString &l) {
            return translator->load(library + QLatin1Char('_') + l, builtInFolder);
        });
        const QString language = install(std::move(translator), loaded);
        if (chosen.isEmpty()) {
            chosen = language;
        }
    }
    // Qt's in the language ours chose, and only then: for "de:zh_TW" Qt's German would mix a
    // third language into the window, and with none of ours the texts stay as the source gives
    // them.
    if (!chosen.isEmpty()) {
        auto translator = std::make_unique<Switchable>();
        const bool loaded =
            translator->load(QLocale(chosen), QStringLiteral("qtbase"), QStringLiteral("_"),
                             QLibraryInfo::path(QLibraryInfo::TranslationsPath));
        install(std::move(translator), loaded);
    }
}

Translations::Translations(const QString &folder, const QString &suffix)
{
    const QDir dir(folder);
    for (const QString &file : dir.entryList({QLatin1Char('*') + suffix}, QDir::Files)) {
        auto translator = std::make_unique<Switchable>();
        const bool loaded = translator->load(dir.filePath(file));
        install(std::move(translator), loaded);
    }
}

Translations::~Translations()
{
    for (const auto &translator : m_translators) {
        QCoreApplication::removeTranslator(translator.get());
    }
}

QStringList Translations::files() const
{
    QStringList files;
    for (const auto &translator : m_translators) {
        files.append(translator->filePath());
    }
    return files;
}

QString Translations::install(std::unique_ptr<QTranslator> translator, bool loaded)
{
    if (!loaded || !QCoreApplication::installTranslator(translator.get())) {
        return {};
    }
    m_translators.push_back(std::move(translator));
    return m_translators.back()->language();
}
