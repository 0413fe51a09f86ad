#pragma once

#include <map>
#include <memory>

struct DeviceRec;
struct LibraryContext;
struct usb_device;

// Hands one received packet to the protocol layer; the buffer is the reader's
// and stays valid only until the call returns.
using ReceiveFn = void (*)(int deviceIndex, const unsigned char *buffer, int length, LibraryContext *context);

// The process-wide table of attached cameras and their USB transport.
// Results follow the library's convention: -1 for an index not in the table.
class DeviceTable
{
public:
    static constexpr unsigned short VendorId = 0x4255;
    static constexpr unsigned short ProductId = 0x0001;
    static constexpr int ReceiveBufferSize = 0x80000;
    static constexpr int TransferTimeoutMs = 5000;
    static constexpr int ProbeTimeoutMs = 100;
    // An unplugged camera fails every read at once; the reader waits this
    // long before the next one instead of spinning.
    static constexpr int ReadErrorPauseMs = 100;

    static DeviceTable &instance();

    void setReceiver(ReceiveFn receive, LibraryContext *context);

    int Enumerate();
    int Open(int index);
    int Close(int index);
    int Write(int index, const unsigned char *bytes, int length);
    int Read(int index, unsigned char *buffer);
    int StartReader(int index);
    int StopReader(int index);

    bool contains(int index) const;
    int count() const;

    DeviceTable(const DeviceTable &) = delete;
    DeviceTable &operator=(const DeviceTable &) = delete;

private:
    DeviceTable();
    ~DeviceTable();

    DeviceRec *find(int index) const;
    void clear();
    void discard(DeviceRec &record);
    void addRecord(struct usb_device *device);
    int closeHandle(DeviceRec &record);
    void writeProbe(DeviceRec &record);
    static unsigned readerMain(void *argument);

    std::map<int, std::unique_ptr<DeviceRec>> records_;
    ReceiveFn receive_ = nullptr;
    LibraryContext *context_ = nullptr;
};
