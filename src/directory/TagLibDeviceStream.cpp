#include "directory/TagLibDeviceStream.h"

#include <QIODevice>

#include <algorithm>

TagLib::ByteVector CTagLibDeviceStream::readBlock(unsigned long length)
{
    // A damaged header can ask for gigabytes: never more than is left.
    const qint64 wanted = std::min<qint64>(qint64(length), std::max<qint64>(0, m_device.size() - m_device.pos()));
    TagLib::ByteVector block(static_cast<unsigned int>(wanted), '\0');
    const qint64 got = wanted > 0 ? m_device.read(block.data(), wanted) : 0;
    block.resize(static_cast<unsigned int>(std::max<qint64>(0, got)));
    return block;
}

bool CTagLibDeviceStream::isOpen() const
{
    return m_device.isOpen();
}

void CTagLibDeviceStream::seek(long offset, Position from)
{
    qint64 base = 0;
    if (from == Current)
        base = m_device.pos();
    else if (from == End)
        base = m_device.size();
    m_device.seek(std::clamp<qint64>(base + offset, 0, m_device.size()));
}

long CTagLibDeviceStream::tell() const
{
    return long(m_device.pos());
}

long CTagLibDeviceStream::length()
{
    return long(m_device.size());
}
