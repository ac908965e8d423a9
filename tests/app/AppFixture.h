#pragma once

#include "AppDelegate.h"
#include "CatalogueServer.h"
#include "SimulatedHidBackend.h"

#include <QDir>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <string>

// A controller wired to a real HTTP server on loopback and to simulated HID devices, with
// its firmware folder in a temporary directory.
class AppFixture : public ::testing::Test
{
protected:
    static inline const std::string listPath = "/product/MORVANE_LST.txt";

    std::string url(const std::string &path) const { return m_server.url(path); }

    // A list-file line whose firmware and notes are /fw/<stem>.bin and /fw/<stem>.txt.
    std::string line(const std::string &product, const std::string &version,
                     const std::string &copyright, const std::string &stem,
                     const std::string &vid = "1a86") const
    {
        return product + ";" + vid + ";e0a1;" + version + ";" + copyright + ";" +
               url("/fw/" + stem + ".bin") + ";" + url("/fw/" + stem + ".txt") + "\n";
    }

    AppDelegate &makeApp(const QUrl &listURL)
    {
        m_folder = QDir(m_temp.path()).filePath("MorvaneUpdater");
        m_app = std::make_unique<AppDelegate>(listURL, m_hid, m_folder, m_catalogueKey);
        QObject::connect(m_app.get(), &AppDelegate::infoTextChanged,
                         [this](const QString &text) { m_texts.append(text); });
        m_app->setInfoText(QStringLiteral("正在读取固件列表..."));
        return *m_app;
    }

    // Serves `list` as the catalogue, starts the fetch and waits for its outcome.
    AppDelegate &launchWith(const std::string &list, int status = 200)
    {
        m_server.setBody(listPath, list, status);
        AppDelegate &app = makeApp(QUrl(QString::fromStdString(url(listPath))));
        app.fetchFirmwareList();
        EXPECT_TRUE(waitForText([](const QString &t) {
            return t.contains("读取固件列表成功") || t.startsWith("读取固件列表失败");
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
    bool waitForUpdateToEnd()
    {
        return QTest::qWaitFor([&] { return !m_app->isUpdating(); }, 20'000);
    }

    static void selectRow(QItemSelectionModel *selection, int row)
    {
        selection->setCurrentIndex(selection->model()->index(row, 0),
                                   QItemSelectionModel::ClearAndSelect);
    }

    CatalogueServer m_server;
    SimulatedHidBackend m_hid;
    QTemporaryDir m_temp;
    QString m_folder;
    // The built-in catalogue key the next controller gets; empty: none.
    QString m_catalogueKey;
    std::unique_ptr<AppDelegate> m_app;
    // Every text the pane was given, in order.
    QStringList m_texts;
};
