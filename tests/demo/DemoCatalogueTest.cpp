#include "AppDelegate.h"
#include "CatalogueServer.h"
#include "DemoEnvironment.h"
#include "ImageDigest.h"
#include "SimulatedHidBackend.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

// The sample catalogue is what a newcomer sees first: its signature must hold under the demo
// key, every version must have its notes and its image, every image but the preview build's
// its digest, and every model but the D1 Dongle a device to flash.
TEST(DemoCatalogue, EveryVersionHasNotesAnImageAndAllButOneModelADevice)
{
    CatalogueServer server;
    publishDemoCatalogue(server);
    SimulatedHidBackend hid;
    attachDemoDevices(hid);
    QTemporaryDir folder;
    AppDelegate app(QUrl(QString::fromStdString(server.url("/product/MORVANE_LST.txt"))), hid,
                    folder.path(), demoCatalogueKey());
    app.fetchFirmwareList();
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return app.infoText().contains("读取固件列表成功"); }, 20'000));
    EXPECT_EQ(app.products().size(), 4);

    for (const FirmwareItem &item : app.allItems()) {
        SCOPED_TRACE(item.version.toStdString());
        EXPECT_TRUE(server.serves(item.firmwareURL.path().toStdString()));
        QFile image(":/demo/catalogue/firmware/" + item.firmwareURL.fileName());
        ASSERT_TRUE(image.open(QIODevice::ReadOnly));
        EXPECT_EQ(imageDigestMismatch(parseImageDigest(item.digest), image.readAll()).has_value(),
                  item.version == "V0.9.8 beta");
        const bool attached =
            !hid.devices(item.vid.toInt(nullptr, 16), item.pid.toInt(nullptr, 16)).empty();
        EXPECT_EQ(attached, item.product != "MORVANE D1 Dongle");
    }
    for (int row = 0; row < app.products().size(); ++row) {
        app.productSelection()->setCurrentIndex(app.productModel()->index(row, 0),
                                                QItemSelectionModel::ClearAndSelect);
        for (int version = 0; version < app.numberOfRows(AppDelegate::Table::firmware); ++version) {
            app.firmwareSelection()->setCurrentIndex(app.firmwareModel()->index(version, 0),
                                                     QItemSelectionModel::ClearAndSelect);
            ASSERT_TRUE(QTest::qWaitFor(
                [&] { return !app.infoText().endsWith(QStringLiteral("正在读取固件说明...")); },
                20'000));
            EXPECT_FALSE(app.infoText().contains(QStringLiteral("固件说明读取失败")));
            EXPECT_FALSE(app.infoText().contains(QStringLiteral("没有读取到固件说明")));
        }
    }
}
