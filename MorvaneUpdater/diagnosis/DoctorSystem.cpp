#include "diagnosis/DoctorSystem.h"

#include "bootloader/DeviceWatcher.h"

#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>

DataFolderFacts dataFolderFacts(const QString &folder)
{
    DataFolderFacts facts{folder, QDir::cleanPath(QFileInfo(folder).absoluteFilePath())};
    while (!QFileInfo::exists(facts.existing) && !QDir(facts.existing).isRoot()) {
        facts.existing = QFileInfo(facts.existing).absolutePath();
    }
    const QFileInfo existing(facts.existing);
    facts.existingIsFolder = existing.isDir();
    facts.writable = existing.isWritable();
    const QStorageInfo storage(facts.existing);
    facts.availableBytes = storage.isValid() ? storage.bytesAvailable() : -1;
    return facts;
}

PermissionFacts permissionFacts(HidBackend &hid, UsbIds ids)
{
    PermissionFacts facts{ids, installedUdevRules(QStringLiteral("/")), {}, sessionFacts()};
    for (const HidDeviceInfo &info : hid.attachedDevices()) {
        if (UsbIds{info.vendorID, info.productID} != ids) {
            continue;
        }
        if (const int32_t code = probeOpen(hid, info.path); code != 0) {
            facts.devices.push_back({info, code, deviceNodeFacts(info.path)});
        }
    }
    return facts;
}
