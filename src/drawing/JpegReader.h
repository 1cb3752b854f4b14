#pragma once
// Decodes JPEG pictures through libjpeg. A corrupt, truncated or oversized
// file fails with a reason; libjpeg's errors never end the program.
#include "drawing/DecodedPicture.h"

#include <QString>
#include <cstddef>

enum class JpegStatus
{
    Ok,
    CannotOpen, // missing, unreadable, or not a regular file
    TooLarge,   // above the pixel limit, or no memory for the pixels
    Failed,     // the decoder's reason is in detail
};

struct JpegResult
{
    JpegStatus status = JpegStatus::Failed;
    QString detail;
    CDecodedPicture picture; // grey pictures come back as RGB too
};

JpegResult ReadJpegFile(const QString& path, std::uint64_t maxPixels = kMaxPicturePixels);
JpegResult ReadJpegMemory(const unsigned char* data, std::size_t size,
                          std::uint64_t maxPixels = kMaxPicturePixels);
