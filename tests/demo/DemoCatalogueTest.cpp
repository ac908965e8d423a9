#include "AppFixture.h"
#include "DemoEnvironment.h"
#include "trust/ImageDigest.h"

#include <QFile>

using DemoCatalogue = AppFixture;

// The sample catalogue is what a newcomer sees first: its signature must hold under the demo
// key, every version must have its notes and its image, every image but the preview build's
// its digest, and every model but the D1 Dongle a device to flash.
TEST_F(DemoCatalogue, EveryVersionHasNotesAnImageAndAllButOneModelADevice)
{
    publishDemoCatalogue(m_server);
    const std::vector<DemoDevice> devices = attachDemoDevices(m_hid);
    m_catalogueKey = demoCatalogueKey();
    AppDelegate &app = makeApp(QUrl(QString::fromStdString(url(listPath))));
    app.fetchFirmwareList();
    ASSERT_TRUE(waitForText([](const QString &t) { return t.contains("读取固件列表成功"); }));
    EXPECT_EQ(app.products().size(), 4);

    for (const FirmwareItem &item : app.allItems()) {
        SCOPED_TRACE(item.version.toStdString());
        EXPECT_TRUE(m_server.serves(QUrl(item.firmwareURL).path().toStdString()));
        QFile image(":/demo/catalogue/firmware/" + QUrl(item.firmwareURL).fileName());
        ASSERT_TRUE(image.open(QIODevice::ReadOnly));
        EXPECT_EQ(imageDigestMismatch(parseImageDigest(item.digest), image.readAll()).has_value(),
                  item.version == "V0.9.8 beta");
        const bool attached =
            !m_hid.devices(item.vid.toInt(nullptr, 16), item.pid.toInt(nullptr, 16)).empty();
        EXPECT_EQ(attached, item.product != "MORVANE D1 Dongle");
    }
    for (int row = 0; row < app.products().size(); ++row) {
        selectRow(app.productSelection(), row);
        for (int version = 0; version < app.numberOfRows(AppDelegate::Table::firmware); ++version) {
            chooseVersion(version);
            EXPECT_FALSE(app.infoText().contains(QStringLiteral("固件说明读取失败")));
            EXPECT_FALSE(app.infoText().contains(QStringLiteral("没有读取到固件说明")));
        }
    }

    // The demo's device window has a switch for every model, under the name the list shows;
    // the D1 Dongle's plugs it in.
    QStringList names;
    QStringList shown;
    for (const DemoDevice &device : devices) {
        names.append(device.name);
        shown.append(app.tableView(AppDelegate::Table::product, int(shown.size())).title);
    }
    EXPECT_EQ(names, shown);
    m_hid.attach(devices.back().device);
    EXPECT_EQ(m_hid.devices(0x1209, 0x0004).size(), 1u);
}
