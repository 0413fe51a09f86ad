#include "CameraStore.h"

#include "MemoryFile.h"

namespace sim {

void CameraStore::putFile(const std::string &name, Bytes content)
{
    putFile(name, std::make_shared<MemoryFile>(std::move(content)));
}

void CameraStore::putFile(const std::string &name, std::shared_ptr<const FileSource> source)
{
    std::lock_guard<std::mutex> lock(mutex_);
    files_[name] = std::move(source);
}

std::shared_ptr<const FileSource> CameraStore::file(const std::string &name) const
{
    std::lock_guard<std::mutex> lock(mutex_);
    auto found = files_.find(name);
    return found == files_.end() ? nullptr : found->second;
}

bool CameraStore::removeFile(const std::string &name)
{
    std::lock_guard<std::mutex> lock(mutex_);
    return files_.erase(name) > 0;
}

std::vector<std::string> CameraStore::fileNames() const
{
    std::lock_guard<std::mutex> lock(mutex_);
    std::vector<std::string> names;
    for (const auto &entry : files_)
        names.push_back(entry.first);
    return names;
}

void CameraStore::setLogNames(std::vector<std::string> names)
{
    std::lock_guard<std::mutex> lock(mutex_);
    logNames_ = std::move(names);
}

std::vector<std::string> CameraStore::logNames() const
{
    std::lock_guard<std::mutex> lock(mutex_);
    return logNames_;
}

void CameraStore::setIndexNames(std::vector<std::string> names)
{
    std::lock_guard<std::mutex> lock(mutex_);
    indexNames_ = std::move(names);
}

std::vector<std::string> CameraStore::indexNames() const
{
    std::lock_guard<std::mutex> lock(mutex_);
    return indexNames_;
}

void CameraStore::putRecord(const std::string &key, Bytes content)
{
    std::lock_guard<std::mutex> lock(mutex_);
    records_[key] = std::move(content);
}

bool CameraStore::hasRecord(const std::string &key) const
{
    std::lock_guard<std::mutex> lock(mutex_);
    return records_.count(key) > 0;
}

CameraStore::Bytes CameraStore::record(const std::string &key) const
{
    std::lock_guard<std::mutex> lock(mutex_);
    auto found = records_.find(key);
    return found == records_.end() ? Bytes{} : found->second;
}

} // namespace sim
