#pragma once
// A read-only window onto part of an open file, seen as a file of its own:
// a file stored inside a disc image, read in place.
#include <QIODevice>

class CFileRangeDevice final : public QIODevice
{
public:
    // The window is cut to what the file holds.
    CFileRangeDevice(QIODevice& file, qint64 start, qint64 length);

    bool isSequential() const override { return false; }
    qint64 size() const override { return m_length; }

protected:
    qint64 readData(char* data, qint64 maxSize) override;
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    QIODevice& m_file;
    qint64 m_start;
    qint64 m_length;
};
