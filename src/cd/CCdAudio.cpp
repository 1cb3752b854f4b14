#include "cd/CCdAudio.h"

#include <cdio/cdio.h>
#include <cdio/audio.h>

namespace {

msf_t Msf(int frame)
{
    msf_t msf{};
    cdio_lba_to_msf(frame, &msf);
    return msf;
}

} // namespace

std::optional<long> CCdAudio::TrackStatus(int track, int item)
{
    const std::optional<CDiscToc> toc = TableOfContents();
    if (!toc)
        return std::nullopt;
    if (track < 1 || track > toc->TrackCount()) {
        Fail(ErrBadTrack);
        return std::nullopt;
    }
    const size_t i = size_t(track - 1);
    switch (item) {
    case TrackStart:
        return toc->offsets[i];
    case TrackLength:
        return (i + 1 < toc->offsets.size() ? toc->offsets[i + 1] : toc->leadout) - toc->offsets[i];
    case TrackType: {
        const track_t number = track_t(cdio_get_first_track_num(Handle()) + track - 1);
        return cdio_get_track_format(Handle(), number) == TRACK_FORMAT_AUDIO ? TrackAudio : TrackOther;
    }
    default:
        Fail(ErrUnsupported);
        return std::nullopt;
    }
}

std::optional<CDiscToc> CCdAudio::TableOfContents()
{
    if (!IsOpen()) {
        Fail(ErrNotOpen);
        return std::nullopt;
    }
    const track_t first = cdio_get_first_track_num(Handle());
    const track_t count = cdio_get_num_tracks(Handle());
    if (first == CDIO_INVALID_TRACK || count == CDIO_INVALID_TRACK || count == 0
        || int(first) + int(count) - 1 > CDIO_CD_MAX_TRACKS) {
        Fail(ErrNoDisc);
        return std::nullopt;
    }
    CDiscToc toc;
    for (int n = first; n < int(first) + int(count); ++n) {
        const lba_t lba = cdio_get_track_lba(Handle(), track_t(n));
        if (lba == CDIO_INVALID_LBA) {
            Fail(ErrDeviceFailed);
            return std::nullopt;
        }
        toc.offsets.push_back(lba);
    }
    toc.leadout = cdio_get_track_lba(Handle(), CDIO_CDROM_LEADOUT_TRACK);
    // A drive emptied mid-read or a CUE sheet placing tracks beyond its
    // data leaves starts out of order or past the end.
    if (toc.leadout == CDIO_INVALID_LBA || !toc.IsValid()) {
        Fail(ErrDeviceFailed);
        return std::nullopt;
    }
    return toc;
}

int CCdAudio::PlayTrack(int track)
{
    const std::optional<long> start = TrackStatus(track, TrackStart);
    const std::optional<long> length = start ? TrackStatus(track, TrackLength) : std::nullopt;
    if (!length)
        return LastError();
    msf_t from = Msf(int(*start));
    msf_t to = Msf(int(*start + *length));
    return cdio_audio_play_msf(Handle(), &from, &to) == DRIVER_OP_SUCCESS ? Succeed() : Fail(ErrUnsupported);
}

int CCdAudio::Stop()
{
    if (!IsOpen())
        return Fail(ErrNotOpen);
    return cdio_audio_stop(Handle()) == DRIVER_OP_SUCCESS ? Succeed() : Fail(ErrUnsupported);
}

int CCdAudio::Pause()
{
    if (!IsOpen())
        return Fail(ErrNotOpen);
    return cdio_audio_pause(Handle()) == DRIVER_OP_SUCCESS ? Succeed() : Fail(ErrUnsupported);
}

int CCdAudio::Seek(int frame)
{
    const std::optional<CDiscToc> toc = TableOfContents();
    if (!toc)
        return LastError();
    if (frame < toc->offsets.front() || frame >= toc->leadout)
        return Fail(ErrBadTrack);
    msf_t from = Msf(frame);
    msf_t to = Msf(toc->leadout);
    if (cdio_audio_play_msf(Handle(), &from, &to) != DRIVER_OP_SUCCESS)
        return Fail(ErrUnsupported);
    return Pause();
}

int CCdAudio::SeekToStart()
{
    const std::optional<long> start = TrackStatus(1, TrackStart);
    return start ? Seek(int(*start)) : LastError();
}

int CCdAudio::SeekToEnd()
{
    const std::optional<CDiscToc> toc = TableOfContents();
    return toc ? Seek(toc->leadout - 1) : LastError();
}

int CCdAudio::DoorOpen()
{
    if (!IsOpen())
        return Fail(ErrNotOpen);
    const QByteArray path = DevicePath().toLocal8Bit();
    return cdio_eject_media_drive(path.isEmpty() ? nullptr : path.constData()) == DRIVER_OP_SUCCESS
        ? Succeed() : Fail(ErrUnsupported);
}

int CCdAudio::DoorClosed()
{
    if (!IsOpen())
        return Fail(ErrNotOpen);
    const QByteArray path = DevicePath().toLocal8Bit();
    driver_id_t driver = DRIVER_DEVICE;
    return cdio_close_tray(path.isEmpty() ? nullptr : path.constData(), &driver) == DRIVER_OP_SUCCESS
        ? Succeed() : Fail(ErrUnsupported);
}
