// Pictures of every common format, added through the view, saved, loaded
// again and exported by the program itself; transparency shows what lies
// below, and a picture nobody can read is reported by name.
#include "ViewFixture.h"

#include "drawing/CImagePrimitive.h"
#include "support/ProgramRun.h"
#include "view/DroppedFiles.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>

namespace {

const QString kPictures = QStringLiteral(COVERMINT_TEST_DATA "/pictures/");
constexpr QRgb kRedInk = 0xffff0000;
constexpr QRgb kBlueInk = 0xff0000ff;

struct Exported
{
    QImage image;
    QByteArray err;
};

// The label exported at 100 dpi by the program, one pixel per label unit.
Exported ExportPng(const QString& folder, const QString& label)
{
    const QString png = folder + QStringLiteral("/out.png");
    const CProgramRun run = RunProgram(
        folder, {QStringLiteral("--export"), png, QStringLiteral("--dpi"), QStringLiteral("100"), label});
    return {QImage(png), run.err};
}

bool Near(QRgb a, QRgb b)
{
    return std::abs(qRed(a) - qRed(b)) < 12 && std::abs(qGreen(a) - qGreen(b)) < 12
        && std::abs(qBlue(a) - qBlue(b)) < 12;
}

class PictureFormats : public ViewTest
{
protected:
    // A red rectangle (0,0)-(60,-30) under where pictures land.
    void AddRedBackground()
    {
        auto rect = AddRect(QPoint(0, 0), QPoint(60, -30));
        rect->SetFillColor(MakeColorRef(255, 0, 0));
        rect->SetLineColor(MakeColorRef(255, 0, 0));
        rect->SetHollowFill(false);
    }

    QTemporaryDir dir;
};

struct FormatCase
{
    const char* file;
    bool clearLeftHalf; // else the whole picture is blue
};

const FormatCase kFormats[] = {
    {"half.png", true}, {"half.gif", true}, {"half.webp", true}, {"half.tiff", true},
    {"half.ico", true}, {"half.svg", true}, {"blue.jpeg", false},
};

} // namespace

TEST_F(PictureFormats, EachFormatIsAddedSavedLoadedAndExportedWithWhatLiesBelowShowingThrough)
{
    for (const FormatCase& format : kFormats) {
        SCOPED_TRACE(format.file);
        Engine().DeleteAll();
        AddRedBackground();
        const QString picture = kPictures + QLatin1String(format.file);
        EXPECT_EQ(ClassifyDroppedFile(picture), DropKind::Image);
        ASSERT_TRUE(view->AddImage(picture));
        const auto* image = dynamic_cast<const CImagePrimitive*>(Engine().Primitives().back().get());
        ASSERT_NE(image, nullptr);
        EXPECT_EQ(image->GetBottomRight(), QPoint(40, -20)); // natural size

        const QString label = dir.filePath(QStringLiteral("label.cla"));
        ASSERT_TRUE(doc->SaveTo(label));
        const Exported out = ExportPng(dir.path(), label);
        ASSERT_FALSE(out.image.isNull()) << out.err.constData();
        EXPECT_TRUE(out.err.isEmpty()) << out.err.constData();
        EXPECT_TRUE(Near(out.image.pixel(10, 10), format.clearLeftHalf ? kRedInk : kBlueInk));
        EXPECT_TRUE(Near(out.image.pixel(30, 10), kBlueInk));
        EXPECT_TRUE(Near(out.image.pixel(50, 25), kRedInk));
    }
    EXPECT_TRUE(prompter.messages.isEmpty()) << prompter.messages.join(QLatin1Char('\n')).toStdString();
}

TEST_F(PictureFormats, ATransparentPngShowsTheRectangleBelowOnTheScreen)
{
    AddRedBackground();
    ASSERT_TRUE(view->AddImage(kPictures + QStringLiteral("half.png")));
    Engine().DeselectAll();
    const QImage shown = Port()->grab().toImage();
    EXPECT_TRUE(Near(shown.pixel(Px(QPoint(10, -10))), kRedInk));
    EXPECT_TRUE(Near(shown.pixel(Px(QPoint(30, -10))), kBlueInk));
}

TEST_F(PictureFormats, ACorruptPictureIsReportedByNameInTheWindowAndHeadless)
{
    const QString broken = dir.filePath(QStringLiteral("broken.png"));
    QFile::copy(kPictures + QStringLiteral("half.png"), broken);
    ASSERT_TRUE(view->AddImage(broken));
    const QString label = dir.filePath(QStringLiteral("label.cla"));
    ASSERT_TRUE(doc->SaveTo(label));

    QFile file(broken);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray("\x89PNG\r\n\x1a\n", 8) + QByteArray(64, 'x'));
    file.close();
    const std::size_t count = Engine().Primitives().size();
    EXPECT_FALSE(view->AddImage(broken));
    EXPECT_EQ(Engine().Primitives().size(), count);
    ASSERT_EQ(prompter.messages.size(), 1);
    EXPECT_TRUE(prompter.messages[0].contains(broken)) << prompter.messages[0].toStdString();

    const Exported out = ExportPng(dir.path(), label);
    EXPECT_TRUE(out.err.contains("broken.png")) << out.err.constData();
}

TEST(DroppedFiles, PicturesOfEveryReadableFormatAreImagesAndOtherNamesAreNot)
{
    const struct
    {
        const char* name;
        DropKind kind;
    } cases[] = {
        {"/a/photo.jpeg", DropKind::Image}, {"/a/LOGO.PNG", DropKind::Image}, {"/a/x.webp", DropKind::Image},
        {"/a/scan.tif", DropKind::Image},   {"/a/art.svg", DropKind::Image},  {"/a/pic.Bmp", DropKind::Image},
        {"a.png", DropKind::Unknown},       {"/a/b.cla", DropKind::Document}, {"/a/notes.txt", DropKind::Unknown},
        {"/a/png", DropKind::Unknown},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ClassifyDroppedFile(QString::fromLatin1(c.name)), c.kind) << c.name;
    for (const char* pattern : {"*.png", "*.gif", "*.webp", "*.tiff", "*.ico", "*.svg", "*.jpeg", "*.jpg", "*.bmp"})
        EXPECT_TRUE(ImageFileFilter().contains(QLatin1String(pattern))) << pattern;
}
