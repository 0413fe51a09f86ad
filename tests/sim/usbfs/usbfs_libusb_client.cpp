// A plain libusb 0.1 program that knows nothing of the emulation: started
// under libumockdev-preload beside a test bed of LoopbackDevices, it checks
// what a camera program relies on. Prints one line per failed check; the
// exit code is 0 when all passed.
//
// usage: usbfs_libusb_client <expected number of devices> [--enumerate-only]
// --enumerate-only stops after enumerating, opening, claiming and closing,
// which any device allows; without it the devices must be LoopbackDevices.

#include <usb.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

namespace {

constexpr int kVendor = 0x4255;
constexpr int kProduct = 0x0001;
constexpr int kOutEndpoint = 0x01;
constexpr int kInEndpoint = 0x81;
constexpr int kReadBufferSize = 524288;
constexpr int kTimeoutMs = 2000;
constexpr int kShortTimeoutMs = 200;

// usb.h declares a function named usb_device that hides the struct's name.
using UsbDevice = struct usb_device;

int failures = 0;

void check(bool passed, const std::string &what)
{
    if (!passed) {
        ++failures;
        std::printf("FAILED: %s\n", what.c_str());
    }
}

std::vector<char> pattern(std::size_t length)
{
    std::vector<char> bytes(length);
    for (std::size_t i = 0; i < length; ++i)
        bytes[i] = static_cast<char>(i & 0xFF);
    return bytes;
}

std::vector<UsbDevice *> findDevices()
{
    usb_init();
    usb_find_busses();
    usb_find_devices();
    std::vector<UsbDevice *> found;
    for (usb_bus *bus = usb_get_busses(); bus; bus = bus->next) {
        for (UsbDevice *device = bus->devices; device; device = device->next) {
            if (device->descriptor.idVendor == kVendor && device->descriptor.idProduct == kProduct)
                found.push_back(device);
        }
    }
    return found;
}

void checkEndpoints(UsbDevice *device)
{
    check(device->config != nullptr, "configuration descriptor read");
    if (!device->config)
        return;
    const usb_interface_descriptor &setting = device->config[0].interface[0].altsetting[0];
    check(device->config[0].bConfigurationValue == 1, "configuration 1");
    check(setting.bNumEndpoints == 2 && setting.endpoint[0].bEndpointAddress == kOutEndpoint &&
              setting.endpoint[1].bEndpointAddress == kInEndpoint,
          "bulk OUT 0x01 and IN 0x81");
}

usb_dev_handle *openAndClaim(UsbDevice *device)
{
    usb_dev_handle *handle = usb_open(device);
    check(handle != nullptr, "usb_open");
    if (!handle)
        return nullptr;
    check(usb_set_configuration(handle, 1) == 0, "usb_set_configuration(1)");
    check(usb_claim_interface(handle, 0) == 0, "usb_claim_interface(0)");
    check(usb_set_altinterface(handle, 0) == 0, "usb_set_altinterface(0)");
    return handle;
}

int write(usb_dev_handle *handle, const std::string &bytes)
{
    return usb_bulk_write(handle, kOutEndpoint, const_cast<char *>(bytes.data()), static_cast<int>(bytes.size()),
                          kTimeoutMs);
}

std::string read(usb_dev_handle *handle, int timeoutMs, int &result)
{
    std::vector<char> buffer(kReadBufferSize);
    result = usb_bulk_read(handle, kInEndpoint, buffer.data(), kReadBufferSize, timeoutMs);
    return std::string(buffer.data(), result > 0 ? static_cast<std::size_t>(result) : 0);
}

void checkRoundTrip(usb_dev_handle *handle, const std::string &request, const std::string &expected,
                    const std::string &what)
{
    check(write(handle, request) == static_cast<int>(request.size()), what + ": write");
    int result = 0;
    const std::string answer = read(handle, kTimeoutMs, result);
    check(result == static_cast<int>(expected.size()),
          what + ": read gave " + std::to_string(result) + ", expected " + std::to_string(expected.size()));
    check(answer == expected, what + ": answer bytes");
}

void checkTimeOut(usb_dev_handle *handle, const std::string &what)
{
    const auto start = std::chrono::steady_clock::now();
    int result = 0;
    read(handle, kShortTimeoutMs, result);
    const auto elapsed = std::chrono::steady_clock::now() - start;
    check(result == -ETIMEDOUT, what + ": read gave " + std::to_string(result) + ", expected -ETIMEDOUT");
    check(elapsed >= std::chrono::milliseconds(kShortTimeoutMs - 10), what + ": returned before its time-out");
}

// The way a device library uses a handle: one thread reads for ever while
// another writes requests.
void checkConcurrentReader(usb_dev_handle *handle)
{
    constexpr int kRequests = 24;
    std::vector<std::string> requests;
    for (int i = 0; i < kRequests; ++i)
        requests.push_back(std::string(static_cast<std::size_t>(1 + i * 1500), static_cast<char>('a' + i)));

    std::atomic<bool> stop{false};
    std::atomic<std::size_t> received{0};
    std::vector<std::string> answers;
    std::thread reader([&] {
        while (!stop && answers.size() < requests.size()) {
            int result = 0;
            std::string answer = read(handle, 500, result);
            if (result > 0) {
                answers.push_back(answer);
                received = answers.size();
            }
        }
    });
    for (const auto &request : requests) {
        check(write(handle, request) == static_cast<int>(request.size()), "concurrent write");
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (received < requests.size() && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    stop = true;
    reader.join();
    check(answers == requests, "concurrent reader got every answer in order");
}

std::string patternText(std::size_t length)
{
    const std::vector<char> bytes = pattern(length);
    return std::string(bytes.begin(), bytes.end());
}

} // namespace

int main(int argc, char **argv)
{
    const std::size_t expectedDevices = argc > 1 ? std::strtoul(argv[1], nullptr, 10) : 2;
    const bool enumerateOnly = argc > 2 && std::strcmp(argv[2], "--enumerate-only") == 0;
    const std::vector<UsbDevice *> devices = findDevices();
    check(devices.size() == expectedDevices, "found " + std::to_string(devices.size()) + " devices");
    for (UsbDevice *device : devices)
        checkEndpoints(device);
    if (enumerateOnly) {
        for (UsbDevice *device : devices) {
            if (usb_dev_handle *handle = openAndClaim(device)) {
                check(usb_release_interface(handle, 0) == 0, "usb_release_interface(0)");
                check(usb_close(handle) == 0, "usb_close");
            }
        }
        std::printf("%d failures\n", failures);
        return failures == 0 ? 0 : 1;
    }
    if (devices.size() < 2) {
        std::printf("%d failures\n", failures);
        return 1;
    }

    usb_dev_handle *first = openAndClaim(devices[0]);
    usb_dev_handle *second = openAndClaim(devices[1]);
    if (!first || !second)
        return 1;

    checkRoundTrip(first, "hello first", "hello first", "short echo on device 0");
    checkRoundTrip(second, "hello second", "hello second", "short echo on device 1");

    check(write(first, "only the first answers") > 0, "write to device 0 only");
    checkTimeOut(second, "device 1 stays silent");
    int result = 0;
    check(read(first, kTimeoutMs, result) == "only the first answers", "device 0 answered");
    checkTimeOut(first, "nothing queued");
    checkRoundTrip(first, "after a time-out", "after a time-out", "no stale completion after a time-out");

    checkRoundTrip(first, "BIG:16384", patternText(16384), "answer of exactly one URB");
    checkRoundTrip(first, "BIG:49152", patternText(49152), "answer of exactly three URBs");
    checkRoundTrip(first, "BIG:300000", patternText(300000), "large answer");
    checkRoundTrip(second, "BIG:1000", patternText(1000), "answer of whole and part packets");
    checkRoundTrip(first, patternText(16384), patternText(16384), "write of exactly one URB");
    checkRoundTrip(first, patternText(40000), patternText(40000), "write of several URBs");
    checkRoundTrip(first, "last", "last", "echo after the large transfers");

    checkConcurrentReader(second);

    for (usb_dev_handle *handle : std::vector<usb_dev_handle *>{first, second}) {
        check(usb_resetep(handle, kOutEndpoint) == 0, "usb_resetep(OUT)");
        check(usb_resetep(handle, kInEndpoint) == 0, "usb_resetep(IN)");
        check(usb_release_interface(handle, 0) == 0, "usb_release_interface(0)");
        check(usb_close(handle) == 0, "usb_close");
    }
    std::printf("%d failures\n", failures);
    return failures == 0 ? 0 : 1;
}
