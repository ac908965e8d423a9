#include "language/Translations.h"

#include "update/UpdateMessages.h"

#include <QCoreApplication>
#include <QtConcurrent>
#include <gtest/gtest.h>

namespace {

QString qtText()
{
    return QCoreApplication::translate("QAbstractSocket", "Connection refused");
}

} // namespace

// The user's language picks our translation and Qt's in the same language; a language we have
// no translation for, and the C locale, keep the source texts, Qt's too.
TEST(Translations, FollowTheLanguageOrKeepTheSourceTexts)
{
    const struct
    {
        const char *locale;
        const char *completed;
        const char *notesLoading;
        const char *refused;
    } rows[] = {
        {"C", "Update completed.", "正在读取固件说明...", "Connection refused"},
        {"de_DE", "Update completed.", "正在读取固件说明...", "Connection refused"},
        {"en_GB", "Update completed.", "Reading the firmware notes...", "Connection refused"},
        {"zh_CN", "更新完成。", "正在读取固件说明...", "连接被拒绝"},
        {"zh_TW", "更新完成。", "正在讀取韌體說明...", "連線被拒"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.locale);
        const Translations translations{QLocale(QString::fromLatin1(row.locale))};
        EXPECT_EQ(UpdateMessages::updateCompleted(), QString::fromUtf8(row.completed));
        EXPECT_EQ(UpdateMessages::notesLoading(), QString::fromUtf8(row.notesLoading));
        EXPECT_EQ(qtText(), QString::fromUtf8(row.refused));
    }
    EXPECT_EQ(UpdateMessages::updateCompleted(), "Update completed.");
}

// What a thread builds for a script reads the same in every language; the other threads keep
// theirs.
TEST(Translations, SourceTextsHoldOnlyForTheirThread)
{
    const Translations translations{QLocale(QStringLiteral("zh_CN"))};
    const SourceTexts sourceTexts(SourceTexts::Scope::thisThread);
    EXPECT_EQ(UpdateMessages::updateCompleted(), "Update completed.");
    EXPECT_EQ(QtConcurrent::run(&UpdateMessages::updateCompleted).result(), "更新完成。");
}
