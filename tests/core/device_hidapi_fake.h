#pragma once

// A stand-in for the hidapi library, linked into the tests in its place: the
// same hid_* functions, answering from a script the test fills in.

#include <cstdint>
#include <deque>
#include <string>
#include <vector>

namespace orvik::test {

struct FakeHid {
    struct Device {
        std::uint16_t vendorId;
        std::uint16_t productId;
        std::string path;
        std::wstring serialNumber;
    };

    // What the library answers.
    std::vector<Device> devices;
    int openErrno = 0;                             // not 0: hid_open_path fails with it
    bool openFails = false;                        // hid_open_path fails, errno left as it is
    std::deque<std::vector<std::uint8_t>> reports; // handed over by hid_read_timeout
    std::deque<std::vector<std::uint8_t>> answers; // one joins the reports at each write
    int readResult = 0;                            // when no report waits: 0 (timeout) or -1
    int writeResult = -2;                          // -2: every byte went
    int unplugAt = -1;  // not -1: that write, from 0, removes the first device's path and fails
    std::wstring error; // what hid_error says

    // What the library was asked.
    std::vector<std::vector<std::uint8_t>> written;
    std::vector<int> readLengths;
    std::vector<int> timeouts;
    int closes = 0;
};

// The script of the running test; reset by each FakeHidTest.
FakeHid& fakeHid();

} // namespace orvik::test
