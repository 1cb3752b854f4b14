#include "drawing/PictureReader.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>

#include <algorithm>

namespace {

PictureResult Read(QIODevice& device, std::uint64_t maxPixels)
{
    // Qt's own allocation guard is lower than our pixel bound; raise it so
    // that the bound below is the one that decides.
    static const bool limitRaised = [] {
        constexpr std::uint64_t kBytesPerPixel = 4;
        const int megabytes = int(kMaxPicturePixels * kBytesPerPixel / (1024 * 1024) + 1);
        QImageReader::setAllocationLimit(std::max(QImageReader::allocationLimit(), megabytes));
        return true;
    }();
    (void)limitRaised;

    const auto tooLarge = [maxPixels](QSize size) {
        return size.isValid() && std::uint64_t(size.width()) * std::uint64_t(size.height()) > maxPixels;
    };
    const QString tooLargeReason = QStringLiteral("The picture has more than %1 pixels.").arg(maxPixels);
    QImageReader reader(&device);
    if (tooLarge(reader.size()))
        return {QImage(), tooLargeReason};
    QImage image = reader.read();
    if (image.isNull()) {
        const QString reason = reader.error() == QImageReader::UnsupportedFormatError
            ? QStringLiteral("This is not a picture format Covermint can read.")
            : reader.errorString();
        return {QImage(), reason};
    }
    if (tooLarge(image.size()))
        return {QImage(), tooLargeReason};
    return {image.convertToFormat(QImage::Format_ARGB32_Premultiplied), QString()};
}

} // namespace

PictureResult ReadPictureFile(const QString& path, std::uint64_t maxPixels)
{
    const int fd = OpenRegularFile(path);
    QFile file;
    if (fd < 0 || !file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle))
        return {QImage(), QStringLiteral("The file cannot be opened.")};
    return Read(file, maxPixels);
}

PictureResult ReadPictureMemory(const QByteArray& bytes, std::uint64_t maxPixels)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return Read(buffer, maxPixels);
}

QStringList PictureFileSuffixes()
{
    QStringList suffixes{QStringLiteral("jpg"), QStringLiteral("jpeg"), QStringLiteral("bmp")};
    for (const QByteArray& format : QImageReader::supportedImageFormats())
        suffixes.append(QString::fromLatin1(format).toLower());
    suffixes.removeDuplicates();
    return suffixes;
}

bool HasPictureSuffix(const QString& fileName)
{
    static const QStringList suffixes = PictureFileSuffixes();
    const int dot = fileName.lastIndexOf(QLatin1Char('.'));
    return dot >= 0 && suffixes.contains(fileName.mid(dot + 1).toLower());
}
