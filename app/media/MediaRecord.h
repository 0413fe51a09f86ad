#pragma once

// The camera's media-list page and the file records it carries, as the media
// page reads them. All numbers little-endian.

#include <QDateTime>
#include <QString>

#include <cstddef>

struct MediaRecord
{
    // Record layout.
    static constexpr std::size_t kSize = 336;
    static constexpr std::size_t kPathOffset = 8;
    static constexpr std::size_t kTextOffset = 136;
    static constexpr std::size_t kTextSize = 128;
    static constexpr std::size_t kStartOffset = 264;
    static constexpr std::size_t kEndOffset = 292;

    // Page layout: the records follow a 16-byte head.
    static constexpr std::size_t kPageHeadSize = 16;
    static constexpr std::size_t kPageCountOffset = 4;
    static constexpr std::size_t kPageTotalOffset = 8;
    static constexpr std::size_t kPageProgressOffset = 12;

    enum Type { AllTypes = 0, Video = 1, Picture = 2, Audio = 3, Other = 4 };

    QString path;   // "/" separated; read up to its NUL or all 128 bytes
    QString text;
    QDateTime start;
    QDateTime end;

    // item points to kSize bytes.
    static MediaRecord fromItem(const char *item);
    // By the upper-cased suffix of the path.
    static Type typeOf(const QString &path);
};
