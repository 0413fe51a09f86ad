#include "DeviceTable.h"

#include "DeviceRec.h"
#include "LibraryContext.h"
#include "LibraryLock.h"
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

// The reader that runs on this thread; null on the callers' threads. A reader
// never joins a reader, and waits for another camera's reader to end only for
// a bounded time: the other one may be waiting in its callback for this very
// thread (a close of this camera, or a lock of the program's that this
// callback holds).
thread_local const ReaderLife *ownReader = nullptr;

// The record's reader has been told to stop and has not ended yet.
bool readerIsEnding(const DeviceRec &record)
{
    return record.reader && record.reader->stop.load();
}

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
    std::lock_guard<std::mutex> lock(LibraryLock::mutex());
    receive_ = receive;
    context_ = context;
}

void DeviceTable::setReadTimeout(int milliseconds)
{
    readTimeoutMs_ = milliseconds;
}

DeviceTable::Record DeviceTable::find(int index) const
{
    const auto found = records_.find(index);
    if (found == records_.end()) {
        printLine("index key not exist!");
        return nullptr;
    }
    return found->second;
}

DeviceTable::Record DeviceTable::lookUp(int index) const
{
    std::lock_guard<std::mutex> lock(LibraryLock::mutex());
    return find(index);
}

bool DeviceTable::contains(int index) const
{
    std::lock_guard<std::mutex> lock(LibraryLock::mutex());
    return records_.count(index) != 0;
}

bool DeviceTable::readerEnding(int index) const
{
    std::lock_guard<std::mutex> lock(LibraryLock::mutex());
    const auto found = records_.find(index);
    return found != records_.end() && readerIsEnding(*found->second);
}

int DeviceTable::count() const
{
    std::lock_guard<std::mutex> lock(LibraryLock::mutex());
    return static_cast<int>(records_.size());
}

// The old records leave the table at once, so that lookups during the slow
// part (stopping readers, closing, scanning the bus) find nothing rather
// than a camera about to be closed.
int DeviceTable::Enumerate()
{
    RecordMap old;
    {
        std::lock_guard<std::mutex> lock(LibraryLock::mutex());
        old.swap(records_);
    }
    retire(std::move(old));
    awaitRetiredReaders();

    RecordMap found = scanBus();
    const int count = static_cast<int>(found.size());
    {
        std::lock_guard<std::mutex> lock(LibraryLock::mutex());
        // A refresh that ran meanwhile on another thread installed its own
        // records; the later scan wins and the earlier records are retired.
        old.swap(records_);
        records_.swap(found);
    }
    retire(std::move(old));
    return count;
}

DeviceTable::RecordMap DeviceTable::scanBus()
{
    std::lock_guard<std::mutex> scan(scanMutex_);
    usb_find_busses();
    usb_find_devices();
    RecordMap found;
    for (usb_bus *bus = usb_get_busses(); bus; bus = bus->next) {
        for (struct usb_device *device = bus->devices; device; device = device->next) {
            if (isCamera(device))
                found.emplace(static_cast<int>(found.size()), makeRecord(device));
        }
    }
    return found;
}

void DeviceTable::retire(RecordMap records)
{
    for (auto &entry : records) {
        {
            std::lock_guard<std::mutex> lock(LibraryLock::mutex());
            entry.second->retired = true;
        }
        closeRecord(*entry.second);
        discard(*entry.second);
        std::lock_guard<std::mutex> lock(LibraryLock::mutex());
        if (entry.second->reader && entry.second->reader.get() != ownReader)
            retiredWithReader_.push_back(entry.second);
    }
}

// A refresh from a callback could not wait for the readers it stopped; the
// next refresh from a caller's thread does, so that no camera it finds is
// still held by a reader of an earlier enumeration.
void DeviceTable::awaitRetiredReaders()
{
    if (ownReader)
        return;
    std::unique_lock<std::mutex> lock(LibraryLock::mutex());
    LibraryLock::changed().wait(lock, [this] {
        for (const Record &record : retiredWithReader_) {
            if (record->reader)
                return false;
        }
        return true;
    });
    retiredWithReader_.clear();
}

// A record whose close failed would otherwise leave interface 0 claimed on a
// handle nobody holds any more, so the camera could never be claimed again.
// A handle that a running reader still reads stays: that reader closes and
// discards it when it ends.
void DeviceTable::discard(DeviceRec &record)
{
    usb_dev_handle *handle = nullptr;
    {
        std::lock_guard<std::mutex> lock(LibraryLock::mutex());
        if (record.reader && record.reader.get() != ownReader)
            return;
        std::swap(handle, record.handle);
    }
    if (handle)
        usb_close(handle);
}

DeviceTable::Record DeviceTable::makeRecord(struct usb_device *device)
{
    auto record = std::make_shared<DeviceRec>();
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
    return record;
}

int DeviceTable::Open(int index)
{
    const Record record = lookUp(index);
    return record ? openRecord(*record) : -1;
}

// The device is claimed outside the lock; `opening` keeps a second open of the
// same record waiting instead of claiming it twice. A camera whose reader is
// still ending is opened only after that end (see awaitReaderEnd).
int DeviceTable::openRecord(DeviceRec &record)
{
    {
        std::unique_lock<std::mutex> lock(LibraryLock::mutex());
        for (;;) {
            LibraryLock::changed().wait(lock, [&] { return !record.opening; });
            if (!readerIsEnding(record))
                break;
            if (!awaitReaderEnd(lock, record))
                return -1;
        }
        if (record.handle) {
            printLine("already open!");
            return 0;
        }
        if (record.retired)
            return -1;
        record.opening = true;
    }
    return adoptHandle(record, claimDevice(record));
}

// A failed step closes the handle again, so the camera stays closed and a
// later open can retry.
usb_dev_handle *DeviceTable::claimDevice(const DeviceRec &record)
{
    usb_dev_handle *handle = usb_open(record.device);
    if (!handle) {
        printLine("usb_open fail!");
        return nullptr;
    }
    const char *failure = nullptr;
    if (usb_set_configuration(handle, ConfigurationNumber) < 0)
        failure = "setting configuration #1!";
    else if (usb_claim_interface(handle, InterfaceNumber) < 0)
        failure = "claiming interface #0!";
    else if (usb_set_altinterface(handle, AlternateSetting) < 0)
        failure = "Can't Set Interface #0!";
    if (failure) {
        printLine("%s", failure);
        printUsbError();
        usb_close(handle);
        return nullptr;
    }
    writeProbe(handle, record);
    return handle;
}

// Ends the open: the record takes the claimed handle, unless enumeration
// retired the record meanwhile, in which case nobody may keep the camera.
int DeviceTable::adoptHandle(DeviceRec &record, usb_dev_handle *handle)
{
    bool retiredMeanwhile = false;
    {
        std::lock_guard<std::mutex> lock(LibraryLock::mutex());
        record.opening = false;
        retiredMeanwhile = record.retired;
        if (handle && !retiredMeanwhile)
            record.handle = handle;
    }
    LibraryLock::changed().notify_all();
    if (!handle)
        return -1;
    if (retiredMeanwhile) {
        usb_release_interface(handle, InterfaceNumber);
        usb_close(handle);
        return -1;
    }
    return 0;
}

void DeviceTable::writeProbe(usb_dev_handle *handle, const DeviceRec &record)
{
    if (record.outEndpointCount == 0)
        return;
    std::vector<unsigned char> probe = probePacket();
    const int result = usb_bulk_write(handle, record.outEndpoints[0],
                                      reinterpret_cast<const char *>(probe.data()),
                                      static_cast<int>(probe.size()), ProbeTimeoutMs);
    if (result < 0)
        printUsbError();
}

int DeviceTable::Close(int index)
{
    const Record record = lookUp(index);
    return record ? closeRecord(*record) : -1;
}

// The handle is never closed under a running reader. A caller's thread waits
// for the reader's end; a reader's callback leaves the close to the camera's
// own reader, which does it when it leaves its loop.
int DeviceTable::closeRecord(DeviceRec &record)
{
    usb_dev_handle *handle = nullptr;
    for (;;) {
        stopReader(record);
        std::unique_lock<std::mutex> lock(LibraryLock::mutex());
        LibraryLock::changed().wait(lock, [&] { return !record.opening; });
        if (record.reader && record.reader.get() != ownReader) {
            if (ownReader) {
                record.closeWhenReaderEnds = true;
                return 0;
            }
            // Another thread opened the camera again meanwhile; stop that reader too.
            continue;
        }
        // Taking the handle first stops new writes; the ones in flight finish
        // within their time-out before the handle goes away under them.
        std::swap(handle, record.handle);
        LibraryLock::changed().wait(lock, [&] { return record.writesInFlight == 0; });
        break;
    }
    if (!handle)
        return 0;
    if (record.outEndpointCount > 0)
        usb_resetep(handle, record.outEndpoints[0]);
    if (record.inEndpointCount > 0)
        usb_resetep(handle, record.inEndpoints[0]);
    if (usb_release_interface(handle, InterfaceNumber) < 0) {
        printLine("release interface error!");
        keepForRetry(record, handle);
        return -1;
    }
    return closeHandle(handle);
}

// The handle goes back to the record so that a later close retries, unless
// the camera was opened again meanwhile and holds a handle of its own.
void DeviceTable::keepForRetry(DeviceRec &record, usb_dev_handle *handle)
{
    bool kept = false;
    {
        std::lock_guard<std::mutex> lock(LibraryLock::mutex());
        kept = !record.handle;
        if (kept)
            record.handle = handle;
    }
    if (!kept)
        usb_close(handle);
}

// libusb frees the handle whatever usb_close reports, so the record lets go of
// it either way; keeping it for a retry would use freed memory.
int DeviceTable::closeHandle(usb_dev_handle *handle)
{
    if (usb_close(handle) < 0) {
        printLine("close device error!");
        printUsbError();
        return -1;
    }
    return 0;
}

int DeviceTable::Write(int index, const unsigned char *bytes, int length)
{
    usb_dev_handle *handle = nullptr;
    Record record;
    {
        std::lock_guard<std::mutex> lock(LibraryLock::mutex());
        record = find(index);
        if (!record)
            return -1;
        if (!record->handle) {
            printLine("not open device!");
            return -1;
        }
        if (record->outEndpointCount == 0)
            return -1;
        handle = record->handle;
        ++record->writesInFlight;
    }
    const int result = usb_bulk_write(handle, record->outEndpoints[0],
                                      reinterpret_cast<const char *>(bytes), length, TransferTimeoutMs);
    if (result < 0)
        printLine("write error: %s", usb_strerror());
    {
        std::lock_guard<std::mutex> lock(LibraryLock::mutex());
        --record->writesInFlight;
    }
    LibraryLock::changed().notify_all();
    return result;
}

int DeviceTable::Read(int index, unsigned char *buffer)
{
    const Record record = lookUp(index);
    return record ? readRecord(*record, buffer) : -1;
}

// Only the record's reader reads, and a close stops the reader before it takes
// the handle, so the handle stays valid for the whole transfer.
int DeviceTable::readRecord(DeviceRec &record, unsigned char *buffer)
{
    usb_dev_handle *handle = nullptr;
    {
        std::lock_guard<std::mutex> lock(LibraryLock::mutex());
        handle = record.handle;
    }
    if (!handle) {
        printLine("not open device!");
        return -1;
    }
    if (record.inEndpointCount == 0)
        return -1;
    const int result = usb_bulk_read(handle, record.inEndpoints[0], reinterpret_cast<char *>(buffer),
                                     ReceiveBufferSize, readTimeoutMs_.load());
    if (result < 0)
        printLine("read error:%s", usb_strerror());
    return result;
}

// A reader still ending is waited for (see awaitReaderEnd).
int DeviceTable::StartReader(int index)
{
    std::unique_lock<std::mutex> lock(LibraryLock::mutex());
    const Record record = find(index);
    if (!record)
        return -1;
    if (readerIsEnding(*record) && !awaitReaderEnd(lock, *record))
        return -1;
    if (record->reader) {
        printLine("is already run!");
        return 0;
    }
    if (record->retired)
        return -1;
    auto life = std::make_shared<ReaderLife>();
    auto *arguments = new ReaderArguments{this, context_, index, receive_, life, record};
    // The new thread takes the lock before it touches the record, so it finds
    // the record holding it.
    life->thread = port::startThread(&DeviceTable::readerMain, arguments);
    if (!life->thread) {
        delete arguments;
        printLine("start read error!");
        return -1;
    }
    record->reader = std::move(life);
    return 0;
}

int DeviceTable::StopReader(int index)
{
    const Record record = lookUp(index);
    return record ? stopReader(*record) : -1;
}

// The join runs outside the lock: the reader may be inside the callback,
// which may call any export. A caller's thread returns only once the reader
// has ended: it joins it, or waits for the end of one that another thread
// joins or that a callback let go. A reader never waits: stopping itself, it
// leaves its loop once its callback returns; stopping another camera's
// reader, it lets that thread go, and the record stays with that reader
// (an open waits for its end) until it has ended.
int DeviceTable::stopReader(DeviceRec &record)
{
    port::Thread *joined = nullptr;
    std::shared_ptr<ReaderLife> life;
    {
        std::unique_lock<std::mutex> lock(LibraryLock::mutex());
        life = record.reader;
        if (!life)
            return 0;
        const bool stoppedBefore = life->stop.exchange(true);
        if (ownReader) {
            if (life.get() == ownReader && stoppedBefore)
                return 0; // another thread is ending this reader, and closes the camera after it
            port::detachThread(life->thread);
            life->thread = nullptr;
            // Stopping itself, the reader lets the record go at once, so that
            // its callback may open the camera again.
            if (life.get() == ownReader)
                record.reader = nullptr;
            return 0;
        }
        if (!life->thread) {
            LibraryLock::changed().wait(lock, [&] { return life->ended; });
            return 0;
        }
        std::swap(joined, life->thread);
    }
    port::joinThread(joined);
    return 0;
}

// Waits, with the library lock held in `lock`, until the record's reader has
// ended; false when it has not. A caller's thread waits as long as it takes.
// A reader's callback waits at most for one read of that reader and a margin:
// a reader that has not ended by then is inside its own callback, perhaps
// waiting for this very callback to return, and would never end while this
// one waits. Its own reader cannot end before its callback returns.
bool DeviceTable::awaitReaderEnd(std::unique_lock<std::mutex> &lock, const DeviceRec &record) const
{
    const auto ended = [&record] { return !readerIsEnding(record); };
    if (!ownReader) {
        LibraryLock::changed().wait(lock, ended);
        return true;
    }
    if (record.reader.get() == ownReader)
        return false;
    return LibraryLock::changed().wait_for(lock, readerEndBound(), ended);
}

std::chrono::milliseconds DeviceTable::readerEndBound() const
{
    return std::chrono::milliseconds(readTimeoutMs_.load() + ReaderEndMarginMs);
}

// The reader's last act on its record: a close that a callback left to it,
// then its end, which the threads waiting for it see.
void DeviceTable::readerEnds(DeviceRec &record, const std::shared_ptr<ReaderLife> &life)
{
    for (;;) {
        {
            std::lock_guard<std::mutex> lock(LibraryLock::mutex());
            const bool closeNow = record.reader == life && record.closeWhenReaderEnds;
            if (!closeNow) {
                life->ended = true;
                if (record.reader == life)
                    record.reader = nullptr;
                break;
            }
            record.closeWhenReaderEnds = false;
        }
        closeRecord(record);
        bool retired = false;
        {
            std::lock_guard<std::mutex> lock(LibraryLock::mutex());
            retired = record.retired;
        }
        if (retired)
            discard(record);
    }
    LibraryLock::changed().notify_all();
}

unsigned DeviceTable::readerMain(void *argument)
{
    std::unique_ptr<ReaderArguments> arguments(static_cast<ReaderArguments *>(argument));
    ownReader = arguments->life.get();
    std::vector<unsigned char> buffer(ReceiveBufferSize, 0);
    for (;;) {
        const int result = arguments->table->readRecord(*arguments->record, buffer.data());
        if (result > 0 && arguments->receive)
            arguments->receive(arguments->deviceIndex, buffer.data(), result, arguments->context);
        if (result < 0 && result != TimedOut)
            port::sleepMs(ReadErrorPauseMs);
        if (arguments->life->stop.load())
            break;
    }
    arguments->table->readerEnds(*arguments->record, arguments->life);
    return 0;
}
