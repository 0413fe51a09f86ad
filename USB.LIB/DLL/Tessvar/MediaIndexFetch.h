#pragma once

// Drives the fetch of the camera's media index files: after each transfer it
// asks for the next listed file, and after the last it reports every record.

struct LibraryContext;

class MediaIndexFetch
{
public:
    // Called, without the library lock, at the end of each transfer while a
    // fetch runs. An index file that cannot be requested is skipped, so the
    // fetch always ends with 103.
    static void Advance(LibraryContext &context, int deviceIndex);

private:
    static void finish(LibraryContext &context, int deviceIndex);
};
