#include "DemoEnvironment.h"

#include "CatalogueServer.h"
#include "MinisignSigner.h"
#include "PlannedDevices.h"
#include "SimulatedHidBackend.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QStandardPaths>
#include <QString>
#include <memory>
#include <stdexcept>

namespace {

struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(DemoEnvironment)
};

const QString catalogueRoot = QStringLiteral(":/demo/catalogue");
const QString demoKeyRoot = QStringLiteral(":/demo/keys/demo-only");
const QString demoStandbyKey = QStringLiteral(":/demo/keys/demo-standby.pub");

QByteArray readResource(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        throw std::runtime_error("demo resource missing: " + path.toStdString());
    }
    return file.readAll();
}

void publishFolder(CatalogueServer &server, const QString &folder, const std::string &urlPrefix)
{
    QDirIterator files(catalogueRoot + QLatin1Char('/') + folder, QDir::Files);
    while (files.hasNext()) {
        files.next();
        server.setBody(urlPrefix + files.fileName().toStdString(),
                       readResource(files.filePath()).toStdString());
    }
}

// Points the first line's digest at `image` and answers the path its firmware address names.
std::string replaceFirstImage(QByteArray &list, const QByteArray &image)
{
    const qsizetype lineEnd = list.indexOf('\n');
    QList<QByteArray> fields = list.first(lineEnd < 0 ? list.size() : lineEnd).split(';');
    const QByteArray base = "{{BASE}}";
    if (fields.size() < 8 || !fields[5].startsWith(base) || !fields[7].startsWith("sha256:")) {
        throw std::runtime_error("demo MORVANE_LST.txt: the first line has no image to replace");
    }
    fields[7] = "sha256:" + QCryptographicHash::hash(image, QCryptographicHash::Sha256).toHex();
    list.replace(0, lineEnd < 0 ? list.size() : lineEnd, fields.join(';'));
    return fields[5].sliced(base.size()).toStdString();
}

} // namespace

void publishDemoCatalogue(CatalogueServer &server, const std::optional<QByteArray> &firstImage)
{
    QByteArray list = readResource(catalogueRoot + QStringLiteral("/MORVANE_LST.txt"));
    const std::string firstImagePath = firstImage ? replaceFirstImage(list, *firstImage) : "";
    list.replace("{{BASE}}", QByteArray::fromStdString(server.baseUrl()));
    server.setBody("/product/MORVANE_LST.txt", list.toStdString());
    const std::optional<MinisignSecretKey> key =
        parseMinisignSecretKey(readResource(demoKeyRoot + QStringLiteral(".key"))).key;
    if (!key) {
        throw std::runtime_error("demo signing key unreadable");
    }
    // Signed now, as minisign signs by default: each run's list is newer than the last.
    const QByteArray comment =
        "timestamp:" + QByteArray::number(QDateTime::currentSecsSinceEpoch()) +
        "\tfile:MORVANE_LST.txt\tdemo catalogue";
    server.setBody("/product/MORVANE_LST.txt.minisig",
                   minisignSign(list, *key, comment).toStdString());
    publishFolder(server, QStringLiteral("notes"), "/notes/");
    publishFolder(server, QStringLiteral("firmware"), "/fw/");
    if (firstImage) {
        server.setBody(firstImagePath, firstImage->toStdString());
    }
}

QString demoCatalogueKey()
{
    return QString::fromLatin1(readResource(demoKeyRoot + QStringLiteral(".pub")) +
                               readResource(demoStandbyKey));
}

std::vector<DemoDevice> attachDemoDevices(SimulatedHidBackend &hid, const std::string &nodeFolder)
{
    const QString lines =
        QString::fromUtf8(readResource(catalogueRoot + QStringLiteral("/devices.txt")));
    std::vector<DemoDevice> devices;
    for (const QString &line : lines.split(QLatin1Char('\n'))) {
        const QString entry = line.trimmed();
        if (entry.isEmpty() || entry.startsWith(QLatin1Char('#'))) {
            continue;
        }
        const QStringList fields = entry.split(QLatin1Char(';'));
        bool vendorOk = false;
        bool productOk = false;
        const uint vendorID = fields.value(0).toUInt(&vendorOk, 16);
        const uint productID = fields.value(1).toUInt(&productOk, 16);
        const bool unplugged = fields.value(3) == QStringLiteral("unplugged");
        if (fields.size() < 3 || fields.size() > 4 || (fields.size() == 4 && !unplugged) ||
            !vendorOk || !productOk || vendorID > 0xFFFF || productID > 0xFFFF) {
            throw std::runtime_error("demo devices.txt: bad line: " + entry.toStdString());
        }
        SimulatedBootloaderDevice::Behaviour behaviour;
        behaviour.nodeFolder = nodeFolder;
        auto device = std::make_shared<SimulatedBootloaderDevice>(
            uint16_t(vendorID), uint16_t(productID), std::move(behaviour));
        if (!unplugged) {
            hid.attach(device);
        }
        devices.push_back({fields.at(2), std::move(device)});
    }
    return devices;
}

std::string demoNodeFolder()
{
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    const QString folder = QDir(runtime).filePath(QStringLiteral("morvane-simulator"));
    if (runtime.isEmpty() || !QDir().mkpath(folder)) {
        throw std::runtime_error(
            Texts::tr("cannot make the simulated devices' folder %1").arg(folder).toStdString());
    }
    return folder.toStdString();
}
