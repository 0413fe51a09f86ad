#pragma once

// A media file of the simulated camera, read lazily from its generated content.

#include "FileSource.h"
#include "behaviour/MediaLibrary.h"

namespace sim {

class MediaFileSource : public FileSource
{
public:
    explicit MediaFileSource(camera::MediaFile file);

    std::uint64_t size() const override;
    void read(std::uint64_t offset, std::uint8_t *out, std::size_t count) const override;

private:
    camera::MediaFile file_;
};

} // namespace sim
