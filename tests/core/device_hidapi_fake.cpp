#include "device_hidapi_fake.h"

#include <hidapi.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>

namespace orvik::test {

FakeHid& fakeHid()
{
    static FakeHid script;
    return script;
}

} // namespace orvik::test

using orvik::test::fakeHid;

namespace {

// The one device the fake opens; hidapi's handle is opaque to its callers.
char theDevice;

hid_device* handle()
{
    return reinterpret_cast<hid_device*>(&theDevice);
}

} // namespace

extern "C" {

int hid_init(void)
{
    return 0;
}

int hid_exit(void)
{
    return 0;
}

hid_device_info* hid_enumerate(unsigned short, unsigned short)
{
    hid_device_info* first = nullptr;
    hid_device_info** next = &first;
    for (const auto& d : fakeHid().devices) {
        auto* info = new hid_device_info{};
        info->path = new char[d.path.size() + 1];
        std::copy(d.path.c_str(), d.path.c_str() + d.path.size() + 1, info->path);
        info->vendor_id = d.vendorId;
        info->product_id = d.productId;
        if (!d.serialNumber.empty()) {
            info->serial_number = new wchar_t[d.serialNumber.size() + 1];
            std::copy(d.serialNumber.c_str(), d.serialNumber.c_str() + d.serialNumber.size() + 1,
                      info->serial_number);
        }
        *next = info;
        next = &info->next;
    }
    return first;
}

void hid_free_enumeration(hid_device_info* devs)
{
    while (devs) {
        hid_device_info* next = devs->next;
        delete[] devs->path;
        delete[] devs->serial_number;
        delete devs;
        devs = next;
    }
}

hid_device* hid_open_path(const char*)
{
    if (fakeHid().openErrno != 0) {
        errno = fakeHid().openErrno;
        return nullptr;
    }
    if (fakeHid().openFails)
        return nullptr;
    return handle();
}

int hid_write(hid_device* dev, const unsigned char* data, size_t length)
{
    if (dev != handle())
        return -1;
    fakeHid().written.emplace_back(data, data + length);
    if (static_cast<int>(fakeHid().written.size()) == fakeHid().unplugAt + 1) {
        std::remove(fakeHid().devices.front().path.c_str());
        return -1;
    }
    if (!fakeHid().answers.empty()) {
        fakeHid().reports.push_back(fakeHid().answers.front());
        fakeHid().answers.pop_front();
    }
    return fakeHid().writeResult == -2 ? static_cast<int>(length) : fakeHid().writeResult;
}

int hid_read_timeout(hid_device* dev, unsigned char* data, size_t length, int milliseconds)
{
    if (dev != handle())
        return -1;
    fakeHid().readLengths.push_back(static_cast<int>(length));
    fakeHid().timeouts.push_back(milliseconds);
    if (fakeHid().reports.empty())
        return fakeHid().readResult;
    const std::vector<std::uint8_t> report = fakeHid().reports.front();
    fakeHid().reports.pop_front();
    const std::size_t n = std::min(report.size(), length);
    std::copy_n(report.begin(), n, data);
    return static_cast<int>(n);
}

void hid_close(hid_device* dev)
{
    if (dev == handle())
        ++fakeHid().closes;
}

const wchar_t* hid_error(hid_device*)
{
    return fakeHid().error.empty() ? nullptr : fakeHid().error.c_str();
}

} // extern "C"
