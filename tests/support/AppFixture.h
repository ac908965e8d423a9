#pragma once

#include "ServedDevicesFixture.h"
#include "app/AppDelegate.h"

#include <QStringList>
#include <QTest>
#include <functional>

// A controller wired to the loopback server and the simulated devices, with its firmware
// folder in the temporary directory.
class AppFixture : public ServedDevicesFixture
{
protected:
    static inline const std::string listPath = "/product/MORVANE_LST.txt";

    // A list-file line whose firmware and notes are /fw/<stem>.bin and /fw/<stem>.txt, with
    // the copyright "<version> Co." and `field8` after the notes address.
    std::string line(const std::string &product, const std::string &version,
                     const std::string &stem, const std::string &field8 = {}) const
    {
        return product + ";1a86;e0a1;" + version + ";" + version + " Co.;" +
               url("/fw/" + stem + ".bin") + ";" + url("/fw/" + stem + ".txt") + ";" + field8 +
               "\n";
    }

    AppDelegate &makeApp(const QUrl &listURL)
    {
        m_folder = inTemp("MorvaneUpdater");
        m_app = std::make_unique<AppDelegate>(listURL, m_hid, m_folder,
                                              catalogueTrustFromKey(m_catalogueKey));
        QObject::connect(m_app.get(), &AppDelegate::infoTextChanged,
                         [this](const QString &text) { m_texts.append(text); });
        m_app->setInfoText(QStringLiteral("正在读取固件列表..."));
        return *m_app;
    }

    // Serves `list` as the catalogue, starts the fetch and waits for its outcome.
    AppDelegate &launchWith(const std::string &list)
    {
        m_server.setBody(listPath, list);
        AppDelegate &app = makeApp(QUrl(QString::fromStdString(url(listPath))));
        app.fetchFirmwareList();
        EXPECT_TRUE(waitForText([](const QString &t) {
            return t.contains("读取固件列表成功") || t.contains("读取固件列表失败");
        }));
        return app;
    }

    bool waitForText(const std::function<bool(const QString &)> &predicate)
    {
        return QTest::qWaitFor([&] { return predicate(m_app->infoText()); }, 20'000);
    }
    bool waitForEnding(const QString &ending)
    {
        return waitForText([&](const QString &t) { return t.endsWith(ending); });
    }

    static void selectRow(QItemSelectionModel *selection, int row)
    {
        selection->setCurrentIndex(selection->model()->index(row, 0),
                                   QItemSelectionModel::ClearAndSelect);
    }
    // Chooses a version and waits for its notes: notes arriving later would replace the pane.
    void chooseVersion(int row)
    {
        selectRow(m_app->firmwareSelection(), row);
        EXPECT_TRUE(
            waitForText([](const QString &t) { return !t.contains("正在读取固件说明..."); }));
    }

    // Runs the update to its end, which gives the button back, and returns the lines it
    // added to the pane: from the empty line before "Preparing to update" on.
    QStringList runUpdate()
    {
        m_app->updateSelectedFirmware();
        EXPECT_TRUE(QTest::qWaitFor([&] { return !m_app->isUpdating(); }, 20'000));
        EXPECT_TRUE(m_app->isUpdateEnabled());
        const QString text = m_app->infoText();
        return text.mid(text.lastIndexOf("\n\nPreparing to update ") + 1).split('\n');
    }

    QString m_folder;
    // The built-in catalogue key the next controller gets; empty: none.
    QString m_catalogueKey;
    std::unique_ptr<AppDelegate> m_app;
    // Every text the pane was given, in order.
    QStringList m_texts;
};
