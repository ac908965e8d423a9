#pragma once

#include "CatalogueServer.h"
#include "SimulatedHidBackend.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>
#include <string>

// A real HTTP server on loopback, simulated HID devices and a temporary folder: what the
// window's controller and the command line both run against.
class ServedDevicesFixture : public ::testing::Test
{
protected:
    std::string url(const std::string &path) const { return m_server.url(path); }
    // An address on which nothing listens any more: the connection is refused.
    static std::string refusedUrl(const std::string &path) { return CatalogueServer().url(path); }
    QString inTemp(const QString &name) const { return QDir(m_temp.path()).filePath(name); }
    // `size` bytes of image, no two neighbours alike.
    static std::string imageOf(std::size_t size)
    {
        std::string image(size, '\0');
        for (std::size_t i = 0; i < size; ++i) {
            image[i] = char(uint8_t(3 + i * 7));
        }
        return image;
    }

    std::shared_ptr<SimulatedBootloaderDevice>
    attachDevice(SimulatedBootloaderDevice::Behaviour behaviour = {}, uint16_t vendorID = 0x1A86,
                 uint16_t productID = 0xE0A1)
    {
        auto device =
            std::make_shared<SimulatedBootloaderDevice>(vendorID, productID, std::move(behaviour));
        m_hid.attach(device);
        return device;
    }

    CatalogueServer m_server;
    SimulatedHidBackend m_hid;
    QTemporaryDir m_temp;
};
