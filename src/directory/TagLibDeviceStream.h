#pragma once
// TagLib reads through this from any open Qt device, so an audio file
// inside a disc image needs no path of its own. Read only.
#include <QByteArray>

#include <taglib/tiostream.h>

class QIODevice;

class CTagLibDeviceStream final : public TagLib::IOStream
{
public:
    // name is what TagLib sees as the file name: its extension picks the format.
    CTagLibDeviceStream(QIODevice& device, QByteArray name) : m_device(device), m_name(std::move(name)) {}

    TagLib::FileName name() const override { return m_name.constData(); }
    TagLib::ByteVector readBlock(unsigned long length) override;
    void writeBlock(const TagLib::ByteVector&) override {}
    void insert(const TagLib::ByteVector&, unsigned long, unsigned long) override {}
    void removeBlock(unsigned long, unsigned long) override {}
    bool readOnly() const override { return true; }
    bool isOpen() const override;
    void seek(long offset, Position from) override;
    long tell() const override;
    long length() override;
    void truncate(long) override {}

private:
    QIODevice& m_device;
    QByteArray m_name;
};
