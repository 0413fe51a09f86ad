#include "MediaFileSource.h"

namespace sim {

MediaFileSource::MediaFileSource(camera::MediaFile file)
    : file_(std::move(file))
{
}

std::uint64_t MediaFileSource::size() const
{
    return file_.size;
}

void MediaFileSource::read(std::uint64_t offset, std::uint8_t *out, std::size_t count) const
{
    camera::MediaLibrary::read(file_, offset, out, count);
}

} // namespace sim
