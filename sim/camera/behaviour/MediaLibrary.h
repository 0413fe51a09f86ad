#pragma once

// The camera's recordings, photos and audio notes: their records, their
// contents (generated from the name, so a large store costs no memory until
// a file is read) and the paged media list of command 36.

#include "LittleEndian.h"

#include <QDateTime>

#include <cstdint>
#include <string>
#include <vector>

namespace sim::camera {

struct MediaFile
{
    std::string path;       // camera-side path, "/" separated
    QDateTime start;
    QDateTime end;
    std::uint64_t size = 0;
};

class MediaLibrary
{
public:
    static constexpr std::size_t ItemSize = 336;
    static constexpr std::uint32_t PageLimit = 100;

    MediaLibrary() = default;

    // A few files of every kind on each of the last `days` days.
    void fillDefault(int days, const QDate &lastDay);
    void add(const MediaFile &file);
    void clear();

    const std::vector<MediaFile> &files() const { return m_files; }
    const MediaFile *find(const std::string &path) const;

    // Contents follow from the path and the position, so a reader can take
    // any piece of a file without the whole file existing anywhere.
    static void read(const MediaFile &file, std::uint64_t offset, std::uint8_t *out,
                     std::size_t count);
    static le::Bytes content(const MediaFile &file);
    static le::Bytes item(const MediaFile &file);

    // One page of the media list: a first request restarts the listing.
    le::Bytes page(bool firstRequest, std::int32_t wanted);

    // Index files of the media index fetch: one per recording day.
    std::vector<std::string> indexFileNames() const;
    bool indexFile(const std::string &name, le::Bytes &content) const;

private:
    std::vector<MediaFile> m_files;
    std::size_t m_cursor = 0;
    std::uint32_t m_pageNumber = 0;
};

} // namespace sim::camera
