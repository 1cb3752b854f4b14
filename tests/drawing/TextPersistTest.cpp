// Text primitives in label files, and special texts set by name.
#include "TextTestSupport.h"

#include "directory/CDocumentDirectoryInformation.h"
#include "document/CCovermintDoc.h"
#include "document/CPreferences.h"
#include "platform/RecordingPrompter.h"

#include <pugixml.hpp>

namespace {

std::shared_ptr<CTextPrimitive> OnlyText(CCovermintDoc& document)
{
    const auto& primitives = document.Engine().Primitives();
    EXPECT_EQ(primitives.size(), 1u);
    return primitives.empty() ? nullptr : std::dynamic_pointer_cast<CTextPrimitive>(primitives.front());
}

// Child element names of a PRIMITIVE element from PRIMTYPE on.
QStringList OwnElements(pugi::xml_node primitive)
{
    QStringList names;
    bool own = false;
    for (pugi::xml_node child : primitive.children()) {
        own = own || std::string(child.name()) == "PRIMTYPE";
        if (own)
            names << QString::fromUtf8(child.name());
    }
    return names;
}

} // namespace

TEST_F(TextTest, LabelFileKeepsLinesFontTurnAnchorAndName)
{
    CRecordingPrompter prompter;
    const QString path = home.FilePath(QStringLiteral("text.cla"));
    const QString lines = QStringLiteral("First line\r\n  indented  \r\n\r\nÜnïcødé \u266B");
    const FontSpec font{QStringLiteral("Liberation Serif"), 90, FontSpec::Bold | FontSpec::Underline,
                        FontSpec::JustifyCenter, 14.5};
    {
        CCovermintDoc document;
        auto text = MakeText(document.Engine(), lines, QPoint(123, -456));
        text->SetFont(font);
        text->SetName(QStringLiteral("Label Author"));
        text->SetSegmentName(QStringLiteral("Disc 1"));
        text->SetTextColor(MakeColorRef(1, 2, 3));
        DrawAlone(*text); // a drawn extent is not stored
        document.Engine().Append(text);
        QString error;
        ASSERT_TRUE(document.SaveTo(path, &error)) << error.toStdString();
    }

    pugi::xml_document xml;
    ASSERT_TRUE(xml.load_file(path.toLocal8Bit().constData()));
    const pugi::xml_node primitive = xml.find_node([](pugi::xml_node n) { return std::string(n.name()) == "PRIMITIVE"; });
    EXPECT_EQ(OwnElements(primitive), QStringList({"PRIMTYPE", "PTSIZE", "FACENAME", "TEXT", "ROTATION",
                                                   "JUSTIFICATION", "FONTATTR", "POINT"}));
    EXPECT_STREQ(primitive.child_value("PRIMTYPE"), "CTextPrimitive");
    EXPECT_STREQ(primitive.child_value("PTSIZE"), "14.500000");

    CCovermintDoc loaded;
    ASSERT_TRUE(loaded.Load(path));
    const auto text = OnlyText(loaded);
    ASSERT_TRUE(text);
    EXPECT_EQ(text->Text(), lines);
    EXPECT_EQ(text->Font(), font);
    EXPECT_EQ(text->Anchor(), QPoint(123, -456));
    EXPECT_EQ(text->ExtentCorner(), QPoint(123, -456)); // empty box until drawn
    EXPECT_EQ(text->GetName(), QStringLiteral("Label Author"));
    EXPECT_EQ(text->GetSegmentName(), QStringLiteral("Disc 1"));
    EXPECT_EQ(text->TextColor(), MakeColorRef(1, 2, 3));
    EXPECT_TRUE(prompter.messages.isEmpty()) << prompter.messages.join('\n').toStdString();
}

TEST_F(TextTest, LoadingKeepsConstructedValuesForMissingElementsAndSurvivesWildOnes)
{
    CPreferences::Instance().SetFont(FontSpec{QStringLiteral("Liberation Mono"), 0, 0, FontSpec::JustifyLeft, 9.0});
    CDrawingEngine engine;

    pugi::xml_document sparse;
    ASSERT_TRUE(sparse.load_string("<PRIMITIVE><PRIMTYPE>CTextPrimitive</PRIMTYPE>"
                                   "<POINT><X>10</X><Y>-20</Y></POINT></PRIMITIVE>"));
    CTextPrimitive plain(&engine);
    ASSERT_EQ(plain.Persist(false, sparse.child("PRIMITIVE")), 1);
    EXPECT_EQ(plain.Text(), QStringLiteral("<New Text>"));
    EXPECT_EQ(plain.Font(), CPreferences::Instance().Font());
    EXPECT_EQ(plain.Anchor(), QPoint(10, -20));
    EXPECT_EQ(plain.Persist(false, pugi::xml_node()), 0);

    pugi::xml_document wild;
    ASSERT_TRUE(wild.load_string("<PRIMITIVE><PRIMTYPE>CTextPrimitive</PRIMTYPE><PTSIZE>-5</PTSIZE>"
                                 "<FACENAME>\xE2\x99\xAB nowhere</FACENAME><TEXT></TEXT><ROTATION>12345</ROTATION>"
                                 "<JUSTIFICATION>9</JUSTIFICATION><FONTATTR>-1</FONTATTR>"
                                 "<POINT><X>99999999999</X><Y>-2147483648</Y></POINT></PRIMITIVE>"));
    auto odd = std::make_shared<CTextPrimitive>(&engine);
    ASSERT_EQ(odd->Persist(false, wild.child("PRIMITIVE")), 1);
    EXPECT_EQ(odd->Font().rotation, 12345);
    EXPECT_LE(std::abs(odd->Anchor().x()), kMaxLabelCoordinate);
    EXPECT_LE(std::abs(odd->Anchor().y()), kMaxLabelCoordinate);
    DrawAlone(*odd, 100, 100);
    EXPECT_GT(odd->BoundingBox().Normalized().MaxX() - odd->BoundingBox().Normalized().MinX(), 0);
    EXPECT_FALSE(odd->GetDescription().isEmpty());
}

TEST_F(TextTest, AnEmptyTextSurvivesSavesWhileOtherEmptyValuesKeepTheirOwn)
{
    const QString path = home.FilePath(QStringLiteral("empty.cla"));
    for (int round = 0; round < 2; ++round) {
        CCovermintDoc document;
        if (round == 0)
            document.Engine().Append(MakeText(document.Engine(), QString(), QPoint(10, -10)));
        else
            ASSERT_TRUE(document.Load(path));
        QString error;
        ASSERT_TRUE(document.SaveTo(path, &error)) << error.toStdString();
        CCovermintDoc loaded;
        ASSERT_TRUE(loaded.Load(path));
        const auto text = OnlyText(loaded);
        ASSERT_TRUE(text);
        EXPECT_EQ(text->Text(), QString());
    }

    CPreferences::Instance().SetFont(FontSpec{QStringLiteral("Liberation Mono"), 0, 0, FontSpec::JustifyLeft, 9.0});
    CDrawingEngine engine;
    pugi::xml_document xml;
    ASSERT_TRUE(xml.load_string("<PRIMITIVE><PRIMTYPE>CTextPrimitive</PRIMTYPE><FACENAME/><PRIMNAME></PRIMNAME>"
                                "<TEXT/><POINT><X>1</X><Y>-1</Y></POINT></PRIMITIVE>"));
    CTextPrimitive text(&engine);
    text.SetName(QStringLiteral("Label Name"));
    ASSERT_EQ(text.Persist(false, xml.child("PRIMITIVE")), 1);
    EXPECT_EQ(text.Text(), QString());
    EXPECT_EQ(text.Font().faceName, QStringLiteral("Liberation Mono"));
    EXPECT_EQ(text.GetName(), QStringLiteral("Label Name"));
}

TEST_F(TextTest, SetTextByNameMatchesExactNamesInEverySegment)
{
    CCovermintDoc document;
    CDrawingEngine& engine = document.Engine();
    auto first = MakeText(engine, QStringLiteral("a"), QPoint(0, 0));
    auto second = MakeText(engine, QStringLiteral("b"), QPoint(0, -100));
    auto lower = MakeText(engine, QStringLiteral("c"), QPoint(0, -200));
    auto disk = MakeText(engine, QStringLiteral("d"), QPoint(0, -300));
    first->SetName(QStringLiteral("Label Name"));
    first->SetSegmentName(QStringLiteral("One"));
    second->SetName(QStringLiteral("Label Name"));
    second->SetSegmentName(QStringLiteral("Two"));
    lower->SetName(QStringLiteral("label name"));
    disk->SetName(QStringLiteral("Disk Size (Freespace/Total)"));
    disk->SetSegmentName(QStringLiteral("Two"));
    for (const auto& text : {first, second, lower, disk})
        engine.Append(text);
    document.SetModifiedFlag(false);

    document.SetName(QStringLiteral("Road Trip"));
    EXPECT_EQ(first->Text(), QStringLiteral("Road Trip"));
    EXPECT_EQ(second->Text(), QStringLiteral("Road Trip"));
    EXPECT_EQ(lower->Text(), QStringLiteral("c"));
    EXPECT_TRUE(document.IsModified());

    // An empty value is written as given and drawn as one blank.
    engine.SetTextByName(QStringLiteral("Label Name"), QString());
    EXPECT_EQ(first->Text(), QString());
    DrawAlone(*first);
    EXPECT_GT(first->BoundingBox().right, first->Anchor().x());

    // The free space of any record reaches the disk-size texts of all segments.
    CDocumentDirectoryInformation* record = document.FindDirectoryInformation(QString());
    ASSERT_TRUE(record);
    record->SetFreeSpace(100001);
    EXPECT_EQ(disk->Text(), record->DiskSizeText());
    EXPECT_TRUE(disk->Text().startsWith(QStringLiteral("100 MB")));
}
