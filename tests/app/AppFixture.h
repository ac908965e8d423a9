#pragma once

#include "AppDelegate.h"
#include "CatalogueServer.h"
#include "QtPrinters.h"
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
    static constexpr int waitMs = 20'000;
    static inline const std::string listPath = "/product/MORVANE_LST.txt";

    void SetUp() override
    {
        ASSERT_TRUE(m_temp.isValid());
        m_folder = QDir(m_temp.path()).filePath("MorvaneUpdater");
    }

    std::string url(const std::string &path) const { return m_server.url(path); }

    // A list-file line with firmware and notes served by the fixture's server.
    std::string line(const std::string &product, const std::string &vid, const std::string &pid,
                     const std::string &version, const std::string &copyright,
                     const std::string &stem) const
    {
        return product + ";" + vid + ";" + pid + ";" + version + ";" + copyright + ";" +
               url("/fw/" + stem + ".bin") + ";" + url("/fw/" + stem + ".txt") + "\n";
    }

    AppDelegate &makeApp(const QUrl &listURL)
    {
        m_app = std::make_unique<AppDelegate>(listURL, m_hid, m_folder);
        QObject::connect(m_app.get(), &AppDelegate::infoTextChanged,
                         [this](const QString &text) { m_texts.append(text); });
        m_app->setInfoText(QStringLiteral("正在读取固件列表..."));
        return *m_app;
    }

    // Serves `list` as the catalogue, starts the fetch and waits for its answer.
    AppDelegate &launchWith(const std::string &list)
    {
        m_server.setBody(listPath, list);
        AppDelegate &app = makeApp(QUrl(QString::fromStdString(url(listPath))));
        app.fetchFirmwareList();
        EXPECT_TRUE(waitForText([](const QString &t) {
            return t.contains("读取固件列表成功") || t.startsWith("读取固件列表失败");
        }));
        return app;
    }

    bool waitForText(const std::function<bool(const QString &)> &predicate, int timeoutMs = waitMs)
    {
        return QTest::qWaitFor([&] { return predicate(m_app->infoText()); }, timeoutMs);
    }

    bool waitForUpdateToEnd(int timeoutMs = waitMs)
    {
        return QTest::qWaitFor([&] { return !m_app->isUpdating(); }, timeoutMs);
    }

    void selectFirmwareRow(int row)
    {
        QItemSelectionModel *selection = m_app->firmwareSelection();
        selection->setCurrentIndex(selection->model()->index(row, 0),
                                   QItemSelectionModel::ClearAndSelect);
    }

    void selectProductRow(int row)
    {
        QItemSelectionModel *selection = m_app->productSelection();
        selection->setCurrentIndex(selection->model()->index(row, 0),
                                   QItemSelectionModel::ClearAndSelect);
    }

    CatalogueServer m_server;
    SimulatedHidBackend m_hid;
    QTemporaryDir m_temp;
    QString m_folder;
    std::unique_ptr<AppDelegate> m_app;
    // Every text the pane was given, in order.
    QStringList m_texts;
};
