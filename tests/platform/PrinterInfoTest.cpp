#include "platform/PrinterInfo.h"
#include "platform/RecordingPrompter.h"

#include <gtest/gtest.h>

namespace {

class FixedPrinter : public CPrinterInfoSource
{
public:
    explicit FixedPrinter(std::optional<QSizeF> mm) : m_mm(mm) {}
    std::optional<QSizeF> DefaultPrintableMillimetres() override { return m_mm; }

private:
    std::optional<QSizeF> m_mm;
};

} // namespace

TEST(PrinterInfo, PageSizeFromPrintableAreaTruncatesAndFallsBackWithoutPrinter)
{
    SetPrinterInfoSource(nullptr);
    EXPECT_EQ(DefaultPrinterPageSize(), QSize(850, 1100));

    // 210 x 271.3 mm: 826.77 and 1068.1 units, truncated.
    FixedPrinter a4(QSizeF(210.0, 271.3));
    SetPrinterInfoSource(&a4);
    EXPECT_EQ(DefaultPrinterPageSize(), QSize(826, 1068));

    // Letter, all printable: 215.9 mm is just under 850 units in single precision.
    FixedPrinter letter(QSizeF(215.9, 279.4));
    SetPrinterInfoSource(&letter);
    EXPECT_EQ(DefaultPrinterPageSize(), QSize(850, 1100));

    FixedPrinter none(std::nullopt);
    SetPrinterInfoSource(&none);
    EXPECT_EQ(DefaultPrinterPageSize(), QSize(850, 1100));
    SetPrinterInfoSource(nullptr);
}

TEST(Prompter, RecordingPrompterScriptsAnswersAndRestoresPrevious)
{
    CPrompter* before = &Prompter();
    {
        CRecordingPrompter rec;
        rec.answers = {true};
        EXPECT_EQ(&Prompter(), &rec);
        Prompter().ShowMessage(QStringLiteral("hello"));
        EXPECT_TRUE(Prompter().AskYesNo(QStringLiteral("first?")));
        EXPECT_FALSE(Prompter().AskYesNo(QStringLiteral("second?")));
        {
            CWaitCursor wait;
            EXPECT_EQ(rec.waitDepth, 1);
        }
        EXPECT_EQ(rec.waitDepth, 0);
        EXPECT_EQ(rec.messages, QStringList{QStringLiteral("hello")});
        EXPECT_EQ(rec.questions.size(), 2);
    }
    EXPECT_EQ(&Prompter(), before);
}
