#pragma once

#include "SimulatedBootloaderDevice.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// hidapi's C functions (hid_init, hid_exit, hid_enumerate, hid_free_enumeration,
// hid_open_path, hid_write, hid_read_timeout, hid_close, and on macOS
// hid_darwin_set_open_exclusive) for the tests of the hidapi backend: linked instead of the
// real library, they record every call and let simulated bootloader devices answer under
// made-up paths. Like hidapi itself the state is global.
namespace FakeHidapi {

struct Call
{
    std::string function = {};
    std::string path = {};           // hid_open_path
    int vendorID = 0;                // hid_enumerate
    int productID = 0;               // hid_enumerate
    std::vector<uint8_t> bytes = {}; // hid_write: exactly what was passed
    std::size_t length = 0;          // hid_read_timeout: the buffer size
    int milliseconds = 0;            // hid_read_timeout
    const void *device = nullptr;    // the handle, for calls that take one
    int openExclusive = -1;          // hid_darwin_set_open_exclusive
};

struct Faults
{
    int initResult = 0;
    int openErrno = 0;                   // hid_open_path fails, errno set to this
    std::optional<int> writeResult = {}; // hid_write delivers, then returns this with writeErrno
    int writeErrno = 0;
    int readErrno = 0; // hid_read_timeout fails at once, errno set to this
};

// What hid_enumerate tells of a device besides its path and ids.
struct Strings
{
    std::wstring serialNumber = {};
    std::wstring manufacturer = {};
    std::wstring product = {};
};

// No devices, no calls, no faults.
void reset();
void attach(const std::string &path, std::shared_ptr<SimulatedBootloaderDevice> device,
            Strings strings = {});
void setFaults(const Faults &faults);

std::vector<Call> calls();
std::size_t count(std::string_view function);
// Handles opened and not yet closed; enumerations not yet freed.
int openHandles();
int liveEnumerations();
// Calls that touch hidapi's global state (init, exit, enumerate, open, close) made while
// another such call was still running on another thread.
std::size_t overlappingGlobalCalls();

// For the platform-only functions (FakeHidapiDarwin.cpp), which are recorded like the rest.
void recordPlatformCall(Call call);

} // namespace FakeHidapi
