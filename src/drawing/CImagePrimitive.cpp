#include "drawing/CImagePrimitive.h"

#include "base/XmlValues.h"
#include "drawing/DrawingDefaults.h"
#include "drawing/BmpReader.h"
#include "drawing/CDrawingEngine.h"
#include "drawing/JpegReader.h"
#include "drawing/PictureReader.h"
#include "platform/Prompter.h"

#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <algorithm>
#include <cstdlib>

namespace {

const QString kImagesFolder = QStringLiteral("Images/");

// Finer detail than this is lost on paper and only swells PDF files.
constexpr int kMaxPrintPixelsPerInch = 600;

// Splits at the last separator of either kind, so names written on another
// system still give their bare file name.
void SplitName(const QString& path, QString& folder, QString& name)
{
    const int cut = std::max(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\')));
    folder = path.left(cut + 1);
    name = path.mid(cut + 1);
}

bool EndsWith(const QString& name, const char* ending)
{
    return name.endsWith(QLatin1String(ending), Qt::CaseInsensitive);
}

// In place: RGB top row first becomes BGR bottom row first.
void ToBgrBottomUp(std::vector<unsigned char>& pixels, int width, int height)
{
    const std::size_t rowBytes = std::size_t(width) * 3;
    for (int top = 0, bottom = height - 1; top < bottom; ++top, --bottom) {
        std::swap_ranges(pixels.begin() + std::ptrdiff_t(top * rowBytes),
                         pixels.begin() + std::ptrdiff_t((top + 1) * rowBytes),
                         pixels.begin() + std::ptrdiff_t(bottom * rowBytes));
    }
    for (std::size_t i = 0; i + 2 < pixels.size(); i += 3)
        std::swap(pixels[i], pixels[i + 2]);
}

QImage ToDrawable(const std::vector<unsigned char>& bgrBottomUp, int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    if (image.isNull())
        return image;
    const std::size_t rowBytes = std::size_t(width) * 3;
    for (int y = 0; y < height; ++y) {
        const unsigned char* in = bgrBottomUp.data() + std::size_t(height - 1 - y) * rowBytes;
        auto* out = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x, in += 3)
            out[x] = qRgb(in[2], in[1], in[0]);
    }
    return image;
}

// A dragged coordinate is taken only while it stays strictly on its side of
// the opposite one, so the box never turns over or collapses.
int MoveAxisWithoutFlip(int value, int opposite, int delta)
{
    const int moved = ClampCoordinate(static_cast<long long>(value) + delta);
    if ((value < opposite && moved < opposite) || (value > opposite && moved > opposite))
        return moved;
    return value;
}

} // namespace

CImagePrimitive::CImagePrimitive(CDrawingEngine* owner) : CBoxPrimitive(owner) {}

CImagePrimitive::CImagePrimitive() = default;

const std::vector<unsigned char>& CImagePrimitive::Pixels() const
{
    static const std::vector<unsigned char> none;
    return m_pixels ? *m_pixels : none;
}

void CImagePrimitive::Assign(const CPrimitive& other)
{
    AssignSameKind(other, &CImagePrimitive::AssignImage);
}

void CImagePrimitive::AssignImage(const CImagePrimitive& other)
{
    if (&other == this)
        return;
    CPrimitive::Assign(other);
    m_isBmp = other.m_isBmp;
    m_fileName = other.m_fileName;
    m_width = other.m_width;
    m_height = other.m_height;
    AssignCorners(other);
    m_pixels = other.m_pixels;
    m_cache = other.m_cache;
    m_printCache = other.m_printCache;
    // A copy shows the picture at its natural size where the source's
    // corner 1 was. The pixels are shared rather than decoded again, so a
    // copy never fails or asks anything when the file has gone since; a
    // source without a picture keeps its box.
    if (HasPixels()) {
        m_corner2 = ShiftPoint(m_corner1, m_width, -m_height);
    }
}

std::shared_ptr<CPrimitive> CImagePrimitive::ShapeSnapshot() const
{
    // Only the box: a copy would take the natural size.
    auto box = std::make_shared<CImagePrimitive>();
    box->m_corner1 = m_corner1;
    box->m_corner2 = m_corner2;
    return box;
}

void CImagePrimitive::RestoreShape(const CPrimitive& snapshot)
{
    // Reshape undo: only the box changed, so the pixels stay.
    const auto* image = dynamic_cast<const CImagePrimitive*>(&snapshot);
    if (!image)
        return;
    m_corner1 = image->m_corner1;
    m_corner2 = image->m_corner2;
    SetSelected(false);
}

std::shared_ptr<CPrimitive> CImagePrimitive::Clone() const
{
    return CloneOf(*this);
}

bool CImagePrimitive::LoadFile(const QString& fileName)
{
    if (EndsWith(fileName, "jpg") || EndsWith(fileName, ".jpeg"))
        return LoadJpeg(fileName);
    if (EndsWith(fileName, "bmp"))
        return LoadBmp(fileName);
    return LoadPicture(fileName);
}

bool CImagePrimitive::LoadPicture(const QString& fileName)
{
    PictureResult result = ReadPictureFile(fileName);
    if (!result.Ok()) {
        Prompter().ShowMessage(QStringLiteral("Picture :\nCan't read %1\n%2\n").arg(fileName, result.reason),
                               CPrompter::Icon::Error);
        return false;
    }
    SetPicture(QDir::cleanPath(QFileInfo(fileName).absoluteFilePath()), std::move(result.image));
    return true;
}

void CImagePrimitive::SetPicture(const QString& fileName, QImage picture)
{
    ClearImage();
    m_fileName = fileName;
    m_width = picture.width();
    m_height = picture.height();
    m_corner1 = QPoint(0, 0);
    m_corner2 = ClampPoint(QPoint(m_width, -m_height));
    m_cache = std::move(picture);
}

bool CImagePrimitive::LoadJpeg(const QString& fileName)
{
    JpegResult result = ReadJpegFile(fileName);
    switch (result.status) {
    case JpegStatus::Ok:
        StorePicture(fileName, std::move(result.picture));
        return true;
    case JpegStatus::CannotOpen:
        Prompter().ShowMessage(QStringLiteral("JPEG :\nCan't open %1\n").arg(fileName), CPrompter::Icon::Error);
        return false;
    case JpegStatus::TooLarge:
        Prompter().ShowMessage(QStringLiteral("JpegFile :\nOut of memory"), CPrompter::Icon::Error);
        return false;
    case JpegStatus::Failed:
        break;
    }
    Prompter().ShowMessage(QStringLiteral("JPEG :\n%1\n%2\n").arg(fileName, result.detail), CPrompter::Icon::Error);
    return false;
}

bool CImagePrimitive::LoadBmp(const QString& fileName)
{
    BmpResult result = ReadBmpFile(fileName);
    if (!result.Ok() || result.picture.rgb.empty()) {
        Prompter().ShowMessage(result.message, CPrompter::Icon::Error);
        return false;
    }
    StorePicture(fileName, std::move(result.picture));
    return true;
}

void CImagePrimitive::StorePicture(const QString& fileName, CDecodedPicture&& picture)
{
    ToBgrBottomUp(picture.rgb, picture.width, picture.height);
    SetImage(QDir::cleanPath(QFileInfo(fileName).absoluteFilePath()), std::move(picture.rgb), picture.width,
             picture.height);
}

void CImagePrimitive::SetImage(const QString& fileName, std::vector<unsigned char> bgrBottomUp, int width, int height)
{
    m_fileName = fileName;
    m_isBmp = EndsWith(fileName, "bmp");
    m_width = width;
    m_height = height;
    m_corner1 = QPoint(0, 0);
    m_corner2 = ClampPoint(QPoint(width, -height));
    m_cache = ToDrawable(bgrBottomUp, width, height);
    m_printCache = QImage();
    m_pixels = std::make_shared<const std::vector<unsigned char>>(std::move(bgrBottomUp));
}

void CImagePrimitive::ClearImage()
{
    m_isBmp = false;
    m_pixels.reset();
    m_cache = QImage();
    m_printCache = QImage();
    m_width = 0;
    m_height = 0;
}

int CImagePrimitive::Draw(QPainter& painter)
{
    if (!m_owner || !HasPixels())
        return 0;
    const QPoint v1 = ToView(m_corner1);
    const int w = m_owner->ToView(std::abs(m_corner2.x() - m_corner1.x()));
    const int h = m_owner->ToView(std::abs(m_corner2.y() - m_corner1.y()));
    painter.save();
    // The painter has y up; flip locally so the picture's top row is at
    // corner 1 and it extends right and down from there.
    painter.translate(v1);
    painter.scale(1, -1);
    painter.drawImage(QRectF(0, 0, w, h), m_owner->IsPrinting() ? PrintImage(QSize(w, h)) : m_cache);
    painter.restore();
    if (IsSelected())
        DrawCornerHandles(painter, v1, ToView(m_corner2));
    return 1;
}

const QImage& CImagePrimitive::PrintImage(QSize printedLabelUnits)
{
    // Label units are hundredths of an inch; partial pixels count whole.
    const auto pixels = [](int labelUnits) { return (labelUnits * kMaxPrintPixelsPerInch + 99) / 100; };
    const QSize most(pixels(printedLabelUnits.width()), pixels(printedLabelUnits.height()));
    if (m_cache.width() <= most.width() && m_cache.height() <= most.height())
        return m_cache;
    const QSize wanted = m_cache.size().boundedTo(most).expandedTo(QSize(1, 1));
    if (m_printCache.size() != wanted)
        m_printCache = m_cache.scaled(wanted, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return m_printCache;
}

void CImagePrimitive::MoveGrabbed(int dx, int dy)
{
    int* x = nullptr;
    int* y = nullptr;
    if (!GrabbedCornerAxes(x, y))
        return;
    const int oppositeX = x == &m_corner1.rx() ? m_corner2.x() : m_corner1.x();
    const int oppositeY = y == &m_corner1.ry() ? m_corner2.y() : m_corner1.y();
    *x = MoveAxisWithoutFlip(*x, oppositeX, dx);
    *y = MoveAxisWithoutFlip(*y, oppositeY, dy);
    m_grabbedPoint = QPoint(*x, *y);
}

bool CImagePrimitive::HitTest(QPoint viewPoint) const
{
    if (!m_owner)
        return false;
    return PointInBox(m_corner1, m_corner2, ClampPoint(ToLabel(viewPoint)));
}

void CImagePrimitive::PrepareStore()
{
    const QString home = CDrawingDefaults::Instance().HomeFolder();
    QString folder, name;
    SplitName(m_fileName, folder, name);
    // Relative to the home folder where possible, so labels and their
    // pictures can move together; written with the stored backslashes.
    m_storedName = m_fileName;
    if (folder == home)
        m_storedName = QStringLiteral(".\\") + name;
    else if (folder == home + kImagesFolder)
        m_storedName = QStringLiteral(".\\Images\\") + name;
}

void CImagePrimitive::FieldsLoaded()
{
    // The stored box, read next, wins over the natural size this gives.
    LoadStoredName(m_storedName);
}

void CImagePrimitive::LoadStoredName(const QString& storedName)
{
    const QString home = CDrawingDefaults::Instance().HomeFolder();
    QString folder, name;
    SplitName(storedName, folder, name);
    folder.replace(QLatin1Char('\\'), QLatin1Char('/'));
    m_fileName = storedName;
    if (folder == QLatin1String("./"))
        m_fileName = home + name;
    else if (folder == QLatin1String("./") + kImagesFolder)
        m_fileName = home + kImagesFolder + name;

    for (const QString& candidate : {m_fileName, home + name, home + kImagesFolder + name}) {
        if (QFileInfo(candidate).isFile()) {
            LoadFile(candidate);
            return;
        }
    }
    Prompter().ShowMessage(QStringLiteral("Missing filename %1").arg(name), CPrompter::Icon::Warning);
}
