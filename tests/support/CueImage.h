#pragma once
// An audio CD image for tests: a sparse zero-filled BIN of the tracks'
// total length and a CUE sheet naming it, in a folder the caller owns.
#include <QString>
#include <vector>

struct CueTrack
{
    int frames; // length in 1/75 s
    bool audio = true;
};

// Writes <folder>/<baseName>.bin and .cue; returns the CUE path, or an empty
// string when the files cannot be written.
QString WriteCueImage(const QString& folder, const std::vector<CueTrack>& tracks,
                      const QString& baseName = QStringLiteral("disc"));

// 60 s, 45 s 37 f and 30 s 10 f: offsets 150 4650 8062, lead-out 10322,
// disc id 12008703.
std::vector<CueTrack> ThreeTrackDisc();
