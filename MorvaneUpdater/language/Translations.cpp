#include "language/Translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>
#include <functional>

namespace {

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

// The translator is the application's child, so that it lives as long as the texts it gives.
// Returns the language of the file installed, empty when none was.
QString install(QCoreApplication &app, const std::function<bool(QTranslator &)> &load,
                QStringList &installed)
{
    auto *translator = new QTranslator(&app);
    if (!load(*translator) || !QCoreApplication::installTranslator(translator)) {
        delete translator;
        return {};
    }
    installed.append(translator->filePath());
    return translator->language();
}

} // namespace

QStringList installTranslations(QCoreApplication &app, const QLocale &locale)
{
    QStringList installed;
    QString chosen;
    for (const QString &library : builtInLibraries()) {
        const QString language = install(
            app,
            [&](QTranslator &t) {
                return t.load(locale, library, QStringLiteral("_"), builtInFolder);
            },
            installed);
        if (chosen.isEmpty()) {
            chosen = language;
        }
    }
    // Qt's in the language ours chose, and only then: for "de:zh_TW" Qt's German would mix a
    // third language into the window, and with none of ours the texts stay as the source gives
    // them.
    if (!chosen.isEmpty()) {
        const QString qtFolder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
        install(
            app,
            [&](QTranslator &t) {
                return t.load(QLocale(chosen), QStringLiteral("qtbase"), QStringLiteral("_"),
                              qtFolder);
            },
            installed);
    }
    return installed;
}

QStringList installTranslationsFrom(QCoreApplication &app, const QString &folder,
                                    const QString &suffix)
{
    QStringList installed;
    const QDir dir(folder);
    for (const QString &file : dir.entryList({QLatin1Char('*') + suffix}, QDir::Files)) {
        install(
            app, [&](QTranslator &t) { return t.load(dir.filePath(file)); }, installed);
    }
    return installed;
}
