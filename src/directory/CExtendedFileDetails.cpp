#include "directory/CExtendedFileDetails.h"

#include "directory/CADTSInfo.h"
#include "directory/CMP3HeaderReader.h"
#include "directory/CVOCInfo.h"
#include "directory/CWAVInfo.h"
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

} // namespace

bool CExtendedFileDetails::LoadLength(const std::function<std::optional<int>(QFile&)>& read)
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
    const std::optional<int> length = read(file);
    m_songLength = length.value_or(0);
    return length.has_value();
}

bool CMP3ExtendedFileDetails::Load()
{
    return LoadLength([](QFile& file) -> std::optional<int> {
        CMP3HeaderReader reader;
        return reader.Load(file, file.size()) ? std::optional(reader.SongLength()) : std::nullopt;
    });
}

bool CWAVExtendedFileDetails::Load()
{
    return LoadLength([](QFile& file) -> std::optional<int> {
        CWAVInfo info;
        if (info.Load(file))
            return info.SongLength();
        Prompter().ShowMessage(QStringLiteral("The file cannot be loaded as a wave file"), CPrompter::Icon::Warning);
        return std::nullopt;
    });
}

bool CVOCExtendedFileDetails::Load()
{
    return LoadLength([](QFile& file) -> std::optional<int> {
        CVOCInfo info;
        return info.Load(file) ? std::optional(info.SongLength()) : std::nullopt;
    });
}

bool CAACExtendedFileDetails::Load()
{
    return LoadLength([](QFile& file) -> std::optional<int> {
        CADTSInfo info;
        return info.Load(file, file.size()) ? std::optional(info.SongLength()) : std::nullopt;
    });
}

bool CTagLibExtendedFileDetails::Load()
{
    return LoadLength([this](QFile& file) -> std::optional<int> {
        file.close();
        const TagLib::FileRef ref(QFile::encodeName(Path()).constData(), true, TagLib::AudioProperties::Fast);
        if (ref.isNull() || !ref.audioProperties())
            return std::nullopt;
        return ref.audioProperties()->lengthInSeconds();
    });
}

std::unique_ptr<CExtendedFileDetails> CExtendedFileDetailsFactory::CreateDetails(const QString& path)
{
    const QString extension = ExtensionOf(path);
    if (extension.isEmpty())
        return nullptr;
    for (const Reader& reader : kReaders) {
        if (extension != QLatin1String(reader.extension))
            continue;
        std::unique_ptr<CExtendedFileDetails> details = reader.make(path);
        try {
            if (details->Load())
                return details;
        } catch (...) {
        }
        return nullptr;
    }
    return nullptr;
}

int CExtendedFileDetailsFactory::SongLength(const QString& path)
{
    const std::unique_ptr<CExtendedFileDetails> details = CreateDetails(path);
    return details ? details->SongLength() : 0;
}
