#pragma once
// An audio CD in a CMciDevice: track starts, lengths and types, the table of
// contents, and playing where the drive supports it (images do not play).
#include "cd/CDiscToc.h"
#include "cd/CMciDevice.h"

class CCdAudio : public CMciDevice
{
public:
    enum TrackItem { TrackLength = 1, TrackStart = 2, TrackType = 16385 };
    enum TrackTypeValue { TrackAudio = 1088, TrackOther = 1089 };

    // Tracks are numbered from 1 here, whatever number the disc gives its first.
    std::optional<long> TrackStatus(int track, int item);
    // The disc's table of contents; nothing when there is no readable disc,
    // or when what the drive or image reports cannot be a disc.
    std::optional<CDiscToc> TableOfContents();

    int PlayTrack(int track);
    int Stop();
    int Pause();
    // Moves the head to a frame position and stays paused there.
    int Seek(int frame);
    int SeekToStart();
    int SeekToEnd();
    int DoorOpen();
    int DoorClosed();
};
