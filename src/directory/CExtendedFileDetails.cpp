#include "directory/CExtendedFileDetails.h"

#include "directory/CADTSInfo.h"
#include "directory/CMP3HeaderReader.h"
#include "directory/CVOCInfo.h"
#include "directory/CWAVInfo.h"
#include "directory/TagLibDeviceStream.h"
#include "platform/Prompter.h"

#include <QFile>

#include <taglib/audioproperties.h>
#include <taglib/fileref.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The extension from the last dot of the file name, dot included, lower case.
QString ExtensionOf(const QString& path)
{
    const qsizetype slash = path.lastIndexOf(u'/');
    const qsizetype dot = path.lastIndexOf(u'.');
    return dot > slash ? path.mid(dot).toLower() : QString();
}

template <class Details>
std::unique_ptr<CExtendedFileDetails> Make(const QString& path)
{
    return std::make_unique<Details>(path);
}

struct Reader
{
    const char* extension;
    std::unique_ptr<CExtendedFileDetails> (*make)(const QString&);
};

const Reader kReaders[] = {
    {".wav", Make<CWAVExtendedFileDetails>},     {".mp3", Make<CMP3ExtendedFileDetails>},
    {".voc", Make<CVOCExtendedFileDetails>},     {".flac", Make<CTagLibExtendedFileDetails>},
    {".ogg", Make<CTagLibExtendedFileDetails>},  {".oga", Make<CTagLibExtendedFileDetails>},
    {".opus", Make<CTagLibExtendedFileDetails>}, {".m4a", Make<CTagLibExtendedFileDetails>},
    {".aac", Make<CAACExtendedFileDetails>},  {".wma", Make<CTagLibExtendedFileDetails>},
};

const Reader* FindReader(const QString& name)
{
    const QString extension = ExtensionOf(name);
    if (extension.isEmpty())
        return nullptr;
    for (const Reader& reader : kReaders) {
        if (extension == QLatin1String(reader.extension))
            return &reader;
    }
    return nullptr;
}

// An unloaded reader for name's extension, or null.
std::unique_ptr<CExtendedFileDetails> ReaderFor(const QString& name)
{
    const Reader* reader = FindReader(name);
    return reader ? reader->make(name) : nullptr;
}

} // namespace

bool CExtendedFileDetails::Load()
{
    const int fd = ::open(QFile::encodeName(m_path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat st;
    QFile file;
    if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || !file.open(fd, QIODevice::ReadOnly, QFile::AutoCloseHandle)) {
        ::close(fd);
        return false;
    }
    return Load(file);
}

bool CExtendedFileDetails::Load(QIODevice& device)
{
    std::optional<int> length;
    try {
        length = ReadLength(device);
    } catch (...) {
    }
    m_songLength = length.value_or(0);
    return length.has_value();
}

std::optional<int> CMP3ExtendedFileDetails::ReadLength(QIODevice& device) const
{
    CMP3HeaderReader reader;
    return reader.Load(device, device.size()) ? std::optional(reader.SongLength()) : std::nullopt;
}

std::optional<int> CWAVExtendedFileDetails::ReadLength(QIODevice& device) const
{
    CWAVInfo info;
    if (info.Load(device))
        return info.SongLength();
    Prompter().ShowMessage(QStringLiteral("The file cannot be loaded as a wave file"), CPrompter::Icon::Warning);
    return std::nullopt;
}

std::optional<int> CVOCExtendedFileDetails::ReadLength(QIODevice& device) const
{
    CVOCInfo info;
    return info.Load(device) ? std::optional(info.SongLength()) : std::nullopt;
}

std::optional<int> CAACExtendedFileDetails::ReadLength(QIODevice& device) const
{
    CADTSInfo info;
    return info.Load(device, device.size()) ? std::optional(info.SongLength()) : std::nullopt;
}

std::optional<int> CTagLibExtendedFileDetails::ReadLength(QIODevice& device) const
{
    CTagLibDeviceStream stream(device, QFile::encodeName(Path()));
    const TagLib::FileRef ref(&stream, true, TagLib::AudioProperties::Fast);
    if (ref.isNull() || !ref.audioProperties())
        return std::nullopt;
    return ref.audioProperties()->lengthInSeconds();
}

std::unique_ptr<CExtendedFileDetails> CExtendedFileDetailsFactory::CreateDetails(const QString& path)
{
    std::unique_ptr<CExtendedFileDetails> details = ReaderFor(path);
    return details && details->Load() ? std::move(details) : nullptr;
}

int CExtendedFileDetailsFactory::SongLength(const QString& path)
{
    const std::unique_ptr<CExtendedFileDetails> details = CreateDetails(path);
    return details ? details->SongLength() : 0;
}

int CExtendedFileDetailsFactory::SongLength(const QString& name, QIODevice& device)
{
    const std::unique_ptr<CExtendedFileDetails> details = ReaderFor(name);
    return details && details->Load(device) ? details->SongLength() : 0;
}

bool CExtendedFileDetailsFactory::HasReader(const QString& name)
{
    return FindReader(name) != nullptr;
}
