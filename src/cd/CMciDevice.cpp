#include "cd/CMciDevice.h"

#include "platform/Prompter.h"

#include <QFile>
#include <QStringList>
#include <cdio/cdio.h>
#include <cdio/audio.h>
#include <cdio/logging.h>
#include <cdio/mmc.h>

namespace {

void QuietLog(cdio_log_level_t, const char*) {}

// libcdio writes its warnings to stderr unless given a handler.
void QuietLibcdio()
{
    static const bool quiet = (cdio_log_set_handler(QuietLog), true);
    Q_UNUSED(quiet);
}

CdIo_t* OpenPath(const QString& path)
{
    QuietLibcdio();
    if (path.isEmpty())
        return cdio_open(nullptr, DRIVER_DEVICE);
    const QByteArray native = QFile::encodeName(path);
    // Pick the driver by name: trying every driver on an unknown file would
    // let a device driver poke at a plain file.
    const QString lower = path.toLower();
    if (lower.endsWith(QLatin1String(".cue")))
        return cdio_open_cue(native.constData());
    if (lower.endsWith(QLatin1String(".toc")))
        return cdio_open(native.constData(), DRIVER_CDRDAO);
    if (lower.endsWith(QLatin1String(".nrg")))
        return cdio_open(native.constData(), DRIVER_NRG);
    return cdio_open(native.constData(), DRIVER_DEVICE);
}

} // namespace

CMciDevice::~CMciDevice()
{
    if (m_cdio)
        cdio_destroy(m_cdio);
}

int CMciDevice::Open(const QString& devicePath)
{
    Close();
    m_cdio = OpenPath(devicePath);
    if (!m_cdio)
        return Fail(ErrCannotOpen);
    m_path = devicePath;
    return Succeed();
}

int CMciDevice::Close()
{
    if (!m_cdio)
        return Fail(ErrNotOpen);
    cdio_destroy(m_cdio);
    m_cdio = nullptr;
    m_path.clear();
    return Succeed();
}

std::optional<long> CMciDevice::Status(int item)
{
    if (!m_cdio) {
        Fail(ErrNotOpen);
        return std::nullopt;
    }
    const bool hasDisc = cdio_get_discmode(m_cdio) != CDIO_DISC_MODE_ERROR
        && cdio_get_first_track_num(m_cdio) != CDIO_INVALID_TRACK;
    if (item == StatusReady)
        return hasDisc ? 1 : 0;
    cdio_subchannel_t sub{};
    const bool playing = cdio_audio_read_subchannel(m_cdio, &sub) == DRIVER_OP_SUCCESS;
    if (item == StatusMode) {
        if (!hasDisc)
            return ModeNotReady;
        if (playing && sub.audio_status == CDIO_MMC_READ_SUB_ST_PLAY)
            return ModePlay;
        if (playing && sub.audio_status == CDIO_MMC_READ_SUB_ST_PAUSED)
            return ModePause;
        return ModeStop;
    }
    if (!hasDisc) {
        Fail(ErrNoDisc);
        return std::nullopt;
    }
    switch (item) {
    case StatusNumberOfTracks:
        return long(cdio_get_num_tracks(m_cdio));
    case StatusLength: {
        const lba_t first = cdio_get_track_lba(m_cdio, cdio_get_first_track_num(m_cdio));
        const lba_t leadout = cdio_get_track_lba(m_cdio, CDIO_CDROM_LEADOUT_TRACK);
        if (first == CDIO_INVALID_LBA || leadout == CDIO_INVALID_LBA || leadout < first)
            break;
        return long(leadout - first);
    }
    case StatusPosition:
        if (!playing) {
            Fail(ErrUnsupported);
            return std::nullopt;
        }
        return long(cdio_msf_to_lba(&sub.abs_addr));
    case StatusCurrentTrack:
        return long(playing && sub.track ? sub.track - cdio_get_first_track_num(m_cdio) + 1 : 1);
    default:
        Fail(ErrUnsupported);
        return std::nullopt;
    }
    Fail(ErrDeviceFailed);
    return std::nullopt;
}

QString CMciDevice::ErrorText(int error)
{
    switch (error) {
    case ErrNotOpen: return QStringLiteral("The device is not open.");
    case ErrCannotOpen: return QStringLiteral("The device could not be opened.");
    case ErrNoDisc: return QStringLiteral("There is no readable disc in the drive.");
    case ErrUnsupported: return QStringLiteral("The device cannot carry out this command.");
    case ErrBadTrack: return QStringLiteral("There is no such track on the disc.");
    case ErrDeviceFailed: return QStringLiteral("The device did not answer as expected.");
    default: return QStringLiteral("Unknown Error");
    }
}

int CMciDevice::Fail(int error)
{
    m_lastError = error;
    if (m_reportErrors)
        Prompter().ShowMessage(ErrorText(error), CPrompter::Icon::Warning);
    return error;
}

QStringList CdDrivePaths()
{
    QuietLibcdio();
    QStringList paths;
    char** devices = cdio_get_devices(DRIVER_DEVICE);
    for (char** d = devices; d && *d; ++d)
        paths << QString::fromLocal8Bit(*d);
    cdio_free_device_list(devices);
    return paths;
}
