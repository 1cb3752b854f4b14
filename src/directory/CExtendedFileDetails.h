#pragma once
// Playing lengths of audio files: the factory picks a reader by the file's
// extension; MP3, WAV and VOC have readers of their own, the formats of
// today (FLAC, Ogg, Opus, M4A, AAC, WMA) go through TagLib. Every reader
// works on an open device, so a file inside a disc image is read in place.
#include <QString>

#include <memory>
#include <optional>

class QIODevice;

class CExtendedFileDetails
{
public:
    explicit CExtendedFileDetails(QString path) : m_path(std::move(path)) {}
    virtual ~CExtendedFileDetails() = default;

    // Opens the path when it is a regular file (a FIFO or a device node is
    // never opened in a way that could block) and reads it; true when it
    // could be read as this format.
    bool Load();
    // Reads the format from a device open for reading; the path only names it.
    bool Load(QIODevice& device);
    // Whole seconds; 0 when unknown.
    int SongLength() const { return m_songLength; }

    const QString& Path() const { return m_path; }

protected:
    virtual std::optional<int> ReadLength(QIODevice& device) const = 0;

private:
    QString m_path;
    int m_songLength = 0;
};

class CMP3ExtendedFileDetails final : public CExtendedFileDetails
{
public:
    using CExtendedFileDetails::CExtendedFileDetails;

protected:
    std::optional<int> ReadLength(QIODevice& device) const override;
};

// A file that fails is reported once through the prompter.
class CWAVExtendedFileDetails final : public CExtendedFileDetails
{
public:
    using CExtendedFileDetails::CExtendedFileDetails;

protected:
    std::optional<int> ReadLength(QIODevice& device) const override;
};

class CVOCExtendedFileDetails final : public CExtendedFileDetails
{
public:
    using CExtendedFileDetails::CExtendedFileDetails;

protected:
    std::optional<int> ReadLength(QIODevice& device) const override;
};

class CTagLibExtendedFileDetails final : public CExtendedFileDetails
{
public:
    using CExtendedFileDetails::CExtendedFileDetails;

protected:
    std::optional<int> ReadLength(QIODevice& device) const override;
};

// Bare ADTS streams, which TagLib does not read.
class CAACExtendedFileDetails final : public CExtendedFileDetails
{
public:
    using CExtendedFileDetails::CExtendedFileDetails;

protected:
    std::optional<int> ReadLength(QIODevice& device) const override;
};

class CExtendedFileDetailsFactory
{
public:
    // Loaded details for a known extension (any case), or null when the
    // extension is unknown or the file cannot be read as that format.
    static std::unique_ptr<CExtendedFileDetails> CreateDetails(const QString& path);
    // The song length of the file at path, 0 when none can be had.
    static int SongLength(const QString& path);
    // The same for a file already open as device; name gives the extension.
    static int SongLength(const QString& name, QIODevice& device);
    // Whether name's extension has a reader, so a caller can skip the rest.
    static bool HasReader(const QString& name);
};
