#include "directory/FileRangeDevice.h"

#include <algorithm>

CFileRangeDevice::CFileRangeDevice(QIODevice& file, qint64 start, qint64 length)
    : m_file(file), m_start(std::clamp<qint64>(start, 0, file.size()))
    , m_length(std::clamp<qint64>(length, 0, file.size() - m_start))
{
    open(QIODevice::ReadOnly | QIODevice::Unbuffered);
}

qint64 CFileRangeDevice::readData(char* data, qint64 maxSize)
{
    const qint64 wanted = std::min(maxSize, m_length - pos());
    if (wanted <= 0)
        return 0;
    if (!m_file.seek(m_start + pos()))
        return -1;
    return m_file.read(data, wanted);
}
