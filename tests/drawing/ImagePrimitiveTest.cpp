// Image primitives on real files in a throw-away home folder: loading by
// name, the stored relative names, lookup of moved pictures, resizing by the
// corner handles, copies, and drawing checked by pixels.
#include "TestPictures.h"

#include "document/CCovermintDoc.h"
#include "drawing/CDrawingEngine.h"
#include "drawing/CImagePrimitive.h"
#include "export/PrintRendering.h"
#include "platform/RecordingPrompter.h"
#include "support/TempHome.h"

#include <QDir>
#include <QPainter>
#include <QPdfWriter>
#include <QProcess>
#include <gtest/gtest.h>

#include <sstream>

#include <sys/stat.h>

namespace {

QByteArray QuadrantsJpeg()
{
    return MakeJpeg(300, 150, 3, Quadrants);
}

// The page as the view paints it at 100 percent: label units, y up.
QImage Paint(CPrimitive& primitive, QSize size = QSize(700, 400))
{
    QImage canvas(size, QImage::Format_RGB32);
    canvas.fill(Qt::white);
    QPainter painter(&canvas);
    painter.scale(1, -1);
    primitive.Draw(painter);
    return canvas;
}

bool Near(QRgb a, std::uint32_t rgb)
{
    return std::abs(qRed(a) - int(rgb >> 16 & 0xff)) < 12 && std::abs(qGreen(a) - int(rgb >> 8 & 0xff)) < 12
        && std::abs(qBlue(a) - int(rgb & 0xff)) < 12;
}

std::string Stored(CImagePrimitive& image)
{
    pugi::xml_document doc;
    pugi::xml_node engine = doc.append_child("DRAWINGENGINE");
    EXPECT_EQ(image.Persist(true, engine), 1);
    std::ostringstream out;
    doc.save(out);
    return out.str();
}

std::string StoredFileName(const std::string& xml)
{
    pugi::xml_document doc;
    doc.load_string(xml.c_str());
    return doc.child("DRAWINGENGINE").child("PRIMITIVE").child("FILENAME").text().get();
}

// A PRIMITIVE element as a label file holds it.
std::string ImageElement(const QString& fileName, QPoint c1, QPoint c2)
{
    std::ostringstream out;
    out << "<PRIMITIVE><PRIMTYPE>CImagePrimitive</PRIMTYPE><FILENAME>" << fileName.toStdString()
        << "</FILENAME><POINT><X>" << c1.x() << "</X><Y>" << c1.y() << "</Y></POINT><POINT><X>" << c2.x()
        << "</X><Y>" << c2.y() << "</Y></POINT></PRIMITIVE>";
    return out.str();
}

void Load(CImagePrimitive& image, const std::string& xml)
{
    pugi::xml_document doc;
    ASSERT_TRUE(doc.load_string(xml.c_str()));
    pugi::xml_node element = doc.child("PRIMITIVE");
    if (!element)
        element = doc.child("DRAWINGENGINE").child("PRIMITIVE");
    EXPECT_EQ(image.Persist(false, element), 1);
}

QPoint C1(const CImagePrimitive& image)
{
    QPoint a, b;
    image.GetCorners(a, b);
    return a;
}
QPoint C2(const CImagePrimitive& image)
{
    QPoint a, b;
    image.GetCorners(a, b);
    return b;
}

} // namespace

TEST(ImagePrimitive, AddedJpegTakesItsNaturalSizeAtTheOriginAndDrawsUpright)
{
    CTempHome home;
    CRecordingPrompter prompter;
    ASSERT_TRUE(home.WriteFile(QStringLiteral("Images/quad.jpg"), QuadrantsJpeg()));
    CDrawingEngine engine;
    ASSERT_TRUE(engine.AddImage(home.FilePath(QStringLiteral("Images/quad.jpg"))));
    ASSERT_EQ(engine.Primitives().size(), 1u);
    auto* image = dynamic_cast<CImagePrimitive*>(engine.Primitives().front().get());
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(C1(*image), QPoint(0, 0));
    EXPECT_EQ(C2(*image), QPoint(300, -150));
    EXPECT_EQ(image->GetTopLeft(), QPoint(0, 0));
    EXPECT_EQ(image->GetBottomRight(), QPoint(300, -150));
    EXPECT_EQ(image->Width(), 300);
    EXPECT_EQ(image->Height(), 150);
    EXPECT_FALSE(image->IsBmp());
    EXPECT_EQ(image->GetDescription(),
              QStringLiteral("Image : (  0.0,  0.0 ) x (  3.0,  1.5 )   w =   3.0 h =   1.5"));
    // Stored as blue, green, red with the bottom row first: the first pixel
    // is the bottom-left quadrant's blue.
    ASSERT_EQ(image->Pixels().size(), size_t(300 * 150 * 3));
    EXPECT_GT(image->Pixels()[0], 240);
    EXPECT_LT(image->Pixels()[2], 15);
    EXPECT_TRUE(prompter.messages.isEmpty());

    image->SetSelected(false);
    QImage page = Paint(*image);
    EXPECT_TRUE(Near(page.pixel(20, 20), kRed));
    EXPECT_TRUE(Near(page.pixel(280, 20), kGreen));
    EXPECT_TRUE(Near(page.pixel(20, 130), kBlue));
    EXPECT_TRUE(Near(page.pixel(280, 130), 0x808080));
    EXPECT_EQ(page.pixel(320, 20), qRgb(255, 255, 255));
    EXPECT_EQ(page.pixel(20, 170), qRgb(255, 255, 255));

    // Stretched to twice the size from a moved corner 1.
    image->SetCorners(QPoint(50, -20), QPoint(650, -320));
    page = Paint(*image);
    EXPECT_EQ(page.pixel(40, 30), qRgb(255, 255, 255));
    EXPECT_TRUE(Near(page.pixel(60, 30), kRed));
    EXPECT_TRUE(Near(page.pixel(640, 30), kGreen));
    EXPECT_TRUE(Near(page.pixel(60, 310), kBlue));
    EXPECT_TRUE(Near(page.pixel(640, 310), 0x808080));

    // A drop point moves the new image by that offset.
    const QPoint drop(100, -200);
    ASSERT_TRUE(engine.AddImage(home.FilePath(QStringLiteral("Images/quad.jpg")), &drop));
    auto* dropped = dynamic_cast<CImagePrimitive*>(engine.Primitives().back().get());
    EXPECT_EQ(C1(*dropped), QPoint(100, -200));
    EXPECT_EQ(C2(*dropped), QPoint(400, -350));
}

TEST(ImagePrimitive, FileNamesChooseTheDecoderAndFailuresSayWhy)
{
    CTempHome home;
    CRecordingPrompter prompter;
    CDrawingEngine engine;
    const QByteArray jpeg = QuadrantsJpeg();
    ASSERT_TRUE(home.WriteFile(QStringLiteral("UPPER.JPG"), jpeg));
    ASSERT_TRUE(home.WriteFile(QStringLiteral("long.jpeg"), jpeg));
    ASSERT_TRUE(home.WriteFile(QStringLiteral("pic.Bmp"), MakeBmp24(4, 2, [](int, int) { return kRed; })));

    CImagePrimitive image(&engine);
    EXPECT_TRUE(image.LoadFile(home.FilePath(QStringLiteral("UPPER.JPG"))));
    EXPECT_EQ(image.Width(), 300);
    EXPECT_TRUE(image.LoadFile(home.FilePath(QStringLiteral("pic.Bmp"))));
    EXPECT_EQ(image.Width(), 4);
    EXPECT_TRUE(image.IsBmp());
    EXPECT_EQ(C2(image), QPoint(4, -2));
    // ".jpeg" goes through libjpeg too: only its pictures keep their pixels.
    EXPECT_TRUE(image.LoadFile(home.FilePath(QStringLiteral("long.jpeg"))));
    EXPECT_EQ(image.Pixels().size(), std::size_t(300 * 150 * 3));
    EXPECT_TRUE(engine.Primitives().empty());
    EXPECT_TRUE(prompter.messages.isEmpty()) << prompter.messages.join('|').toStdString();

    // Each failure shows its message and adds nothing.
    const QString missing = home.FilePath(QStringLiteral("missing.jpg"));
    EXPECT_FALSE(engine.AddImage(missing));
    EXPECT_EQ(prompter.messages.value(0), QStringLiteral("JPEG :\nCan't open %1\n").arg(missing));

    QByteArray huge = jpeg;
    PatchJpegSize(huge, 20000, 20000);
    ASSERT_TRUE(home.WriteFile(QStringLiteral("huge.jpg"), huge));
    EXPECT_FALSE(engine.AddImage(home.FilePath(QStringLiteral("huge.jpg"))));
    EXPECT_EQ(prompter.messages.value(1), QStringLiteral("JpegFile :\nOut of memory"));

    ASSERT_TRUE(home.WriteFile(QStringLiteral("cut.jpg"), jpeg.left(jpeg.size() / 2)));
    EXPECT_FALSE(engine.AddImage(home.FilePath(QStringLiteral("cut.jpg"))));
    EXPECT_TRUE(prompter.messages.value(2).startsWith(QStringLiteral("JPEG :\n")));
    EXPECT_TRUE(prompter.messages.value(2).contains(QStringLiteral("cut.jpg")));

    ASSERT_TRUE(home.WriteFile(QStringLiteral("rle.bmp"), [] {
        QByteArray f = MakeBmp24(2, 2, [](int, int) { return kRed; });
        Patch32(f, BmpField::Compression, 1);
        return f;
    }()));
    EXPECT_FALSE(engine.AddImage(home.FilePath(QStringLiteral("rle.bmp"))));
    EXPECT_EQ(prompter.messages.value(3), QStringLiteral("This is a compressed file."));

    // A folder or a FIFO with a picture's name fails at once.
    ASSERT_TRUE(QDir().mkpath(home.FilePath(QStringLiteral("folder.bmp"))));
    const QString fifo = home.FilePath(QStringLiteral("pipe.jpg"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    EXPECT_FALSE(engine.AddImage(home.FilePath(QStringLiteral("folder.bmp"))));
    EXPECT_EQ(prompter.messages.value(4),
              QStringLiteral("Can't open file for reading :\n") + home.FilePath(QStringLiteral("folder.bmp")));
    EXPECT_FALSE(engine.AddImage(fifo));
    EXPECT_EQ(prompter.messages.value(5), QStringLiteral("JPEG :\nCan't open %1\n").arg(fifo));

    // Other names are tried by Qt's readers and refused by name; a FIFO
    // does not block them either.
    const QString notes = home.FilePath(QStringLiteral("notes.txt"));
    ASSERT_TRUE(home.WriteFile(QStringLiteral("notes.txt"), "not a picture"));
    const QString pngFifo = home.FilePath(QStringLiteral("pipe.png"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(pngFifo).constData(), 0600), 0);
    EXPECT_FALSE(engine.AddImage(notes));
    EXPECT_TRUE(prompter.messages.value(6).startsWith(QStringLiteral("Picture :\nCan't read %1\n").arg(notes)));
    EXPECT_FALSE(engine.AddImage(pngFifo));
    EXPECT_TRUE(prompter.messages.value(7).startsWith(QStringLiteral("Picture :\nCan't read %1\n").arg(pngFifo)));
    EXPECT_TRUE(engine.Primitives().empty());
    EXPECT_EQ(prompter.messages.size(), 8);
}

TEST(ImagePrimitive, StoredNamesAreRelativeToTheHomeFolderAndFoundAgainAfterAMove)
{
    std::string inImages;
    std::string inHome;
    std::string elsewhere;
    QTemporaryDir other;
    const QString otherPicture = other.path() + QStringLiteral("/far.bmp");
    ASSERT_TRUE(WriteBytes(otherPicture, MakeBmp24(3, 3, [](int, int) { return kGreen; })));
    {
        CTempHome home;
        CRecordingPrompter prompter;
        CDrawingEngine engine;
        ASSERT_TRUE(home.WriteFile(QStringLiteral("Images/quad.jpg"), QuadrantsJpeg()));
        ASSERT_TRUE(home.WriteFile(QStringLiteral("top.bmp"), MakeBmp24(5, 2, [](int, int) { return kBlue; })));
        CImagePrimitive image(&engine);
        ASSERT_TRUE(image.LoadFile(home.FilePath(QStringLiteral("Images/quad.jpg"))));
        image.SetCorners(QPoint(10, -10), QPoint(610, -310));
        inImages = Stored(image);
        EXPECT_EQ(StoredFileName(inImages), ".\\Images\\quad.jpg");
        // A name given with "..", as a file dialog might, is still recognised.
        ASSERT_TRUE(image.LoadFile(home.FilePath(QStringLiteral("Images/../top.bmp"))));
        inHome = Stored(image);
        EXPECT_EQ(StoredFileName(inHome), ".\\top.bmp");
        ASSERT_TRUE(image.LoadFile(otherPicture));
        elsewhere = Stored(image);
        EXPECT_EQ(StoredFileName(elsewhere), otherPicture.toStdString());
    }

    // The label and its pictures move to another home folder.
    CTempHome moved;
    CRecordingPrompter prompter;
    CDrawingEngine engine;
    ASSERT_TRUE(moved.WriteFile(QStringLiteral("Images/quad.jpg"), QuadrantsJpeg()));
    ASSERT_TRUE(moved.WriteFile(QStringLiteral("top.bmp"), MakeBmp24(5, 2, [](int, int) { return kBlue; })));
    CImagePrimitive fromImages(&engine);
    Load(fromImages, inImages);
    EXPECT_TRUE(fromImages.HasPixels());
    EXPECT_EQ(fromImages.FileName(), moved.FilePath(QStringLiteral("Images/quad.jpg")));
    // The stored box wins over the natural size.
    EXPECT_EQ(C1(fromImages), QPoint(10, -10));
    EXPECT_EQ(C2(fromImages), QPoint(610, -310));
    // Corners beyond any page are kept in range; drawing them stays quick.
    CImagePrimitive wild(&engine);
    Load(wild, ImageElement(QStringLiteral(".\\Images\\quad.jpg"), QPoint(-2147483647, 2147483647),
                            QPoint(2147483647, -2147483647)));
    EXPECT_EQ(C1(wild), QPoint(-kMaxLabelCoordinate, kMaxLabelCoordinate));
    EXPECT_EQ(C2(wild), QPoint(kMaxLabelCoordinate, -kMaxLabelCoordinate));
    EXPECT_NE(Paint(wild).pixel(10, 10), qRgb(255, 255, 255));
    CImagePrimitive fromHome(&engine);
    Load(fromHome, inHome);
    EXPECT_EQ(fromHome.FileName(), moved.FilePath(QStringLiteral("top.bmp")));
    EXPECT_EQ(fromHome.Width(), 5);
    CImagePrimitive absolute(&engine);
    Load(absolute, elsewhere);
    EXPECT_EQ(absolute.FileName(), otherPicture);
    EXPECT_TRUE(prompter.messages.isEmpty()) << prompter.messages.join('|').toStdString();

    // Forward slashes in the stored name are read as well.
    CImagePrimitive slashes(&engine);
    Load(slashes, ImageElement(QStringLiteral("./Images/quad.jpg"), QPoint(0, 0), QPoint(30, -15)));
    EXPECT_EQ(slashes.FileName(), moved.FilePath(QStringLiteral("Images/quad.jpg")));
    EXPECT_TRUE(slashes.HasPixels());
}

TEST(ImagePrimitive, MissingPathsAreLookedUpByBareNameThenReported)
{
    CTempHome home;
    CRecordingPrompter prompter;
    CDrawingEngine engine;
    ASSERT_TRUE(home.WriteFile(QStringLiteral("inhome.bmp"), MakeBmp24(2, 2, [](int, int) { return kRed; })));
    ASSERT_TRUE(home.WriteFile(QStringLiteral("Images/inimages.bmp"), MakeBmp24(3, 1, [](int, int) { return kRed; })));

    CImagePrimitive first(&engine);
    Load(first, ImageElement(QStringLiteral("/no/such/folder/inhome.bmp"), QPoint(5, -5), QPoint(25, -25)));
    EXPECT_EQ(first.FileName(), home.FilePath(QStringLiteral("inhome.bmp")));
    EXPECT_TRUE(first.HasPixels());
    CImagePrimitive second(&engine);
    Load(second, ImageElement(QStringLiteral("C:\\Label Pictures\\inimages.bmp"), QPoint(5, -5), QPoint(25, -25)));
    EXPECT_EQ(second.FileName(), home.FilePath(QStringLiteral("Images/inimages.bmp")));
    EXPECT_EQ(second.Width(), 3);
    EXPECT_TRUE(prompter.messages.isEmpty());

    CImagePrimitive missing(&engine);
    Load(missing, ImageElement(QStringLiteral("/gone/away.jpg"), QPoint(5, -5), QPoint(25, -25)));
    EXPECT_EQ(prompter.messages, QStringList(QStringLiteral("Missing filename away.jpg")));
    EXPECT_FALSE(missing.HasPixels());
    EXPECT_EQ(C1(missing), QPoint(5, -5));
    EXPECT_EQ(C2(missing), QPoint(25, -25));
    // It keeps its name for the next save, and shows nothing, not even handles.
    EXPECT_EQ(StoredFileName(Stored(missing)), "/gone/away.jpg");
    missing.SetSelected(true);
    QImage canvas(200, 100, QImage::Format_RGB32);
    canvas.fill(Qt::white);
    const QImage blank = canvas;
    QPainter painter(&canvas);
    painter.scale(1, -1);
    EXPECT_EQ(missing.Draw(painter), 0);
    painter.end();
    EXPECT_EQ(canvas, blank);
}

TEST(ImagePrimitive, CornerDragsNeverTurnTheBoxOverAndUndoRestoresIt)
{
    CTempHome home;
    CRecordingPrompter prompter;
    CDrawingEngine engine;
    ASSERT_TRUE(home.WriteFile(QStringLiteral("quad.jpg"), QuadrantsJpeg()));
    auto image = std::make_shared<CImagePrimitive>(&engine);
    ASSERT_TRUE(image->LoadFile(home.FilePath(QStringLiteral("quad.jpg"))));
    engine.Append(image);
    const auto before = image->Clone();

    // Grab the top-left corner (0, 0) and drag it past the bottom-right one
    // in x: x keeps its value, y (still above -150) is taken.
    ASSERT_TRUE(image->GrabHandle(QPoint(2, -3)));
    image->MoveBy(400, 10);
    EXPECT_EQ(C1(*image), QPoint(0, 10));
    EXPECT_EQ(image->GrabbedPoint(), QPoint(0, 10));
    image->MoveBy(-20, -200); // x is free to grow the box, y would cross
    EXPECT_EQ(C1(*image), QPoint(-20, 10));
    image->MoveBy(320, -160); // landing exactly on the opposite x is refused too
    EXPECT_EQ(C1(*image), QPoint(-20, 10));
    EXPECT_EQ(C2(*image), QPoint(300, -150));

    // The opposite corner works the same way.
    image->SettleSelection();
    ASSERT_TRUE(image->GrabHandle(QPoint(300, -150)));
    image->MoveBy(-400, 50);
    EXPECT_EQ(C2(*image), QPoint(300, -100));

    // A box that has no width cannot get one by dragging.
    image->SetCorners(QPoint(50, 0), QPoint(50, -100));
    image->SettleSelection();
    ASSERT_TRUE(image->GrabHandle(QPoint(50, 0)));
    image->MoveBy(30, 5);
    EXPECT_EQ(C1(*image), QPoint(50, 5));

    // Reshape undo restores the box without decoding the file again.
    QFile::remove(home.FilePath(QStringLiteral("quad.jpg")));
    CUndoReshapeCommand command(&engine);
    command.SetPrimitive(image);
    EXPECT_EQ(command.ClassCode(), 7);
    image->SetCorners(QPoint(1, -1), QPoint(2, -2));
    image->RestoreShape(*before);
    EXPECT_EQ(C1(*image), QPoint(0, 0));
    EXPECT_EQ(C2(*image), QPoint(300, -150));
    EXPECT_TRUE(image->HasPixels());
    EXPECT_FALSE(image->IsSelected());
    EXPECT_TRUE(prompter.messages.isEmpty()) << prompter.messages.join('|').toStdString();

    // An unselectable image grabs nothing.
    image->SetSelectable(false);
    EXPECT_FALSE(image->GrabHandle(QPoint(0, 0)));
}

// A corner drag as the Selection tool makes it, undone and redone by the
// document: the box comes back exactly, never at the natural size.
TEST(ImagePrimitive, UndoAndRedoOfACornerDragKeepTheBoxesAsDragged)
{
    CTempHome home;
    CRecordingPrompter prompter;
    ASSERT_TRUE(home.WriteFile(QStringLiteral("quad.jpg"), QuadrantsJpeg()));
    const struct
    {
        QPoint corner1, corner2, grab, by, draggedCorner1, draggedCorner2;
    } cases[] = {
        {{0, 0}, {600, -300}, {600, -300}, {50, -50}, {0, 0}, {650, -350}},
        {{0, 0}, {300, -150}, {0, 0}, {50, -30}, {50, -30}, {300, -150}},
    };
    for (const auto& c : cases) {
        CCovermintDoc document;
        CDrawingEngine& engine = document.Engine();
        auto image = std::make_shared<CImagePrimitive>(&engine);
        ASSERT_TRUE(image->LoadFile(home.FilePath(QStringLiteral("quad.jpg"))));
        image->SetCorners(c.corner1, c.corner2);
        engine.Append(image);

        engine.BeginPendingCommands();
        engine.SelectAt(c.grab, false);
        engine.MoveSelected(c.by.x(), c.by.y());
        engine.SubmitPendingCommands();
        engine.SettleAll();
        EXPECT_EQ(C1(*image), c.draggedCorner1);
        EXPECT_EQ(C2(*image), c.draggedCorner2);

        ASSERT_TRUE(document.CommandProcessor().Undo());
        EXPECT_EQ(C1(*image), c.corner1);
        EXPECT_EQ(C2(*image), c.corner2);
        ASSERT_TRUE(document.CommandProcessor().Redo());
        EXPECT_EQ(C1(*image), c.draggedCorner1);
        EXPECT_EQ(C2(*image), c.draggedCorner2);
    }
    EXPECT_TRUE(prompter.messages.isEmpty()) << prompter.messages.join('|').toStdString();
}

TEST(ImagePrimitive, CopyOfAStretchedImageHasItsNaturalSizeAtCornerOne)
{
    CTempHome home;
    CRecordingPrompter prompter;
    CDrawingEngine engine;
    ASSERT_TRUE(home.WriteFile(QStringLiteral("quad.jpg"), QuadrantsJpeg()));
    CImagePrimitive image(&engine);
    ASSERT_TRUE(image.LoadFile(home.FilePath(QStringLiteral("quad.jpg"))));
    image.SetCorners(QPoint(40, -60), QPoint(640, -360));
    image.SetName(QStringLiteral("logo"));
    image.SetSelectable(false);

    auto copy = std::dynamic_pointer_cast<CImagePrimitive>(image.Clone());
    ASSERT_TRUE(copy);
    EXPECT_EQ(C1(*copy), QPoint(40, -60));
    EXPECT_EQ(C2(*copy), QPoint(340, -210));
    EXPECT_EQ(copy->FileName(), image.FileName());
    EXPECT_EQ(copy->GetName(), QStringLiteral("logo"));
    EXPECT_TRUE(copy->IsSelectable());
    EXPECT_EQ(copy->Owner(), &engine);
    EXPECT_TRUE(Near(Paint(*copy).pixel(330, 200), 0x808080));

    // A copy made after the file has gone still shows the picture.
    QFile::remove(home.FilePath(QStringLiteral("quad.jpg")));
    auto late = std::dynamic_pointer_cast<CImagePrimitive>(image.Clone());
    EXPECT_TRUE(late->HasPixels());
    EXPECT_EQ(C2(*late), QPoint(340, -210));
    EXPECT_TRUE(prompter.messages.isEmpty());

    // A copy of an image without a picture keeps the box it was given.
    CImagePrimitive empty(&engine);
    empty.SetCorners(QPoint(1, -2), QPoint(30, -40));
    auto emptyCopy = std::dynamic_pointer_cast<CImagePrimitive>(empty.Clone());
    EXPECT_EQ(C1(*emptyCopy), QPoint(1, -2));
    EXPECT_EQ(C2(*emptyCopy), QPoint(30, -40));
}

TEST(ImagePrimitive, HitTestsAndSelectionUseTheBox)
{
    CTempHome home;
    CDrawingEngine engine;
    CImagePrimitive image(&engine);
    image.SetCorners(QPoint(0, 0), QPoint(300, -150));
    EXPECT_TRUE(image.HitTest(QPoint(150, -75)));
    EXPECT_TRUE(image.HitTest(QPoint(302, 2)));
    EXPECT_FALSE(image.HitTest(QPoint(303, -75)));
    EXPECT_TRUE(image.Intersects(LRect(290, -140, 400, -300)));
    EXPECT_FALSE(image.Intersects(LRect(300, 0, 400, -300)));
    CImagePrimitive unowned;
    unowned.SetCorners(QPoint(0, 0), QPoint(300, -150));
    EXPECT_FALSE(unowned.HitTest(QPoint(150, -75)));
}

TEST(ImagePrimitive, PdfHoldsPicturesAtMostAtSixHundredPixelsPerInchOfTheirPrintedSize)
{
    CTempHome home;
    CRecordingPrompter prompter;
    CCovermintDoc document;
    const QString jpeg = home.FilePath(QStringLiteral("big.jpg"));
    ASSERT_TRUE(home.WriteFile(QStringLiteral("big.jpg"), MakeJpeg(3000, 1500, 3, Quadrants)));
    ASSERT_TRUE(document.Engine().AddImage(jpeg));
    auto image = std::static_pointer_cast<CImagePrimitive>(document.Engine().Primitives().front());
    // Printed 1 x 0.5 inch: 600 x 300 pixels are enough; 0.1 x 4 inches: 60 x 1500.
    for (const auto& [box, pixels] : {std::pair{QPoint(100, -50), QSize(600, 300)}, {QPoint(10, -400), QSize(60, 1500)}}) {
        image->SetCorners(QPoint(0, 0), box);
        const QString pdf = home.FilePath(QStringLiteral("out.pdf"));
        {
            QPdfWriter writer(pdf);
            writer.setPageSize(QPageSize(QSizeF(8.5, 11), QPageSize::Inch));
            QPainter painter(&writer);
            RenderAsPrinted(document, painter, writer.resolution(), writer.resolution());
        }
        QProcess list;
        list.start(QStringLiteral("pdfimages"), {QStringLiteral("-list"), pdf});
        ASSERT_TRUE(list.waitForFinished(30000));
        // "page num type width height ..." after two heading lines.
        const QStringList rows = QString::fromLocal8Bit(list.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
        ASSERT_EQ(rows.size(), 3) << rows.join(u'\n').toStdString();
        const QStringList fields = rows.at(2).split(u' ', Qt::SkipEmptyParts);
        EXPECT_EQ(QSize(fields.at(3).toInt(), fields.at(4).toInt()), pixels);
    }
}
