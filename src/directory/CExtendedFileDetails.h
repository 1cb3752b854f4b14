#pragma once
// Playing lengths of audio files: the factory picks a reader by the file's
// extension; MP3, WAV and VOC have readers of their own, the formats of
// today (FLAC, Ogg, Opus, M4A, AAC, WMA) go through TagLib.
#include <QString>

#include <functional>
#include <memory>
#include <optional>

class QFile;

class CExtendedFileDetails
{
public:
    explicit CExtendedFileDetails(QString path) : m_path(std::move(path)) {}
    virtual ~CExtendedFileDetails() = default;

    // True when the file could be read as this format.
    virtual bool Load() { return false; }
    // Whole seconds; 0 when unknown.
    int SongLength() const { return m_songLength; }

    const QString& Path() const { return m_path; }

protected:
    // Opens the path for reading when it is a regular file (a FIFO or a
    // device node is never opened in a way that could block) and keeps the
    // length that read(file) gives; false when either fails.
    bool LoadLength(const std::function<std::optional<int>(QFile&)>& read);

private:
    QString m_path;
    int m_songLength = 0;
};

class CMP3ExtendedFileDetails final : public CExtendedFileDetails
{
public:
    using CExtendedFileDetails::CExtendedFileDetails;
    bool Load() override;
};

// A file that fails is reported once through the prompter.
class CWAVExtendedFileDetails final : public CExtendedFileDetails
{
public:
    using CExtendedFileDetails::CExtendedFileDetails;
    bool Load() override;
};

class CVOCExtendedFileDetails final : public CExtendedFileDetails
{
public:
    using CExtendedFileDetails::CExtendedFileDetails;
    bool Load() override;
};

class CTagLibExtendedFileDetails final : public CExtendedFileDetails
{
public:
    using CExtendedFileDetails::CExtendedFileDetails;
    bool Load() override;
};

// Bare ADTS streams, which TagLib does not read.
class CAACExtendedFileDetails final : public CExtendedFileDetails
{
public:
    using CExtendedFileDetails::CExtendedFileDetails;
    bool Load() override;
};

class CExtendedFileDetailsFactory
{
public:
    // Loaded details for a known extension (any case), or null when the
    // extension is unknown or the file cannot be read as that format.
    static std::unique_ptr<CExtendedFileDetails> CreateDetails(const QString& path);
    // The song length of the file at path, 0 when none can be had.
    static int SongLength(const QString& path);
};
