#pragma once
// A picture (JPEG, BMP, or any format Qt reads, transparency kept)
// stretched to its box. Files store only the picture's
// name (relative to the home folder where possible); pixels are decoded again
// on loading and copying.
#include "drawing/CBoxPrimitive.h"
#include "drawing/DecodedPicture.h"

#include <QImage>
#include <memory>
#include <vector>

class CImagePrimitive : public CBoxPrimitive
{
public:
    explicit CImagePrimitive(CDrawingEngine* owner);
    CImagePrimitive();

    const char* TypeName() const override { return "CImagePrimitive"; }
    void Assign(const CPrimitive& other) override;
    std::shared_ptr<CPrimitive> ShapeSnapshot() const override;
    void RestoreShape(const CPrimitive& snapshot) override;
    int Draw(QPainter& painter) override;
    bool HitTest(QPoint viewPoint) const override;
    std::shared_ptr<CPrimitive> Clone() const override;

    void AssignImage(const CImagePrimitive& other);
    // By the name's ending, any case: "jpg" and ".jpeg" through libjpeg,
    // "bmp" through our BMP reader, anything else through Qt's readers.
    // Every failure is reported through the prompter.
    bool LoadFile(const QString& fileName);
    bool LoadJpeg(const QString& fileName);
    bool LoadBmp(const QString& fileName);
    bool LoadPicture(const QString& fileName);
    // Takes bottom-up BGR pixels; the box becomes the natural size at (0, 0).
    void SetImage(const QString& fileName, std::vector<unsigned char> bgrBottomUp, int width, int height);
    void ClearImage();

    QString FileName() const { return m_fileName; }
    int Width() const { return m_width; }
    int Height() const { return m_height; }
    bool HasPixels() const { return !m_cache.isNull(); }
    // The decoded JPEG or BMP pixels; empty for the other formats.
    const std::vector<unsigned char>& Pixels() const;
    // What is drawn, transparency included.
    const QImage& Picture() const { return m_cache; }
    bool IsBmp() const { return m_isBmp; }

protected:
    QString DescriptionName() const override { return QStringLiteral("Image"); }
    // A dragged corner never passes the opposite one.
    void MoveGrabbed(int dx, int dy) override;
    std::vector<KeyedField> OwnFields() override { return {{"FILENAME", &m_storedName}}; }
    void PrepareStore() override;
    void FieldsLoaded() override;
    std::size_t DrawnStateKey() const override { return std::size_t(m_cache.cacheKey()); }

private:
    // Converts a decoded picture to the stored form and shows it at its
    // natural size; the name is kept absolute.
    void StorePicture(const QString& fileName, CDecodedPicture&& picture);
    void SetPicture(const QString& fileName, QImage picture);
    void LoadStoredName(const QString& storedName);

    bool m_isBmp = false;
    QString m_fileName;
    // BGR, bottom row first, unpadded; shared by copies, never changed.
    std::shared_ptr<const std::vector<unsigned char>> m_pixels;
    int m_width = 0;
    int m_height = 0;
    // The file name as a label file holds it.
    QString m_storedName;
    QImage m_cache; // converted once, drawn many times
    // What printing and export draw: the picture at no more than
    // kMaxPrintPixelsPerInch of its printed size, made when the size changes.
    const QImage& PrintImage(QSize printedLabelUnits);
    QImage m_printCache;
};
