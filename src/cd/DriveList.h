#pragma once
// The drives a person can read a listing from: every mounted volume and every
// optical drive, each with a caption that names it recognisably.
#include <QString>

#include <vector>

struct DriveEntry
{
    QString path;    // what a read is given: a mount point or a device node
    QString caption; // what the person sees
};

// Mounted volumes first (an optical drive holding a mounted disc appears
// once, as that volume), then optical drives without a mounted disc.
std::vector<DriveEntry> ListDrives();
