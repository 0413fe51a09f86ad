#pragma once

#include <atomic>
#include <chrono>
#include <map>
#include <memory>
#include <mutex>
#include <vector>

struct DeviceRec;
struct ReaderLife;
struct LibraryContext;
struct usb_device;
struct usb_dev_handle;

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
    // A stopped reader that is not inside its callback ends within one read
    // and this margin (a pause after a failed read, the close it may owe).
    static constexpr int ReaderEndMarginMs = 2000;

    static DeviceTable &instance();

    void setReceiver(ReceiveFn receive, LibraryContext *context);
    // The time-out of each read, TransferTimeoutMs unless a test shortens it
    // so that a stopped reader, and a callback waiting for it, take no seconds.
    void setReadTimeout(int milliseconds);

    int Enumerate();
    int Open(int index);
    int Close(int index);
    int Write(int index, const unsigned char *bytes, int length);
    int Read(int index, unsigned char *buffer);
    int StartReader(int index);
    int StopReader(int index);

    bool contains(int index) const;
    // True while the camera's reader has been told to stop and has not ended.
    bool readerEnding(int index) const;
    int count() const;

    DeviceTable(const DeviceTable &) = delete;
    DeviceTable &operator=(const DeviceTable &) = delete;

private:
    using Record = std::shared_ptr<DeviceRec>;
    using RecordMap = std::map<int, Record>;

    DeviceTable();
    ~DeviceTable();

    // find needs the library lock held; lookUp takes it.
    Record find(int index) const;
    Record lookUp(int index) const;
    RecordMap scanBus();
    void retire(RecordMap records);
    void awaitRetiredReaders();
    void discard(DeviceRec &record);
    static Record makeRecord(struct usb_device *device);
    int openRecord(DeviceRec &record);
    usb_dev_handle *claimDevice(const DeviceRec &record);
    int adoptHandle(DeviceRec &record, usb_dev_handle *handle);
    int closeRecord(DeviceRec &record);
    void keepForRetry(DeviceRec &record, usb_dev_handle *handle);
    int closeHandle(usb_dev_handle *handle);
    int stopReader(DeviceRec &record);
    bool awaitReaderEnd(std::unique_lock<std::mutex> &lock, const DeviceRec &record) const;
    std::chrono::milliseconds readerEndBound() const;
    void readerEnds(DeviceRec &record, const std::shared_ptr<ReaderLife> &life);
    int readRecord(DeviceRec &record, unsigned char *buffer);
    void writeProbe(usb_dev_handle *handle, const DeviceRec &record);
    static unsigned readerMain(void *argument);

    RecordMap records_;
    // Records retired from a callback whose readers had not ended yet.
    std::vector<Record> retiredWithReader_;
    // libusb's bus scan rebuilds its device lists in place: one scan at a time.
    std::mutex scanMutex_;
    std::atomic<int> readTimeoutMs_{TransferTimeoutMs};
    ReceiveFn receive_ = nullptr;
    LibraryContext *context_ = nullptr;
};
