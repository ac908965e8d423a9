#include "AppFixture.h"

namespace {

const QString loading = QStringLiteral("正在读取固件列表...");

QString successLine(int models, int records)
{
    return QStringLiteral("读取固件列表成功，共 %1 个型号，%2 个固件。").arg(models).arg(records);
}

QString header(const QString &product, const QString &version, const QString &copyright)
{
    return "Model: " + product + "\nVersion: " + version + "\n" + copyright;
}

CatalogueServer::Response delayed(std::string body, int ms)
{
    CatalogueServer::Response response;
    response.body = std::move(body);
    response.delay = std::chrono::milliseconds(ms);
    return response;
}

} // namespace

using CatalogueFetch = AppFixture;

TEST_F(CatalogueFetch, NoAcceptableLineGivesTheSuccessLineWithZeroCounts)
{
    AppDelegate &app = launchWith("<html><body>Welcome</body></html>\n");
    EXPECT_EQ(app.infoText(), loading + "\n" + successLine(0, 0));
    EXPECT_TRUE(app.products().isEmpty());
    EXPECT_FALSE(app.selectedProduct().has_value());
    EXPECT_FALSE(app.isUpdateEnabled());
    EXPECT_EQ(app.numberOfRows(AppDelegate::Table::product), 0);
    EXPECT_EQ(app.numberOfRows(AppDelegate::Table::firmware), 0);
}

TEST_F(CatalogueFetch, AnEmptyBodyIsAnEmptyCatalogue)
{
    AppDelegate &app = launchWith("");
    EXPECT_EQ(app.infoText(), loading + "\n" + successLine(0, 0));
}

TEST_F(CatalogueFetch, ABodyThatIsNotUtf8Fails)
{
    // "固件" in GB18030: valid release notes, but never a valid list file.
    AppDelegate &app = launchWith(std::string("\xB9\xCC\xBC\xFE;1;2;3;4;a;b\n"));
    EXPECT_EQ(app.infoText(), QStringLiteral("读取固件列表失败：服务器返回内容无法解析"));
    EXPECT_TRUE(app.allItems().isEmpty());
}

TEST_F(CatalogueFetch, AnHttpErrorStatusIsAFailureNamingTheStatus)
{
    m_server.setBody(listPath, line("MORVANE X5", "1a86", "e0a1", "V1", "c", "x5"), 404);
    AppDelegate &app = makeApp(QUrl(QString::fromStdString(url(listPath))));
    app.fetchFirmwareList();
    ASSERT_TRUE(waitForText([](const QString &t) { return t.startsWith("读取固件列表失败："); }));
    EXPECT_TRUE(app.infoText().contains("404")) << app.infoText().toStdString();
    EXPECT_TRUE(app.allItems().isEmpty());
    EXPECT_EQ(app.numberOfRows(AppDelegate::Table::product), 0);
}

TEST_F(CatalogueFetch, NoServerReplacesThePaneWithTheFailure)
{
    QUrl deadURL;
    {
        CatalogueServer gone;
        deadURL = QUrl(QString::fromStdString(gone.url(listPath)));
    }
    AppDelegate &app = makeApp(deadURL);
    app.fetchFirmwareList();
    ASSERT_TRUE(waitForText([](const QString &t) { return t != loading; }));
    EXPECT_TRUE(app.infoText().startsWith("读取固件列表失败："));
    EXPECT_GT(app.infoText().size(), QStringLiteral("读取固件列表失败：").size());
    EXPECT_FALSE(app.infoText().contains(loading));
}

TEST_F(CatalogueFetch, FirstModelAndFirstVersionAreChosenAndNotesLoaded)
{
    m_server.setResponse("/fw/x5_1.txt", delayed("\n\n  First notes\n\nline two  \n\n", 1500));
    AppDelegate &app = launchWith(line("MORVANE X5 Pro", "1a86", "e0a1", "V1", "2023 Co.", "x5_1") +
                                  line("MORVANE X5 Pro", "1a86", "e0a1", "V2", "2024 Co.", "x5_2"));

    const QString head = header("MORVANE X5 Pro", "V1", "2023 Co.");
    EXPECT_EQ(app.infoText(), head + "\n\n正在读取固件说明...\n" + successLine(1, 2));
    EXPECT_EQ(app.selectedProduct(), QStringLiteral("MORVANE X5 Pro"));
    ASSERT_TRUE(app.selectedFirmware().has_value());
    EXPECT_EQ(app.selectedFirmware()->version, "V1");
    EXPECT_TRUE(app.isUpdateEnabled());
    // The model text was replaced within the same call; the pane never showed it alone.
    EXPECT_TRUE(
        m_texts.contains(QStringLiteral("已选择型号：MORVANE X5 Pro\n请选择右侧固件版本。")));

    EXPECT_EQ(app.tableView(AppDelegate::Table::product, 0).title, "X5 Pro");
    EXPECT_EQ(app.numberOfRows(AppDelegate::Table::firmware), 2);
    EXPECT_EQ(app.tableView(AppDelegate::Table::firmware, 1).title, "MORVANE X5 Pro  V2");
    EXPECT_EQ(app.tableView(AppDelegate::Table::firmware, 1).detail, "2024 Co.");

    ASSERT_TRUE(waitForText([](const QString &t) { return t.contains("First notes"); }));
    EXPECT_EQ(app.infoText(), head + "\n\nFirst notes\n\nline two");
    // One notes request for the automatic choice, not one per selection signal.
    EXPECT_EQ(m_server.requestCount("/fw/x5_1.txt"), 1);
}

TEST_F(CatalogueFetch, EveryRequestAsksForNoCacheInOrder)
{
    launchWith(line("A", "1", "2", "V1", "c", "a"));
    ASSERT_TRUE(waitForText([](const QString &t) {
        return t.contains("没有读取到固件说明") || t.contains("固件说明读取失败");
    }));
    for (const CatalogueServer::RequestRecord &request : m_server.requests()) {
        SCOPED_TRACE(request.path);
        int cacheControl = -1;
        int pragma = -1;
        for (int i = 0; i < int(request.headers.size()); ++i) {
            const auto &[name, value] = request.headers[size_t(i)];
            if (name == "Cache-Control" && value == "no-cache") {
                cacheControl = i;
            }
            if (name == "Pragma" && value == "no-cache") {
                pragma = i;
            }
        }
        EXPECT_GE(cacheControl, 0);
        EXPECT_GT(pragma, cacheControl);
    }
}

TEST_F(CatalogueFetch, NotesInGb18030AreDecoded)
{
    // "固件说明" in GB18030.
    m_server.setBody("/fw/a.txt", std::string("\xB9\xCC\xBC\xFE\xCB\xB5\xC3\xF7\r\n"));
    AppDelegate &app = launchWith(line("A", "1", "2", "V1", "", "a"));
    ASSERT_TRUE(
        waitForText([](const QString &t) { return t.endsWith(QStringLiteral("固件说明")); }));
    EXPECT_EQ(app.infoText(), header("A", "V1", "") + QStringLiteral("\n\n固件说明"));
}

TEST_F(CatalogueFetch, EmptyOrUndecodableNotesSayThereAreNone)
{
    m_server.setBody("/fw/a.txt", " \n\t \n");
    m_server.setBody("/fw/b.txt", std::string("\xFF\xFE\xFF", 3));
    AppDelegate &app =
        launchWith(line("A", "1", "2", "V1", "c", "a") + line("A", "1", "2", "V2", "c", "b"));
    const QString none = QStringLiteral("没有读取到固件说明。");
    ASSERT_TRUE(waitForText([&](const QString &t) { return t.endsWith(none); }));
    EXPECT_EQ(app.infoText(), header("A", "V1", "c") + "\n\n" + none);

    selectFirmwareRow(1);
    ASSERT_TRUE(waitForText([&](const QString &t) {
        return t.startsWith(header("A", "V2", "c")) && t.endsWith(none);
    }));
}

TEST_F(CatalogueFetch, NotesFailuresAreShownAndKeepTheChoice)
{
    m_server.setBody("/fw/a.txt", "Server error page", 500);
    CatalogueServer::Response dropped;
    dropped.dropConnection = true;
    m_server.setResponse("/fw/b.txt", dropped);
    AppDelegate &app =
        launchWith(line("A", "1", "2", "V1", "c", "a") + line("A", "1", "2", "V2", "c", "b"));

    ASSERT_TRUE(waitForText([](const QString &t) { return t.contains("固件说明读取失败："); }));
    EXPECT_TRUE(app.infoText().contains("500")) << app.infoText().toStdString();
    EXPECT_FALSE(app.infoText().contains("Server error page"));
    EXPECT_TRUE(app.isUpdateEnabled());

    selectFirmwareRow(1);
    ASSERT_TRUE(waitForText([&](const QString &t) {
        return t.startsWith(header("A", "V2", "c") + QStringLiteral("\n\n固件说明读取失败："));
    }));
    EXPECT_EQ(app.selectedFirmware()->version, "V2");
}

TEST_F(CatalogueFetch, ALateAnswerForAnEarlierChoiceIsDropped)
{
    m_server.setResponse("/fw/a.txt", delayed("notes of A", 1200));
    m_server.setResponse("/fw/b.txt", delayed("notes of B", 200));
    AppDelegate &app =
        launchWith(line("M", "1", "2", "A", "c", "a") + line("M", "1", "2", "B", "c", "b"));

    selectFirmwareRow(1);
    selectFirmwareRow(0);
    EXPECT_EQ(app.selectedFirmware()->version, "A");

    ASSERT_TRUE(waitForText([](const QString &t) { return t.endsWith("notes of A"); }));
    ASSERT_TRUE(QTest::qWaitFor([&] { return m_server.requestCount("/fw/a.txt") == 2; }, waitMs));
    // Both answers for A are shown (the later one last), B's never.
    QTest::qWait(1500);
    EXPECT_EQ(m_texts.filter("notes of B").size(), 0);
    EXPECT_EQ(m_texts.filter("notes of A").size(), 2);
    EXPECT_EQ(app.infoText(), header("M", "A", "c") + "\n\nnotes of A");
}

TEST_F(CatalogueFetch, ChoosingAnotherModelDropsTheOldVersionsAnswer)
{
    m_server.setResponse("/fw/a.txt", delayed("notes of A", 800));
    m_server.setBody("/fw/z.txt", "notes of Z");
    AppDelegate &app = launchWith(line("MORVANE A", "1", "2", "V1", "c", "a") +
                                  line("Z", "3", "4", "V9", "d", "z") +
                                  line("MORVANE A", "1", "2", "V2", "c", "a2"));
    EXPECT_EQ(app.products(), (QStringList{"MORVANE A", "Z"}));
    EXPECT_EQ(app.numberOfRows(AppDelegate::Table::firmware), 2);

    selectProductRow(1);
    EXPECT_EQ(app.selectedProduct(), QStringLiteral("Z"));
    EXPECT_EQ(app.selectedFirmware()->version, "V9");
    EXPECT_EQ(app.numberOfRows(AppDelegate::Table::firmware), 1);
    EXPECT_EQ(app.tableView(AppDelegate::Table::product, 0).title, "A");

    ASSERT_TRUE(waitForText([](const QString &t) { return t.endsWith("notes of Z"); }));
    QTest::qWait(1200);
    EXPECT_EQ(m_texts.filter("notes of A").size(), 0);
}

TEST_F(CatalogueFetch, RemovingTheSelectionChangesNothing)
{
    m_server.setBody("/fw/a.txt", "notes");
    AppDelegate &app = launchWith(line("A", "1", "2", "V1", "c", "a"));
    ASSERT_TRUE(waitForText([](const QString &t) { return t.endsWith("notes"); }));
    const QString before = app.infoText();

    app.firmwareSelection()->clearSelection();
    app.productSelection()->clearSelection();
    EXPECT_EQ(app.infoText(), before);
    EXPECT_TRUE(app.selectedFirmware().has_value());
    EXPECT_TRUE(app.isUpdateEnabled());
}
