// The command line as parsed, without running a process.
#include "BuildInfo.h"
#include "cli/CommandLine.h"
#include "cli/HeadlessMode.h"
#include "document/CCovermintDoc.h"
#include "export/LabelExporter.h"

#include <gtest/gtest.h>

TEST(CommandLine, FilesHelpVersionAndUnknownOptions)
{
    const CCommandLine::Result files = CCommandLine::Parse({"covermint", "a.cla", "b c.cte"});
    EXPECT_EQ(files.action, CCommandLine::Action::Run);
    EXPECT_EQ(files.files, QStringList({"a.cla", "b c.cte"}));

    const CCommandLine::Result help = CCommandLine::Parse({"covermint", "--help"});
    EXPECT_EQ(help.action, CCommandLine::Action::ShowHelp);
    EXPECT_TRUE(help.text.contains(QStringLiteral("--version")));

    EXPECT_EQ(CCommandLine::Parse({"covermint", "-v"}).action, CCommandLine::Action::ShowVersion);
    EXPECT_EQ(CCommandLine::VersionText(), QStringLiteral("Covermint 2.0 Bld " COVERMINT_BUILD_NUMBER));

    const CCommandLine::Result bad = CCommandLine::Parse({"covermint", "--frobnicate"});
    EXPECT_EQ(bad.action, CCommandLine::Action::Fail);
    EXPECT_TRUE(bad.text.contains(QStringLiteral("frobnicate")));
    EXPECT_EQ(bad.status, 2);
}

// Whatever else is wrong, a call naming a headless mode is answered as one:
// usage status 1 and one line, never the window.
TEST(CommandLine, HeadlessModesAreRecognisedByTheSameParser)
{
    const CCommandLine::Result info = CCommandLine::Parse({"covermint", "--info", "a.cla"});
    ASSERT_EQ(info.action, CCommandLine::Action::Headless);
    EXPECT_EQ(info.mode->selector.names(), QStringList{"info"});
    EXPECT_EQ(info.parser->positionalArguments(), QStringList{"a.cla"});

    const struct
    {
        QStringList args;
        QString mentions;
    } failures[] = {
        {{"covermint", "--info", "a.cla", "--frobnicate"}, "frobnicate"},
        {{"covermint", "--info", "a.cla", "b.cla"}, "only one label file"},
        {{"covermint", "--export"}, "export"},
    };
    for (const auto& f : failures) {
        SCOPED_TRACE(f.args.join(' ').toStdString());
        const CCommandLine::Result r = CCommandLine::Parse(f.args);
        EXPECT_EQ(r.action, CCommandLine::Action::Fail);
        EXPECT_EQ(r.status, 1);
        EXPECT_TRUE(r.text.contains(f.mentions)) << r.text.toStdString();
        EXPECT_FALSE(r.text.contains(QLatin1Char('\n')));
    }
}

TEST(LabelExporter, FailsWithoutAnErrorPointer)
{
    CCovermintDoc document;
    EXPECT_FALSE(LabelExporter::Export(document, QStringLiteral("label.gif"), 100, nullptr));
    EXPECT_FALSE(LabelExporter::Export(document, QStringLiteral("/nonexistent-folder/a.png"), 100, nullptr));
}
