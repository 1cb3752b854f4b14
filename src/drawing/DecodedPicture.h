#pragma once
// What the picture readers hand back, and the limits they share.
#include <QString>
#include <cstdint>
#include <vector>

struct CDecodedPicture
{
    std::vector<unsigned char> rgb; // red, green, blue; top row first; rows not padded
    int width = 0;
    int height = 0;
};

// Larger pictures are refused before any pixel memory is taken, so a lying
// or hostile header cannot exhaust memory (100 megapixels is 300 MB of RGB).
constexpr std::uint64_t kMaxPicturePixels = 100'000'000;

// Opens path read-only when it names a regular file; -1 otherwise. Folders,
// FIFOs and devices are refused without blocking.
int OpenRegularFile(const QString& path);
