#include "AppFixture.h"
#include "app/CatalogueRoles.h"
#include "bootloader/OpenFailureHelp.h"

#include <QSignalSpy>
#include <QTimer>
#include <cerrno>

using Behaviour = SimulatedBootloaderDevice::Behaviour;

namespace {

AttachedDevice attached(uint16_t vendorID, uint16_t productID, int32_t openCode = 0)
{
    static int node = 0;
    return {{.path = "/dev/hidraw" + std::to_string(node++),
             .vendorID = vendorID,
             .productID = productID},
            openCode};
}

const QString permissionHelp = QString::fromStdString(*openPermissionHelp(EACCES));

} // namespace

// Single devices, other models and "may not open" are the rows test's; here, the counts and
// the help for another open failure than a denied one.
TEST(DeviceMarkTest, CountsTheModelsDevicesAndTellsWhyOneCannotBeOpened)
{
    const std::vector<UsbIds> model{{0x1A86, 0xE0A1}, {0x1A86, 0xE0A5}};
    const DeviceMark mark = deviceMarkOf({attached(0x1A86, 0xE0A1), attached(0x1A86, 0xE0A1, EBUSY),
                                          attached(0x1A86, 0xE0A5, EACCES)},
                                         model);
    EXPECT_EQ(mark, (DeviceMark{3, 2, EBUSY}));
    EXPECT_EQ(deviceMarkDescription(mark), "3 devices attached, 2 of them this user may not open");
    EXPECT_EQ(deviceMarkHelp(mark),
              QStringLiteral("Unable to open HID device. IOKit code: %1.").arg(EBUSY));
}

class DeviceMarks : public AppFixture
{
protected:
    std::string line(const std::string &product, const std::string &ids,
                     const std::string &version = "V1") const
    {
        return product + ";" + ids + ";" + version + ";c;" + url("/fw/" + version + ".bin") + ";" +
               url("/fw/" + version + ".txt") + "\n";
    }

    // The watcher hears of every plug at once through the simulator's monitor. Returns once
    // the first version's notes are shown.
    AppDelegate &launchWatching(const std::string &list)
    {
        m_server.setBody(listPath, list);
        m_server.setBody("/fw/V1.txt", "notes");
        AppDelegate &app = makeApp(QUrl(QString::fromStdString(url(listPath))));
        app.watchDevices(m_hid.hotplugMonitor());
        app.fetchFirmwareList();
        EXPECT_TRUE(waitForText([](const QString &t) { return t.endsWith("notes"); }));
        return app;
    }

    QVariant rowData(int row, int role) const
    {
        return m_app->productModel()->index(row).data(role);
    }
    // Per row: attached devices, then those this user may not open.
    std::vector<std::pair<int, int>> marks() const
    {
        std::vector<std::pair<int, int>> all;
        for (int row = 0; row < m_app->productModel()->rowCount(); ++row) {
            all.emplace_back(rowData(row, CatalogueRoles::AttachedCountRole).toInt(),
                             rowData(row, CatalogueRoles::UnopenableCountRole).toInt());
        }
        return all;
    }
    bool waitForMarks(const std::vector<std::pair<int, int>> &expected)
    {
        return QTest::qWaitFor([&] { return marks() == expected; }, 20'000);
    }
};

TEST_F(DeviceMarks, RowsFollowDevicesAsTheyComeAndGo)
{
    AppDelegate &app =
        launchWatching(line("MORVANE X1", "1a86;e0a1") + line("MORVANE X1", "1a86;e0a5", "V0") +
                       line("MORVANE Y2", "1a86;e0a2") + line("MORVANE Z0", "0;e0a3") +
                       line("MORVANE W", "1a86;1e0a4"));
    ASSERT_EQ(app.products().size(), 4);
    EXPECT_EQ(app.attachedDevices()->mode(), DeviceWatcher::Mode::events);

    const auto first = attachDevice({}, 0x1A86, 0xE0A1);
    attachDevice({}, 0x1A86, 0xE0A5);
    ASSERT_TRUE(waitForMarks({{2, 0}, {0, 0}, {0, 0}, {0, 0}})) << marks().front().first;
    attachDevice(behaviourWith(&Behaviour::openFailure, std::optional<int32_t>(EACCES)), 0x1A86,
                 0xE0A2);
    // Ids of 0, or that fit 16 bits only once cut, mark nothing.
    attachDevice({}, 0x0000, 0xE0A3);
    attachDevice({}, 0x1A86, 0xE0A4);
    ASSERT_TRUE(waitForMarks({{2, 0}, {1, 1}, {0, 0}, {0, 0}}));
    m_hid.detach(first);
    ASSERT_TRUE(waitForMarks({{1, 0}, {1, 1}, {0, 0}, {0, 0}}));
    m_hid.attach(first);
    ASSERT_TRUE(waitForMarks({{2, 0}, {1, 1}, {0, 0}, {0, 0}}));

    // The texts beside the marks (how tooltips wrap is the cell's test's; they send nobody to a
    // manual page); the names and the first model's choice are as they were.
    EXPECT_EQ(rowData(0, Qt::DisplayRole).toString(), "X1");
    EXPECT_EQ(rowData(0, Qt::AccessibleDescriptionRole).toString(), "2 devices attached");
    EXPECT_EQ(rowData(1, Qt::AccessibleDescriptionRole).toString(),
              "Device attached, but this user may not open it. " + permissionHelp);
    EXPECT_EQ(rowData(1, Qt::ToolTipRole).toString(),
              "Y2\nDevice attached, but this user may not open it\n" +
                  QString::fromStdString(*openPermissionHelp(EACCES, ManualPage::omitted)));
    EXPECT_EQ(rowData(2, Qt::AccessibleDescriptionRole).toString(), "");
    EXPECT_EQ(app.selectedProduct(), "MORVANE X1");
}

TEST_F(DeviceMarks, AnUpdateReadsTheSameWhileDevicesComeAndGo)
{
    // Two pages: 32 paced reports, about 1.6 s of transfer for the devices to come and go in.
    const std::string image(2000, '\x5A');
    m_server.setBody("/fw/V1.bin", image);
    const auto target = attachDevice();
    AppDelegate &app =
        launchWatching(line("MORVANE X1", "1a86;e0a1") + line("MORVANE Y2", "1a86;e0a2"));
    ASSERT_TRUE(waitForMarks({{1, 0}, {0, 0}}));
    QSignalSpy buttonStates(&app, &AppDelegate::updateEnabledChanged);
    QSignalSpy markChanges(app.attachedDevices(), &AttachedDevices::changed);

    // Another device of the same model and one of another come and go all through it.
    const auto sameModel = std::make_shared<SimulatedBootloaderDevice>(0x1A86, 0xE0A1);
    const auto otherModel = std::make_shared<SimulatedBootloaderDevice>(0x1A86, 0xE0A2);
    QTimer plugging;
    QObject::connect(&plugging, &QTimer::timeout, [&] {
        for (const auto &device : {sameModel, otherModel}) {
            if (m_hid.isAttached(device)) {
                m_hid.detach(device);
            } else {
                m_hid.attach(device);
            }
        }
    });
    plugging.start(25);
    const QStringList lines = runUpdate();
    plugging.stop();

    EXPECT_EQ(lines, (QStringList{"", "Preparing to update MORVANE X1 V1...", "MORVANE X1 found.",
                                  "Firmware downloaded: V1", "Starting firmware transfer...",
                                  "Update progress: 100%", "Update completed."}));
    EXPECT_EQ(buttonStates.size(), 2);
    EXPECT_EQ(buttonStates.value(0).value(0).toBool(), false);
    EXPECT_EQ(buttonStates.value(1).value(0).toBool(), true);
    const std::vector<uint8_t> received = target->receivedImage();
    EXPECT_EQ(std::string(received.begin(), received.end()), image + std::string(48, '\0'));
    EXPECT_GT(markChanges.size(), 4);
}
