#pragma once

// What one simulated camera holds: its files, the lists of log files and
// media index files it names, and its parameter records and texts. A record
// lives under one key that the get command and its set command share, so a
// set changes what the paired get returns. Safe to use from any thread.

#include "FileSource.h"

#include <cstdint>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace sim {

class CameraStore
{
public:
    using Bytes = std::vector<std::uint8_t>;

    void putFile(const std::string &name, Bytes content);
    void putFile(const std::string &name, std::shared_ptr<const FileSource> source);
    // Null when the camera has no such file.
    std::shared_ptr<const FileSource> file(const std::string &name) const;
    bool removeFile(const std::string &name);
    std::vector<std::string> fileNames() const;

    // The camera's own names, sent as they stand (a name of 128 bytes or more
    // fills its list entry without a NUL).
    void setLogNames(std::vector<std::string> names);
    std::vector<std::string> logNames() const;
    void setIndexNames(std::vector<std::string> names);
    std::vector<std::string> indexNames() const;

    void putRecord(const std::string &key, Bytes content);
    bool hasRecord(const std::string &key) const;
    // Empty when there is no such record.
    Bytes record(const std::string &key) const;

private:
    mutable std::mutex mutex_;
    std::map<std::string, std::shared_ptr<const FileSource>> files_;
    std::vector<std::string> logNames_;
    std::vector<std::string> indexNames_;
    std::map<std::string, Bytes> records_;
};

} // namespace sim
