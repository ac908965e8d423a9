#pragma once

#include <QLocale>
#include <QStringList>

class QCoreApplication;

// Installs on `app` the translations for `locale`'s UI languages, in the user's order: each
// library's own (built into the programs under :/i18n, one file per library and language)
// and Qt's, so that the platform's error descriptions speak the same language. A language
// with no translation, and the C locale, leave every text as the source gives it. Returns the
// files installed.
QStringList installTranslations(QCoreApplication &app, const QLocale &locale = QLocale::system());

// Installs every translation in `folder` whose file name ends in `suffix` (".qm" for all),
// whatever the locale: how the tests put a translation in place.
QStringList installTranslationsFrom(QCoreApplication &app, const QString &folder,
                                    const QString &suffix);
