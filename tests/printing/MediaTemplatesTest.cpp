// The templates for discs, DVD cases and slim CD cases, and --export with
// --calibrate, run as a real process the way a script would.
#include "document/CCovermintDoc.h"
#include "document/PrinterCalibration.h"
#include "drawing/CRectangle.h"
#include "platform/RecordingPrompter.h"
#include "support/ProgramRun.h"
#include "support/TempHome.h"
#include "support/InkBox.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <pugixml.hpp>

namespace {

// Width and height of the PDF's first page, in points.
QSizeF PdfPage(const QString& path)
{
    QFile pdf(path);
    if (!pdf.open(QIODevice::ReadOnly))
        return {};
    const QRegularExpressionMatch box = QRegularExpression(QStringLiteral("/MediaBox \\[0 0 ([0-9.]+) ([0-9.]+)\\]"))
                                            .match(QString::fromLatin1(pdf.readAll()));
    return box.hasMatch() ? QSizeF(box.captured(1).toDouble(), box.captured(2).toDouble()) : QSizeF();
}

class MediaTemplates : public ::testing::Test
{
protected:
    QString Path(const QString& name) const { return dir.filePath(name); }
    CProgramRun Run(const QStringList& args) const { return RunProgram(dir.path(), args); }

    QTemporaryDir dir;
};

const struct
{
    const char* file;
    bool turned;
    QSize size; // the label's outline, label units
} kTemplates[] = {
    {"CD DVD Disc/CD DVD Disc Face.cte", false, {465, 465}},
    {"DVD Case/DVD Case Wrap.cte", true, {1075, 725}},
    {"CD Jewel Case/Slim CD Case Insert.cte", false, {472, 472}},
};

} // namespace

TEST_F(MediaTemplates, EachLoadsExportsAtItsSizeAndTurnsThePageOnlyWhenWiderThanIt)
{
    for (const auto& t : kTemplates) {
        SCOPED_TRACE(t.file);
        const QString cte = QStringLiteral(COVERMINT_SOURCE_SHARE "/Templates/") + QLatin1String(t.file);
        const CProgramRun info = Run({QStringLiteral("--info"), cte});
        ASSERT_EQ(info.exitCode, 0) << info.err.constData();
        QStringList kinds, specials, faces;
        for (const QJsonValue& v : QJsonDocument::fromJson(info.out).object().value(QStringLiteral("primitives")).toArray()) {
            const QJsonObject p = v.toObject();
            kinds << p.value(QStringLiteral("PRIMTYPE")).toString();
            specials << p.value(QStringLiteral("PRIMNAME")).toString();
            if (p.contains(QStringLiteral("FACENAME")))
                faces << p.value(QStringLiteral("FACENAME")).toString();
        }
        EXPECT_TRUE(kinds.contains(QStringLiteral("CImagePrimitive")));
        EXPECT_TRUE(specials.contains(QStringLiteral("Label Name")));
        EXPECT_TRUE(specials.contains(QStringLiteral("Current Date")));
        ASSERT_FALSE(faces.isEmpty());
        for (const QString& face : faces)
            EXPECT_TRUE(face.startsWith(QStringLiteral("Liberation "))) << face.toStdString();

        const QString base = Path(QFileInfo(cte).completeBaseName());
        const CProgramRun r = Run({QStringLiteral("--export"), base + ".pdf", QStringLiteral("--export"), base + ".png",
                                 QStringLiteral("--dpi"), QStringLiteral("100"), cte});
        ASSERT_EQ(r.exitCode, 0) << r.err.constData();
        const QImage png = QImage(base + ".png").convertToFormat(QImage::Format_RGB32);
        EXPECT_EQ(png.size(), t.turned ? QSize(1100, 850) : QSize(850, 1100));
        const QRect ink = InkBox(png);
        EXPECT_NEAR(ink.width(), t.size.width(), 2);
        EXPECT_NEAR(ink.height(), t.size.height(), 2);
        EXPECT_TRUE(QRect(QPoint(0, 0), png.size()).contains(ink));
        EXPECT_EQ(PdfPage(base + ".pdf"), t.turned ? QSizeF(792, 612) : QSizeF(612, 792));
    }
}

TEST_F(MediaTemplates, TheDiscFaceIsARingAroundAHoleCentredAcrossThePage)
{
    const QString cte = QStringLiteral(COVERMINT_SOURCE_SHARE "/Templates/CD DVD Disc/CD DVD Disc Face.cte");
    const CProgramRun r = Run({QStringLiteral("--export"), Path("disc.png"), QStringLiteral("--dpi"), QStringLiteral("100"), cte});
    ASSERT_EQ(r.exitCode, 0) << r.err.constData();
    const QImage png = QImage(Path("disc.png")).convertToFormat(QImage::Format_RGB32);
    const QPoint centre(425, 300);
    EXPECT_NEAR(InkBox(png).center().x(), centre.x(), 1);
    EXPECT_NEAR(InkBox(png).center().y(), centre.y(), 1);
    const auto white = [&](QPoint p) { return png.pixel(p) == qRgb(255, 255, 255); };
    EXPECT_TRUE(white(centre));                      // the hole, 1.6 in across
    EXPECT_TRUE(white(centre + QPoint(77, 0)));
    EXPECT_FALSE(white(centre + QPoint(88, 0)));     // the printed ring
    EXPECT_FALSE(white(centre + QPoint(0, 150)));
    EXPECT_FALSE(white(centre + QPoint(-228, 0)));
    EXPECT_TRUE(white(centre + QPoint(-236, 0)));    // outside the 4.65 in circle
    EXPECT_TRUE(white(centre + QPoint(170, -170)));  // the page's corner of the disc
}

TEST_F(MediaTemplates, ExportAppliesAPrintersCalibrationOnlyWhenAskedTo)
{
    // A home folder registered for the program, whose preferences hold two printers.
    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("myhome/Templates")));
    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("config/Covermint")));
    {
        QFile conf(Path("config/Covermint/Covermint.conf"));
        ASSERT_TRUE(conf.open(QIODevice::WriteOnly));
        conf.write("[General]\nHOMEDIR=" + Path("myhome/").toUtf8() + "\n");
        pugi::xml_document prefs;
        const pugi::xml_node root = prefs.append_child("COVERMINTPREFERENCES");
        WriteCalibrations(root, {{QStringLiteral("Office Laser"), 0.1, 0.05, 1.0},
                                 {QStringLiteral("Far Left"), -1.0, 0.0, 1.0}});
        ASSERT_TRUE(prefs.save_file(Path("myhome/Covermint.pref").toUtf8().constData()));
    }
    {
        CRecordingPrompter prompter;
        CTempHome home;
        CCovermintDoc doc;
        auto rect = std::make_shared<CRectangle>(2, &doc.Engine());
        rect->SetCorners(QPoint(50, -50), QPoint(250, -150));
        doc.Engine().Append(rect);
        ASSERT_TRUE(doc.SaveTo(Path("one.cla")));
    }
    const auto exported = [&](const QString& name, QStringList extra) {
        const CProgramRun r = Run(QStringList{QStringLiteral("--export"), Path(name)} + extra + QStringList{Path("one.cla")});
        EXPECT_EQ(r.exitCode, 0) << r.err.constData();
        return InkBox(QImage(Path(name)).convertToFormat(QImage::Format_RGB32));
    };
    const QRect plain = exported("plain.png", {});
    ASSERT_FALSE(plain.isEmpty());
    EXPECT_EQ(exported("laser.png", {QStringLiteral("--calibrate"), QStringLiteral("Office Laser")}),
              plain.translated(30, 15));

    const CProgramRun unknown = Run({QStringLiteral("--export"), Path("x.png"), QStringLiteral("--calibrate"),
                                     QStringLiteral("Nobody"), Path("one.cla")});
    EXPECT_EQ(unknown.exitCode, 1);
    EXPECT_TRUE(unknown.err.contains("no calibration is stored for the printer \"Nobody\"")) << unknown.err.constData();
    const CProgramRun off = Run({QStringLiteral("--export"), Path("off.pdf"), QStringLiteral("--calibrate"),
                                 QStringLiteral("Far Left"), Path("one.cla")});
    EXPECT_EQ(off.exitCode, 3);
    EXPECT_TRUE(off.err.contains("past the left edge")) << off.err.constData();
    EXPECT_FALSE(QFile::exists(Path("off.pdf")));
    EXPECT_FALSE(QFile::exists(Path("x.png")));
}
