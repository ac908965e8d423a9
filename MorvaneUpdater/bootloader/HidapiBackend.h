#pragma once

#include "bootloader/HidBackend.h"

// The real HID stack through hidapi (hidraw on Linux, IOKit on macOS).
class HidapiBackend final : public HidBackend
{
public:
    HidapiBackend();
    ~HidapiBackend() override;
    HidapiBackend(const HidapiBackend &) = delete;
    HidapiBackend &operator=(const HidapiBackend &) = delete;

    std::vector<std::unique_ptr<HidDevice>> devices(int64_t vendorID, int64_t productID) override;
    std::vector<HidDeviceInfo> attachedDevices() override;
    std::unique_ptr<HidDevice> deviceAt(const std::string &path) override;
};
