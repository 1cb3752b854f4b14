// The label's content as JSON: written as a stream, equal to the dump the
// program made as one document before, bounded in size, and showing texts as
// they print.
#include "base/DateText.h"
#include "directory/CDocumentDirectoryInformation.h"
#include "document/CCovermintDoc.h"
#include "document/CPreferences.h"
#include "drawing/CTextPrimitive.h"
#include "export/LabelJson.h"
#include "platform/RecordingPrompter.h"
#include "support/TempHome.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

namespace {

QJsonObject Parsed(const QByteArray& json)
{
    QJsonParseError error;
    const QJsonObject object = QJsonDocument::fromJson(json, &error).object();
    EXPECT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString();
    return object;
}

// Text boxes depend on the fonts installed, so they are left out of the
// comparison (the headless tests check that they are measured).
QJsonObject WithoutTextBoxes(QJsonObject dump)
{
    QJsonArray primitives = dump.value(QStringLiteral("primitives")).toArray();
    for (qsizetype i = 0; i < primitives.size(); ++i) {
        QJsonObject p = primitives.at(i).toObject();
        if (p.value(QStringLiteral("PRIMTYPE")) == QStringLiteral("CTextPrimitive"))
            p.remove(QStringLiteral("BOX"));
        primitives.replace(i, p);
    }
    dump.insert(QStringLiteral("primitives"), primitives);
    return dump;
}

class LabelJsonTest : public ::testing::Test
{
protected:
    CTempHome m_home;
    CRecordingPrompter m_prompter;
    CCovermintDoc m_document;
};

} // namespace

TEST_F(LabelJsonTest, StreamedDumpEqualsTheDumpBuiltAsOneDocument)
{
    // The fixture holds every primitive kind, two directory records, nested
    // folders and strings that need escaping; the expected dump was written
    // by the program when it still built the whole document in memory.
    ASSERT_TRUE(m_document.Load(QStringLiteral(COVERMINT_TEST_DATA "/dump-fixture.cla")));
    QFile golden(QStringLiteral(COVERMINT_TEST_DATA "/dump-fixture.json"));
    ASSERT_TRUE(golden.open(QIODevice::ReadOnly));
    const QByteArray dump = LabelToJson(m_document);
    EXPECT_EQ(WithoutTextBoxes(Parsed(dump)), WithoutTextBoxes(Parsed(golden.readAll())));
    // Compact: the indentation of nesting does not add to the size.
    EXPECT_FALSE(dump.contains('\n'));
}

TEST_F(LabelJsonTest, DeepTreesAreCutAndTheDumpGrowsLinearly)
{
    CFileDirectory tree;
    CFileDirectory* level = &tree;
    for (int depth = 0; depth < 300; ++depth) {
        level->AddFile(QStringLiteral("f.mp3"));
        level = level->AddDirectory(QStringLiteral("d"));
    }
    m_document.FindDirectoryInformation(QString())->ReplaceTree(tree);
    const QByteArray dump = LabelToJson(m_document);
    // About 130 bytes of each level's file and folder, whatever its depth.
    EXPECT_LT(dump.size(), 300 * 200);

    QJsonObject node = Parsed(dump).value(QStringLiteral("directoryInfo")).toArray().at(0).toObject()
                           .value(QStringLiteral("DIRECTORY")).toObject();
    int depth = 0;
    while (!node.contains(QStringLiteral("TRUNCATED"))) {
        const QJsonArray children = node.value(QStringLiteral("CHILDREN")).toArray();
        ASSERT_EQ(children.size(), 2) << "at depth " << depth;
        node = children.at(1).toObject().value(QStringLiteral("DIRECTORY")).toObject();
        ++depth;
    }
    EXPECT_EQ(depth, 256);
    EXPECT_FALSE(node.contains(QStringLiteral("CHILDREN")));
}

TEST_F(LabelJsonTest, CurrentDateShowsTheTextItPrintsToday)
{
    auto today = std::make_shared<CTextPrimitive>(&m_document.Engine());
    today->SetName(CTextPrimitive::SpecialName(CTextPrimitive::Special::CurrentDate));
    today->SetText(QStringLiteral("01/01/99"));
    m_document.Engine().Append(today);
    const QJsonObject text = Parsed(LabelToJson(m_document)).value(QStringLiteral("primitives")).toArray().at(0).toObject();
    EXPECT_EQ(text.value(QStringLiteral("TEXT")).toString(), TodayDateText());
}
