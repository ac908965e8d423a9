#include "AppFixture.h"
#include "PseudoTranslation.h"
#include "language/Translations.h"
#include "ui/ApplicationLaunch.h"
#include "ui/FullWidthButton.h"
#include "ui/InfoPane.h"
#include "ui/MainWindow.h"

#include <QApplication>
#include <QScreen>
#include <QScrollBar>

// The catalogue's, the address's and the files' words, which stay as they are.
const QString catalogueData =
    QStringLiteral(R"(X5 Pro|http://\S+|a\.bin|\bV\d\b|\bCo\b|1a86|e0a1|notes of A)");

class TranslatedWindowTest : public AppFixture
{
protected:
    void start(const QString &list)
    {
        m_server.setBody(listPath, list.toStdString());
        m_server.setBody("/fw/a.txt", "notes of A");
        m_server.setBody("/fw/a.bin", std::string(100, '\x5a'));
        m_window = applicationDidFinishLaunching(
            *qApp, makeApp(QUrl(QString::fromStdString(url(listPath)))));
    }

    std::unique_ptr<MainWindow> m_window;
};

// Start-up, notes that fail, an update that completes and one that fails, and a catalogue that
// cannot be read, in each language: the C locale keeps the texts as they are, and Hong Kong
// reads Traditional Chinese.
TEST_F(TranslatedWindowTest, EachLanguageTellsTheWholeRoad)
{
    const struct
    {
        const char *locale;
        const char *title;
        const char *listRead;
        const char *notesFailed;
        const char *progress;
        const char *completed;
        const char *downloadFailed;
        const char *listFailed;
    } rows[] = {
        {"C", "Updater", "读取固件列表成功，共 1 个型号，3 个固件。", "固件说明读取失败：",
         "Update progress: ", "Update completed.",
         "Firmware download failed: ", "读取固件列表失败："},
        {"en", "Updater", "The firmware list was read: 1 model(s), 3 firmware version(s).",
         "Failed to read the firmware notes: ", "Update progress: ", "Update completed.",
         "Firmware download failed: ", "Failed to read the firmware list: "},
        {"zh_CN", "更新程序", "读取固件列表成功，共 1 个型号，3 个固件。", "固件说明读取失败：",
         "更新进度：", "更新完成。", "固件下载失败：", "读取固件列表失败："},
        {"zh_TW", "更新程式", "讀取韌體列表成功，共 1 個型號，3 個韌體。", "韌體說明讀取失敗：",
         "更新進度：", "更新完成。", "韌體下載失敗：", "讀取韌體列表失敗："},
        {"zh_HK", "更新程式", "讀取韌體列表成功，共 1 個型號，3 個韌體。", "韌體說明讀取失敗：",
         "更新進度：", "更新完成。", "韌體下載失敗：", "讀取韌體列表失敗："},
    };
    const auto device = attachDevice();
    for (const auto &row : rows) {
        SCOPED_TRACE(row.locale);
        const Translations translations{QLocale(QString::fromLatin1(row.locale))};
        start(QString::fromStdString(line("X5 Pro", "V1", "a") + line("X5 Pro", "V2", "b") +
                                     line("X5 Pro", "V3", "missing")));
        ASSERT_TRUE(waitForEnding("notes of A"));
        EXPECT_EQ(m_window->windowTitle(), QString::fromUtf8(row.title));
        EXPECT_FALSE(m_texts.filter(QString::fromUtf8(row.listRead)).isEmpty())
            << m_texts.join('|').toStdString();

        m_texts.clear();
        const QStringList updated = runUpdate();
        EXPECT_EQ(updated.last(), QString::fromUtf8(row.completed))
            << updated.join("|").toStdString();
        // Progress replaces its own line in place, whatever its words.
        for (const QString &text : m_texts) {
            EXPECT_LE(text.count(QString::fromUtf8(row.progress)), 1) << text.toStdString();
        }
        EXPECT_GE(m_texts.size(), 3);

        // Neither version's notes are served.
        const QString notesFailed = QString::fromUtf8(row.notesFailed);
        for (int version : {1, 2}) {
            selectRow(m_app->firmwareSelection(), version);
            EXPECT_TRUE(waitForText([&](const QString &t) {
                return t.contains(QStringLiteral("V%1 Co.").arg(version + 1)) &&
                       t.contains(notesFailed);
            })) << m_app->infoText().toStdString();
        }
        EXPECT_TRUE(runUpdate().last().startsWith(QString::fromUtf8(row.downloadFailed)));

        m_window.reset();
        m_server.setBody(listPath, "", 404);
        AppDelegate &refused = makeApp(QUrl(QString::fromStdString(url(listPath))));
        refused.fetchFirmwareList();
        EXPECT_TRUE(waitForText([&](const QString &t) {
            return t.contains(QString::fromUtf8(row.listFailed));
        })) << m_app->infoText().toStdString();
    }
}

// Under a pseudo-translation half as long again, at the window's size and on a 1280 x 720
// screen (ui_tests.screen720), every text is translated and whole: the button holds its title,
// the pane wraps and the frame still fits the screen.
TEST_F(TranslatedWindowTest, LongerTextsStayWholeAndEveryTextIsTranslated)
{
    const Translations pseudo = pseudoTranslation();
    ASSERT_FALSE(pseudo.files().isEmpty());
    start(QString::fromStdString(line("X5 Pro", "V1", "a")));
    ASSERT_TRUE(waitForEnding("notes of A"));
    MainWindow &w = *m_window;
    EXPECT_TRUE(w.screen()->availableGeometry().contains(w.frameGeometry()));

    QStringList texts = {w.windowTitle(), w.updateButton()->text(), w.updateButton()->toolTip()};
    for (QWidget *widget : w.findChildren<QWidget *>()) {
        texts << widget->accessibleName() << widget->accessibleDescription() << widget->toolTip();
    }
    // Every text the pane was given but the one the test's controller starts with.
    m_texts.removeFirst();
    texts << m_texts.join('\n').split('\n');
    m_texts.clear();
    runUpdate();
    texts << m_texts.join('\n').split('\n');
    for (const QString &text : texts) {
        EXPECT_EQ(untranslatedWord(text, catalogueData), QString()) << text.toStdString();
    }

    FullWidthButton *button = w.updateButton();
    EXPECT_LE(button->fontMetrics().horizontalAdvance(button->text()), button->width());
    InfoPane *pane = w.infoText();
    EXPECT_NE(pane->lineWrapMode(), QTextEdit::NoWrap);
    EXPECT_EQ(pane->horizontalScrollBar()->maximum(), 0);
}
