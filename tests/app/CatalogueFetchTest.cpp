#include "AppFixture.h"

using namespace std::chrono_literals;

namespace {

const QString loading = QStringLiteral("正在读取固件列表...");

QString header(const QString &product, const QString &version, const QString &copyright)
{
    return "Model: " + product + "\nVersion: " + version + "\n" + copyright;
}

} // namespace

using WindowCatalogue = AppFixture;

TEST_F(WindowCatalogue, ListsWithoutRecordsAreEmptyAndFailuresReplaceThePane)
{
    const QString failed = QStringLiteral("读取固件列表失败：");
    const std::string list = line("MORVANE X5", "V1", "x5");
    const struct
    {
        std::string listURL;
        CatalogueServer::Response response;
        QString text;
    } cases[] = {
        // A page without records is an empty catalogue.
        {url(listPath),
         {.body = "<html><body>Welcome</body></html>\n"},
         loading + QStringLiteral("\n读取固件列表成功，共 0 个型号，0 个固件。")},
        // "固件" in GB18030: fine as release notes, never a list file.
        {url(listPath),
         {.body = "\xB9\xCC\xBC\xFE;1;2;3;4;a;b\n"},
         failed + QStringLiteral("服务器返回内容无法解析")},
        // An error page is not a catalogue, whatever it holds (the download's faults are its
        // own test's).
        {url(listPath), {500, list}, failed + "The server answered with HTTP status 500"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        m_server.setResponse(listPath, c.response);
        makeApp(QUrl(QString::fromStdString(c.listURL))).fetchFirmwareList();
        ASSERT_TRUE(waitForText([](const QString &t) { return t != loading; }));
        EXPECT_TRUE(m_app->infoText().startsWith(c.text)) << m_app->infoText().toStdString();
        // A failure gives its reason.
        EXPECT_GT(m_app->infoText().size(), failed.size() + 5);
        EXPECT_TRUE(m_app->allItems().isEmpty());
        EXPECT_FALSE(m_app->selectedProduct().has_value());
        EXPECT_FALSE(m_app->isUpdateEnabled());
    }
}

TEST_F(WindowCatalogue, FirstModelAndFirstVersionAreChosenAndNotesShown)
{
    m_server.setResponse("/fw/x5_1.txt",
                         {.body = "\n\n  First notes\n\nline two  \n\n", .delay = 1500ms});
    AppDelegate &app =
        launchWith(line("MORVANE X5 Pro", "V1", "x5_1") + line("MORVANE X5 Pro", "V2", "x5_2"));

    const QString head = header("MORVANE X5 Pro", "V1", "V1 Co.");
    EXPECT_EQ(app.infoText(), head + QStringLiteral("\n\n正在读取固件说明...\n读取固件列表成功，"
                                                    "共 1 个型号，2 个固件。"));
    EXPECT_TRUE(app.isUpdateEnabled());
    EXPECT_TRUE(
        m_texts.contains(QStringLiteral("已选择型号：MORVANE X5 Pro\n请选择右侧固件版本。")));
    EXPECT_EQ(app.tableView(AppDelegate::Table::product, 0).title, "X5 Pro");

    ASSERT_TRUE(waitForEnding("line two"));
    EXPECT_EQ(app.infoText(), head + "\n\nFirst notes\n\nline two");
    EXPECT_EQ(m_server.requestCount("/fw/x5_1.txt"), 1);
}

TEST_F(WindowCatalogue, NotesAreDecodedOrExplained)
{
    const QString none = QStringLiteral("没有读取到固件说明。");
    const QString failed = QStringLiteral("固件说明读取失败：");
    // No response: the connection is refused.
    const struct
    {
        const char *stem;
        std::optional<CatalogueServer::Response> response;
        QString message;
    } cases[] = {
        {"b", CatalogueServer::Response{.body = " \n\t \n"}, none},
        {"c", CatalogueServer::Response{.body = "\xFF\xFE\xFF"}, none},
        {"f", CatalogueServer::Response{.body = std::string(4000, 'n'), .dropAfterBodyBytes = 1000},
         failed},
        {"g", std::nullopt, failed},
    };
    std::string list;
    for (const auto &c : cases) {
        const std::string notes = "/fw/" + std::string(c.stem) + ".txt";
        if (c.response) {
            m_server.setResponse(notes, *c.response);
        }
        list += std::string("A;1a86;e0a1;") + c.stem + ";;" + url("/fw/x.bin") + ";" +
                (c.response ? url(notes) : refusedUrl(notes)) + "\n";
    }
    AppDelegate &app = launchWith(list);
    for (int row = 0; row < int(std::size(cases)); ++row) {
        SCOPED_TRACE(cases[row].stem);
        chooseVersion(row);
        EXPECT_TRUE(app.infoText().startsWith(header("A", cases[row].stem, "") + "\n\n" +
                                              cases[row].message))
            << app.infoText().toStdString();
        EXPECT_TRUE(app.isUpdateEnabled());
    }
}

TEST_F(WindowCatalogue, ALateAnswerForAnEarlierChoiceIsDropped)
{
    m_server.setResponse("/fw/a.txt", {.body = "notes of A", .delay = 1200ms});
    m_server.setResponse("/fw/b.txt", {.body = "notes of B", .delay = 200ms});
    m_server.setBody("/fw/z.txt", "notes of Z");
    AppDelegate &app = launchWith(line("M", "A", "a") + line("M", "B", "b") + line("Z", "V9", "z"));

    selectRow(app.firmwareSelection(), 1);
    selectRow(app.firmwareSelection(), 0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return m_texts.filter("notes of A").size() == 2; }, 20'000));
    EXPECT_EQ(app.infoText(), header("M", "A", "A Co.") + "\n\nnotes of A");

    // A new model clears the chosen version before choosing its own first one.
    selectRow(app.productSelection(), 1);
    selectRow(app.firmwareSelection(), -1);
    EXPECT_EQ(app.selectedFirmware()->version, "V9");
    ASSERT_TRUE(waitForEnding("notes of Z"));
    EXPECT_EQ(m_texts.filter("notes of B").size(), 0);
    EXPECT_EQ(m_texts.filter("notes of A").size(), 2);
}
