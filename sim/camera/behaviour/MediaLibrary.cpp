#include "MediaLibrary.h"

#include <algorithm>
#include <set>

namespace sim::camera {

namespace {

const char *const IndexFolder = "/mnt/sdcard/index/";

std::uint64_t seedOf(const std::string &text)
{
    std::uint64_t h = 1469598103934665603ull;
    for (unsigned char c : text)
        h = (h ^ c) * 1099511628211ull;
    return h ? h : 1;
}

void putDateTime(le::Bytes &b, std::size_t at, const QDateTime &t)
{
    le::putU32(b, at, std::uint32_t(t.date().year()));
    le::putU32(b, at + 4, std::uint32_t(t.date().month()));
    le::putU32(b, at + 8, std::uint32_t(t.date().day()));
    le::putU32(b, at + 16, std::uint32_t(t.time().hour()));
    le::putU32(b, at + 20, std::uint32_t(t.time().minute()));
    le::putU32(b, at + 24, std::uint32_t(t.time().second()));
}

std::string baseName(const std::string &path)
{
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::uint32_t mediaType(const std::string &path)
{
    std::string upper = path;
    std::transform(upper.begin(), upper.end(), upper.begin(), ::toupper);
    auto endsWith = [&](const char *s) {
        const std::string suffix(s);
        return upper.size() >= suffix.size()
            && upper.compare(upper.size() - suffix.size(), suffix.size(), suffix) == 0;
    };
    if (endsWith(".MP4"))
        return 1;
    if (endsWith(".JPG"))
        return 2;
    return endsWith(".WAV") || endsWith(".AAC") ? 3 : 4;
}

std::string dayKey(const QDateTime &t)
{
    return t.date().toString("yyyyMMdd").toStdString();
}

} // namespace

void MediaLibrary::fillDefault(int days, const QDate &lastDay)
{
    struct Kind { const char *prefix; const char *suffix; int hour; int minute; int seconds; std::uint64_t size; };
    const Kind kinds[] = {
        {"VID", "MP4", 8, 15, 600, 96 * 1024},   {"VID", "MP4", 14, 30, 300, 160 * 1024 + 77},
        {"PIC", "JPG", 9, 2, 0, 24 * 1024 + 5},  {"PIC", "JPG", 16, 45, 0, 31 * 1024},
        {"AUD", "WAV", 10, 20, 120, 16 * 1024},  {"AUD", "AAC", 17, 5, 90, 9 * 1024 + 3},
    };
    for (int d = days - 1; d >= 0; --d) {
        const QDate day = lastDay.addDays(-d);
        for (const Kind &k : kinds) {
            MediaFile f;
            f.start = QDateTime(day, QTime(k.hour, k.minute, 0));
            f.end = f.start.addSecs(k.seconds);
            const std::string stamp = f.start.toString("yyyyMMdd_HHmmss").toStdString();
            f.path = "/mnt/sdcard/DCIM/" + dayKey(f.start) + "/" + k.prefix + "_" + stamp + "."
                + k.suffix;
            f.size = k.size + std::uint64_t(d) * 1000;
            m_files.push_back(f);
        }
    }
}

void MediaLibrary::add(const MediaFile &file)
{
    m_files.push_back(file);
}

void MediaLibrary::clear()
{
    m_files.clear();
    m_cursor = 0;
    m_pageNumber = 0;
}

const MediaFile *MediaLibrary::find(const std::string &path) const
{
    for (const MediaFile &f : m_files)
        if (f.path == path)
            return &f;
    return nullptr;
}

void MediaLibrary::read(const MediaFile &file, std::uint64_t offset, std::uint8_t *out,
                        std::size_t count)
{
    const std::uint64_t seed = seedOf(file.path);
    for (std::size_t i = 0; i < count; ++i) {
        const std::uint64_t position = offset + i;
        std::uint64_t z = seed + (position >> 3) * 0x9E3779B97F4A7C15ull;
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        z ^= z >> 31;
        out[i] = std::uint8_t(z >> (8 * (position & 7)));
    }
}

le::Bytes MediaLibrary::content(const MediaFile &file)
{
    le::Bytes data(file.size);
    read(file, 0, data.data(), data.size());
    return data;
}

le::Bytes MediaLibrary::item(const MediaFile &file)
{
    le::Bytes b(ItemSize, 0);
    le::putU64(b, 0, file.size);
    le::putText(b, 8, 128, file.path);
    le::putText(b, 136, 128, baseName(file.path));
    putDateTime(b, 264, file.start);
    putDateTime(b, 292, file.end);
    le::putU32(b, 320, mediaType(file.path));
    return b;
}

le::Bytes MediaLibrary::page(bool firstRequest, std::int32_t wanted)
{
    if (firstRequest) {
        m_cursor = 0;
        m_pageNumber = 0;
    }
    const std::size_t limit = wanted > 0 ? std::min<std::size_t>(std::size_t(wanted), PageLimit)
                                         : PageLimit;
    const std::size_t count = std::min(limit, m_files.size() - std::min(m_cursor, m_files.size()));
    le::Bytes b(16, 0);
    le::putU32(b, 0, m_pageNumber++);
    le::putU32(b, 4, std::uint32_t(count));
    le::putU32(b, 8, std::uint32_t(m_files.size()));
    for (std::size_t i = 0; i < count; ++i) {
        const le::Bytes one = item(m_files[m_cursor + i]);
        b.insert(b.end(), one.begin(), one.end());
    }
    m_cursor += count;
    le::putU32(b, 12, std::uint32_t(m_cursor));
    return b;
}

std::vector<std::string> MediaLibrary::indexFileNames() const
{
    std::set<std::string> days;
    for (const MediaFile &f : m_files)
        days.insert(dayKey(f.start));
    std::vector<std::string> names;
    for (const std::string &d : days)
        names.push_back(IndexFolder + d + ".bin");
    return names;
}

bool MediaLibrary::indexFile(const std::string &name, le::Bytes &content) const
{
    const std::string folder(IndexFolder);
    if (name.compare(0, folder.size(), folder) != 0)
        return false;
    const std::string day = name.substr(folder.size(), 8);
    le::Bytes b(4, 0);
    std::uint32_t count = 0;
    for (const MediaFile &f : m_files) {
        if (dayKey(f.start) != day)
            continue;
        const le::Bytes one = item(f);
        b.insert(b.end(), one.begin(), one.end());
        ++count;
    }
    if (count == 0)
        return false;
    le::putU32(b, 0, count);
    content = b;
    return true;
}

} // namespace sim::camera
