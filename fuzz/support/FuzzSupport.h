#pragma once
// What the fuzz targets share: a quiet, display-free Qt set-up with
// throw-away user folders, and files made from the fuzzer's bytes for
// readers that take a path.
#include <QBuffer>
#include <QString>

#include <cstddef>
#include <cstdint>

namespace Fuzz {

// Once per process: offscreen Qt application, messages dropped, settings,
// current directory and a registered home folder in a temporary folder.
void Initialize();

// The registered home folder, with a trailing '/'.
QString HomeFolder();

// A scratch folder that lives as long as the process.
QString ScratchFolder();

// Writes the bytes to name in the scratch folder and returns its path.
QString WriteScratchFile(const QString& name, const std::uint8_t* data, std::size_t size);

// The whole file; a file that cannot be read ends the run as a finding.
QByteArray ReadFileOrTrap(const QString& path);

// Feeds the bytes to a reader that loads from a device: it must either
// accept them and pass the soundness check, or refuse them with a reason.
template <class Reader, class Check>
void CheckDeviceReader(const std::uint8_t* data, std::size_t size, Check isSound)
{
    QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    Reader reader;
    const bool accepted = reader.Load(buffer);
    if (accepted ? !isSound(reader) : reader.Error().isEmpty())
        __builtin_trap();
}

} // namespace Fuzz
