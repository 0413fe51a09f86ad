#pragma once

// The camera's plain parameter records: which get and which set command reach
// each record and how large it is. A get and its set share one record, so a
// set changes what the paired get answers.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace sim::camera {

struct RecordEntry
{
    const char *name;
    std::uint32_t getCode;
    std::uint32_t setCode;      // 0: read-only record
    std::size_t size;
    int minGeneration;          // older cameras answer "not supported"
};

class RecordCatalog
{
public:
    static const std::vector<RecordEntry> &entries();
    static const RecordEntry *byGetCode(std::uint32_t code);
    static const RecordEntry *bySetCode(std::uint32_t code);
    static const RecordEntry *byName(const char *name);
};

} // namespace sim::camera
