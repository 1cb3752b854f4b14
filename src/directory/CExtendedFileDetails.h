#pragma once
// Playing lengths of audio files: the factory picks a reader by the file's
// extension; MP3, WAV and VOC have readers of their own, the formats of
// today (FLAC, Ogg, Opus, M4A, AAC, WMA) go through TagLib.
#include <QString>

#include <memory>

class QFile;

class CExtendedFileDetails
{
public:
    explicit CExtendedFileDetails(QString path) : m_path(std::move(path)) {}
    virtual ~CExtendedFileDetails() = default;

    // True when the file could be read as this format.
    virtual bool Load() { return false; }
    // Whole seconds; 0 when unknown.
    virtual int SongLength() const { return 0; }

    const QString& Path() const { return m_path; }

protected:
    // Opens the path for reading when it is a regular file; a FIFO or a
    // device node is never opened in a way that could block.
    bool OpenRegularFile(QFile& file) const;

private:
    QString m_path;
};

class CMP3ExtendedFileDetails final : public CExtendedFileDetails
{
public:
    using CExtendedFileDetails::CExtendedFileDetails;
    bool Load() override;
    int SongLength() const override { return m_songLength; }

private:
    int m_songLength = 0;
};

// A file that fails is reported once through the prompter.
class CWAVExtendedFileDetails final : public CExtendedFileDetails
{
public:
    using CExtendedFileDetails::CExtendedFileDetails;
    bool Load() override;
    int SongLength() const override { return m_songLength; }

private:
    int m_songLength = 0;
};

class CVOCExtendedFileDetails final : public CExtendedFileDetails
{
public:
    using CExtendedFileDetails::CExtendedFileDetails;
    bool Load() override;
    int SongLength() const override { return m_songLength; }

private:
    int m_songLength = 0;
};

class CTagLibExtendedFileDetails final : public CExtendedFileDetails
{
public:
    using CExtendedFileDetails::CExtendedFileDetails;
    bool Load() override;
    int SongLength() const override { return m_songLength; }

private:
    int m_songLength = 0;
};

// Bare ADTS streams, which TagLib does not read.
class CAACExtendedFileDetails final : public CExtendedFileDetails
{
public:
    using CExtendedFileDetails::CExtendedFileDetails;
    bool Load() override;
    int SongLength() const override { return m_songLength; }

private:
    int m_songLength = 0;
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
