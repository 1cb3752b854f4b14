#pragma once
// An audio disc's table of contents: the frame position (1/75 s, lead-in
// included, so the first track usually starts at 150) of every track start
// and of the lead-out. Gives the CDDB disc id and the text form
// "150 4650 8062 10322" that the CDDB lookup and the dialog pass around.
#include <QString>
#include <QtGlobal>
#include <optional>
#include <vector>

struct CDiscToc
{
    static constexpr int kFramesPerSecond = 75;
    static constexpr int kMaxTracks = 99;

    std::vector<int> offsets; // one per track, in track order
    int leadout = 0;

    int TrackCount() const { return int(offsets.size()); }
    // Whole seconds up to the lead-out, as the query sends it.
    int LengthSeconds() const { return leadout / kFramesPerSecond; }
    // 1 to 99 tracks, strictly ascending, the lead-out after the last one.
    bool IsValid() const;

    quint32 DiscId() const;
    QString DiscIdText() const; // eight lower-case hex digits
    // "<id> <ntracks> <offset>... <nsecs>"
    QString DiscIdLine() const;
    // The track starts and the lead-out, separated by single blanks.
    QString Text() const;
    // Reads Text()'s form back; nothing when it is not a valid table.
    static std::optional<CDiscToc> FromText(const QString& text);

    bool operator==(const CDiscToc&) const = default;
};

// The differences of consecutive values of a table-of-contents text, one per
// track, in frames; empty for an empty text. Pieces that are no numbers count 0.
std::vector<int> TrackLengthsFromToc(const QString& tocText);

// "03:58", or "1:00:00" from an hour on; empty below one second.
QString TrackTimeText(int frames);
