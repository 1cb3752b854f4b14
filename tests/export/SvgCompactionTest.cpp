// SVG export writes the drawing with far fewer groups than Qt's writer makes,
// and the file draws exactly what the writer's own output draws.
#include "document/CCovermintDoc.h"
#include "drawing/CRectangle.h"
#include "drawing/CTextPrimitive.h"
#include "export/LabelExporter.h"
#include "export/PrintRendering.h"
#include "export/SvgCompaction.h"
#include "support/TempHome.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QByteArray WriterOutput(CCovermintDoc& doc)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(doc.PageSize());
    generator.setViewBox(QRect(QPoint(0, 0), doc.PageSize()));
    generator.setResolution(100);
    QPainter painter(&generator);
    RenderAsPrinted(doc, painter, 100, 100);
    painter.end();
    return buffer.data();
}

TEST(SvgCompactionTest, ExportDrawsWhatTheWriterDrawsInAFractionOfItsSize)
{
    CTempHome home;
    CCovermintDoc doc;
    CDrawingEngine& engine = doc.Engine();
    for (int i = 0; i < 40; ++i) {
        std::shared_ptr<CRectangle> shape;
        switch (i % 4) {
        case 0: shape = std::make_shared<CRectangle>(1 + i % 3, &engine); break;
        case 1: shape = std::make_shared<CEllipse>(1 + i % 3, &engine); break;
        case 2: shape = std::make_shared<CRoundedRect>(1 + i % 3, &engine); break;
        default: shape = std::make_shared<CLine>(1 + i % 3, &engine); break;
        }
        shape->SetCorners(QPoint(20 * i, -25 * i), QPoint(20 * i + 60, -25 * i - 45));
        shape->SetHollowFill(i % 2 != 0);
        shape->SetFillColor(MakeColorRef(6 * i, 100, 255 - 6 * i));
        engine.Append(shape);
    }
    auto text = std::make_shared<CTextPrimitive>(&engine);
    text->SetText(QStringLiteral("Side A\r\nSide B"));
    text->SetCorners(QPoint(400, -100), QPoint(400, -100));
    engine.Append(text);

    const QByteArray plain = WriterOutput(doc);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("label.svg"));
    ASSERT_TRUE(LabelExporter::Export(doc, path, 300, nullptr));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray exported = file.readAll();

    EXPECT_LT(exported.size(), plain.size() * 2 / 3);
    const QImage expected = QImage::fromData(plain, "SVG");
    ASSERT_FALSE(expected.isNull());
    int inked = 0;
    for (int y = 0; y < expected.height(); ++y)
        for (int x = 0; x < expected.width(); ++x)
            inked += qAlpha(expected.pixel(x, y)) > 0;
    EXPECT_GT(inked, 10000);
    EXPECT_EQ(QImage::fromData(exported, "SVG"), expected);
    EXPECT_EQ(CompactSvgGroups(exported), exported); // nothing left to join
}

} // namespace
