#include "DeviceTable.h"

#include "DeviceRec.h"
#include "LibraryContext.h"
#include "PlatformPort.h"
#include "ReaderArguments.h"
#include "ReceiveDispatch.h"

#include <usb.h>

#include <cerrno>
#include <cstdarg>
#include <cstdint>
#include <cstdio>
#include <vector>

namespace {

constexpr int ConfigurationNumber = 1;
constexpr int InterfaceNumber = 0;
constexpr int AlternateSetting = 0;
constexpr std::uint8_t DirectionInBit = 0x80;
constexpr int TimedOut = -ETIMEDOUT;

// The transport's trace goes to standard output, one line per message.
void printLine(const char *format, ...)
{
    va_list arguments;
    va_start(arguments, format);
    std::vprintf(format, arguments);
    va_end(arguments);
    std::putchar('\n');
    std::fflush(stdout);
}

void printUsbError()
{
    printLine("%s", usb_strerror());
}

void appendLittleEndian(std::vector<unsigned char> &bytes, std::uint32_t value, int size)
{
    for (int i = 0; i < size; ++i)
        bytes.push_back(static_cast<unsigned char>(value >> (8 * i)));
}

// A command header asking for command 39; the camera needs no answer to it.
std::vector<unsigned char> probePacket()
{
    std::vector<unsigned char> packet;
    appendLittleEndian(packet, 20, 4);
    appendLittleEndian(packet, 0, 4);
    appendLittleEndian(packet, 39, 4);
    appendLittleEndian(packet, 39, 4);
    appendLittleEndian(packet, 0x0001, 2);
    appendLittleEndian(packet, 0, 1);
    appendLittleEndian(packet, 0, 1);
    return packet;
}

const usb_interface_descriptor *firstAlternateSetting(const struct usb_device *device)
{
    const usb_config_descriptor *configuration = device->config;
    if (!configuration || device->descriptor.bNumConfigurations == 0 || configuration->bNumInterfaces == 0)
        return nullptr;
    const usb_interface *interface = configuration->interface;
    if (!interface || interface->num_altsetting <= 0)
        return nullptr;
    return interface->altsetting;
}

bool isCamera(const struct usb_device *device)
{
    return device->descriptor.idVendor == DeviceTable::VendorId
        && device->descriptor.idProduct == DeviceTable::ProductId;
}

} // namespace

DeviceTable &DeviceTable::instance()
{
    // Never destroyed: reader threads may still run while the process exits.
    static DeviceTable *table = new DeviceTable;
    return *table;
}

// Every reader hands its packets to the protocol layer's dispatch.
DeviceTable::DeviceTable()
    : receive_(&ReceiveDispatch::OnReceive), context_(&LibraryContext::instance())
{
    usb_init();
}

DeviceTable::~DeviceTable() = default;

void DeviceTable::setReceiver(ReceiveFn receive, LibraryContext *context)
{
    receive_ = receive;
    context_ = context;
}

DeviceRec *DeviceTable::find(int index) const
{
    const auto found = records_.find(index);
    if (found == records_.end()) {
        printLine("index key not exist!");
        return nullptr;
    }
    return found->second.get();
}

bool DeviceTable::contains(int index) const
{
    return records_.count(index) != 0;
}

int DeviceTable::count() const
{
    return static_cast<int>(records_.size());
}

int DeviceTable::Enumerate()
{
    clear();
    usb_find_busses();
    usb_find_devices();
    for (usb_bus *bus = usb_get_busses(); bus; bus = bus->next) {
        for (struct usb_device *device = bus->devices; device; device = device->next) {
            if (isCamera(device))
                addRecord(device);
        }
    }
    return count();
}

void DeviceTable::clear()
{
    for (auto &entry : records_) {
        Close(entry.first);
        discard(*entry.second);
    }
    records_.clear();
}

// A record whose close failed would otherwise leave interface 0 claimed on a
// handle nobody holds any more, so the camera could never be claimed again.
void DeviceTable::discard(DeviceRec &record)
{
    if (!record.handle)
        return;
    usb_close(record.handle);
    record.handle = nullptr;
}

void DeviceTable::addRecord(struct usb_device *device)
{
    auto record = std::make_unique<DeviceRec>();
    record->device = device;
    if (const usb_interface_descriptor *setting = firstAlternateSetting(device)) {
        for (int i = 0; i < setting->bNumEndpoints && setting->endpoint; ++i) {
            const usb_endpoint_descriptor &endpoint = setting->endpoint[i];
            printLine("[EndPoint Info] #EndPointAddress=%d  #Attributes=%d",
                      endpoint.bEndpointAddress, endpoint.bmAttributes);
            if (endpoint.bEndpointAddress & DirectionInBit) {
                if (record->inEndpointCount < DeviceRec::MaxEndpoints)
                    record->inEndpoints[record->inEndpointCount++] = endpoint.bEndpointAddress;
            } else if (record->outEndpointCount < DeviceRec::MaxEndpoints) {
                record->outEndpoints[record->outEndpointCount++] = endpoint.bEndpointAddress;
            }
        }
    }
    const int index = count();
    records_[index] = std::move(record);
}

int DeviceTable::Open(int index)
{
    DeviceRec *record = find(index);
    if (!record)
        return -1;
    if (record->handle) {
        printLine("already open!");
        return 0;
    }
    record->handle = usb_open(record->device);
    if (!record->handle) {
        printLine("usb_open fail!");
        return -1;
    }
    const char *failure = nullptr;
    if (usb_set_configuration(record->handle, ConfigurationNumber) < 0)
        failure = "setting configuration #1!";
    else if (usb_claim_interface(record->handle, InterfaceNumber) < 0)
        failure = "claiming interface #0!";
    else if (usb_set_altinterface(record->handle, AlternateSetting) < 0)
        failure = "Can't Set Interface #0!";
    if (failure) {
        printLine("%s", failure);
        printUsbError();
        usb_close(record->handle);
        record->handle = nullptr;
        return -1;
    }
    writeProbe(*record);
    return 0;
}

void DeviceTable::writeProbe(DeviceRec &record)
{
    if (record.outEndpointCount == 0)
        return;
    std::vector<unsigned char> probe = probePacket();
    const int result = usb_bulk_write(record.handle, record.outEndpoints[0],
                                      reinterpret_cast<const char *>(probe.data()),
                                      static_cast<int>(probe.size()), ProbeTimeoutMs);
    if (result < 0)
        printUsbError();
}

int DeviceTable::Close(int index)
{
    DeviceRec *record = find(index);
    if (!record)
        return -1;
    StopReader(index);
    if (!record->handle)
        return 0;
    if (record->outEndpointCount > 0)
        usb_resetep(record->handle, record->outEndpoints[0]);
    if (record->inEndpointCount > 0)
        usb_resetep(record->handle, record->inEndpoints[0]);
    if (usb_release_interface(record->handle, InterfaceNumber) < 0) {
        printLine("release interface error!");
        return -1;
    }
    return closeHandle(*record);
}

// libusb frees the handle whatever usb_close reports, so the record lets go of
// it either way; keeping it for a retry would use freed memory.
int DeviceTable::closeHandle(DeviceRec &record)
{
    const int result = usb_close(record.handle);
    record.handle = nullptr;
    if (result < 0) {
        printLine("close device error!");
        printUsbError();
        return -1;
    }
    return 0;
}

int DeviceTable::Write(int index, const unsigned char *bytes, int length)
{
    DeviceRec *record = find(index);
    if (!record)
        return -1;
    if (!record->handle) {
        printLine("not open device!");
        return -1;
    }
    if (record->outEndpointCount == 0)
        return -1;
    const int result = usb_bulk_write(record->handle, record->outEndpoints[0],
                                      reinterpret_cast<const char *>(bytes), length, TransferTimeoutMs);
    if (result < 0)
        printLine("write error: %s", usb_strerror());
    return result;
}

int DeviceTable::Read(int index, unsigned char *buffer)
{
    DeviceRec *record = find(index);
    if (!record)
        return -1;
    if (!record->handle) {
        printLine("not open device!");
        return -1;
    }
    if (record->inEndpointCount == 0)
        return -1;
    const int result = usb_bulk_read(record->handle, record->inEndpoints[0],
                                     reinterpret_cast<char *>(buffer), ReceiveBufferSize, TransferTimeoutMs);
    if (result < 0)
        printLine("read error:%s", usb_strerror());
    return result;
}

int DeviceTable::StartReader(int index)
{
    DeviceRec *record = find(index);
    if (!record)
        return -1;
    if (record->reader) {
        printLine("is already run!");
        return 0;
    }
    record->stop = std::make_shared<std::atomic<bool>>(false);
    auto *arguments = new ReaderArguments{this, context_, index, receive_, record->stop};
    record->reader = port::startThread(&DeviceTable::readerMain, arguments);
    if (!record->reader) {
        delete arguments;
        printLine("start read error!");
        return -1;
    }
    return 0;
}

int DeviceTable::StopReader(int index)
{
    DeviceRec *record = find(index);
    if (!record)
        return -1;
    if (!record->reader)
        return 0;
    record->stop->store(true);
    // A reader that stops itself (from its receive callback) cannot wait for
    // its own end; it leaves its loop once the callback returns.
    if (port::isCurrentThread(record->reader))
        port::detachThread(record->reader);
    else
        port::joinThread(record->reader);
    record->reader = nullptr;
    return 0;
}

unsigned DeviceTable::readerMain(void *argument)
{
    std::unique_ptr<ReaderArguments> arguments(static_cast<ReaderArguments *>(argument));
    std::vector<unsigned char> buffer(ReceiveBufferSize, 0);
    for (;;) {
        const int result = arguments->table->Read(arguments->deviceIndex, buffer.data());
        if (result > 0 && arguments->receive)
            arguments->receive(arguments->deviceIndex, buffer.data(), result, arguments->context);
        if (result < 0 && result != TimedOut)
            port::sleepMs(ReadErrorPauseMs);
        if (arguments->stop->load())
            break;
    }
    return 0;
}
