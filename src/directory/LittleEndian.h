#pragma once
// Little-endian numbers in file headers.
#include <QtGlobal>

inline quint16 LittleEndian16(const char* p)
{
    const auto* b = reinterpret_cast<const unsigned char*>(p);
    return quint16(b[0] | b[1] << 8);
}

inline quint32 LittleEndian24(const char* p)
{
    const auto* b = reinterpret_cast<const unsigned char*>(p);
    return quint32(b[0]) | quint32(b[1]) << 8 | quint32(b[2]) << 16;
}

inline quint32 LittleEndian32(const char* p)
{
    const auto* b = reinterpret_cast<const unsigned char*>(p);
    return LittleEndian24(p) | quint32(b[3]) << 24;
}
