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

TEST_F(CatalogueFetch, ListsWithoutRecordsGiveZeroCounts)
{
    for (const std::string body : {"", "<html><body>Welcome</body></html>\n"}) {
        AppDelegate &app = launchWith(body);
        EXPECT_EQ(app.infoText(), loading + "\n" + successLine(0, 0));
        EXPECT_FALSE(app.selectedProduct().has_value());
        EXPECT_FALSE(app.isUpdateEnabled());
        EXPECT_EQ(app.numberOfRows(AppDelegate::Table::firmware), 0);
    }
}

TEST_F(CatalogueFetch, FailuresReplaceThePane)
{
    // "固件" in GB18030: fine as release notes, never a list file.
    launchWith("\xB9\xCC\xBC\xFE;1;2;3;4;a;b\n");
    EXPECT_EQ(m_app->infoText(), QStringLiteral("读取固件列表失败：服务器返回内容无法解析"));

    // An error page is not a catalogue, whatever it holds, and neither is a list cut short.
    const std::string list = line("MORVANE X5", "V1", "c", "x5");
    const QString failed = QStringLiteral("读取固件列表失败：");
    const struct
    {
        std::string listURL;
        std::optional<CatalogueServer::Response> response;
        QString text;
    } cases[] = {
        {url(listPath), CatalogueServer::Response{500, list},
         failed + "The server answered with HTTP status 500"},
        {url(listPath), droppedAfter(list, 20), failed},
        {refusedUrl(listPath), std::nullopt, failed},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        if (c.response) {
            m_server.setResponse(listPath, *c.response);
        }
        makeApp(QUrl(QString::fromStdString(c.listURL))).fetchFirmwareList();
        ASSERT_TRUE(waitForText([](const QString &t) { return t != loading; }));
        EXPECT_TRUE(m_app->infoText().startsWith(c.text)) << m_app->infoText().toStdString();
        EXPECT_GT(m_app->infoText().size(), failed.size() + 5);
        EXPECT_TRUE(m_app->allItems().isEmpty());
        EXPECT_FALSE(m_app->isUpdateEnabled());
    }
}

TEST_F(CatalogueFetch, FirstModelAndFirstVersionAreChosenAndNotesShown)
{
    m_server.setResponse("/fw/x5_1.txt", delayed("\n\n  First notes\n\nline two  \n\n", 1500));
    AppDelegate &app = launchWith(line("MORVANE X5 Pro", "V1", "2023 Co.", "x5_1") +
                                  line("MORVANE X5 Pro", "V2", "2024 Co.", "x5_2"));

    const QString head = header("MORVANE X5 Pro", "V1", "2023 Co.");
    EXPECT_EQ(app.infoText(), head + "\n\n正在读取固件说明...\n" + successLine(1, 2));
    EXPECT_EQ(app.selectedFirmware()->version, "V1");
    EXPECT_TRUE(app.isUpdateEnabled());
    EXPECT_TRUE(
        m_texts.contains(QStringLiteral("已选择型号：MORVANE X5 Pro\n请选择右侧固件版本。")));
    EXPECT_EQ(app.tableView(AppDelegate::Table::product, 0).title, "X5 Pro");
    EXPECT_EQ(app.tableView(AppDelegate::Table::firmware, 1).title, "MORVANE X5 Pro  V2");
    EXPECT_EQ(app.tableView(AppDelegate::Table::firmware, 1).detail, "2024 Co.");

    ASSERT_TRUE(waitForEnding("line two"));
    EXPECT_EQ(app.infoText(), head + "\n\nFirst notes\n\nline two");
    EXPECT_EQ(m_server.requestCount("/fw/x5_1.txt"), 1);
    for (const CatalogueServer::RequestRecord &request : m_server.requests()) {
        std::vector<std::string> noCache;
        for (const auto &[name, value] : request.headers) {
            if (value == "no-cache") {
                noCache.push_back(name);
            }
        }
        EXPECT_EQ(noCache, (std::vector<std::string>{"Cache-Control", "Pragma"}));
    }
}

TEST_F(CatalogueFetch, NotesAreDecodedOrExplained)
{
    m_server.setBody("/fw/b.txt", " \n\t \n");
    m_server.setBody("/fw/c.txt", std::string("\xFF\xFE\xFF", 3));
    m_server.setBody("/fw/d.txt", "Server error page", 500);
    m_server.setResponse("/fw/f.txt", droppedAfter(std::string(4000, 'n'), 1000));
    const QString none = QStringLiteral("没有读取到固件说明。");
    const QString failed = QStringLiteral("固件说明读取失败：");
    const struct
    {
        const char *stem;
        QString message;
        std::string notesURL = {};
    } cases[] = {{"b", none},
                 {"c", none},
                 {"d", failed + "The server answered with HTTP status 500"},
                 {"f", failed},
                 {"g", failed, refusedUrl("/fw/g.txt")}};

    std::string list;
    for (const auto &c : cases) {
        const std::string notes =
            c.notesURL.empty() ? url("/fw/" + std::string(c.stem) + ".txt") : c.notesURL;
        list += std::string("A;1a86;e0a1;") + c.stem + ";;" + url("/fw/x.bin") + ";" + notes + "\n";
    }
    AppDelegate &app = launchWith(list);
    for (int row = 0; row < int(std::size(cases)); ++row) {
        SCOPED_TRACE(cases[row].stem);
        selectRow(app.firmwareSelection(), row);
        const QString expected = header("A", cases[row].stem, "") + "\n\n" + cases[row].message;
        ASSERT_TRUE(waitForText([&](const QString &t) {
            return t.startsWith(expected) && !t.endsWith(QStringLiteral("正在读取固件说明..."));
        }));
        EXPECT_TRUE(app.isUpdateEnabled());
    }
}

TEST_F(CatalogueFetch, ALateAnswerForAnEarlierChoiceIsDropped)
{
    m_server.setResponse("/fw/a.txt", delayed("notes of A", 1200));
    m_server.setResponse("/fw/b.txt", delayed("notes of B", 200));
    m_server.setBody("/fw/z.txt", "notes of Z");
    AppDelegate &app =
        launchWith(line("M", "A", "c", "a") + line("M", "B", "c", "b") + line("Z", "V9", "d", "z"));

    selectRow(app.firmwareSelection(), 1);
    selectRow(app.firmwareSelection(), 0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return m_texts.filter("notes of A").size() == 2; }, 20'000));
    EXPECT_EQ(app.infoText(), header("M", "A", "c") + "\n\nnotes of A");

    // A new model clears the chosen version before choosing its own first one.
    selectRow(app.productSelection(), 1);
    EXPECT_EQ(app.selectedFirmware()->version, "V9");
    selectRow(app.firmwareSelection(), -1);
    EXPECT_EQ(app.selectedFirmware()->version, "V9");
    ASSERT_TRUE(waitForEnding("notes of Z"));
    EXPECT_EQ(m_texts.filter("notes of B").size(), 0);
    EXPECT_EQ(m_texts.filter("notes of A").size(), 2);
}
