// The CDDB dialog, its proxy, chooser and editor dialogs, and Connect to
// CDDB, on real widgets against a CDDB site on 127.0.0.1 and CUE images.
#include "CddbTestSupport.h"
#include "cd/CddbSession.h"
#include "cd/CddbTexts.h"
#include "cd/dialogs/CCDDBDialog.h"
#include "cd/dialogs/CDiscEditorDialog.h"
#include "cd/dialogs/CProxyDialog.h"
#include "cd/dialogs/CddbCommands.h"
#include "document/CCovermintDoc.h"
#include "document/CPreferences.h"
#include "drawing/CTextPrimitive.h"
#include "platform/RecordingPrompter.h"
#include "support/CueImage.h"
#include "support/TempHome.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>

namespace {

const QString kNotConnected = QStringLiteral("Not Connected");

class CddbDialogTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        server.handler = [this](const FakeHttpRequest& r) { return Answer(r); };
        CPreferences::Instance().SetCurrentCddbSite(server.SiteUrl().toString());
        CCddbSession::Instance().Release();
        CCddbSession::Instance().SetPrompts(&prompts);
        prompts.email = QStringLiteral("me@example.org");
        m_cue = WriteCueImage(m_images.path(), ThreeTrackDisc());
    }
    void TearDown() override
    {
        CCddbSession::Instance().Release();
        CCddbSession::Instance().SetPrompts(nullptr);
    }

    // Every disc id is known in rock, with the three-track entry.
    FakeHttpResponse Answer(const FakeHttpRequest& r)
    {
        const QString id = r.command.section(QLatin1Char(' '), 2, 2);
        if (r.path.endsWith("/submit.cgi"))
            return {200, FakeCddbServer::Reply("200 OK")};
        if (r.command.startsWith(QLatin1String("cddb query")))
            return {200, queryReply.isEmpty() ? FakeCddbServer::Reply("200 rock " + id.toUtf8() + " The Artist / The Title")
                                              : queryReply};
        return {200, FakeCddbServer::Reply("210 " + r.command.mid(10).toUtf8(), ThreeTrackEntry())};
    }

    QString Status() const { return dialog.findChild<QLabel*>(QStringLiteral("status"))->text(); }

    CTempHome home;
    CRecordingPrompter prompter;
    FakeCddbServer server;
    ScriptedCddbPrompts prompts;
    QByteArray queryReply;
    QTemporaryDir m_images;
    QString m_cue;
    CCDDBDialog dialog;
};

TEST_F(CddbDialogTest, OneMatchFillsTheFourTexts)
{
    dialog.Preset(m_cue);
    ASSERT_TRUE(dialog.GetDiskInformation()) << prompter.messages.join(QLatin1Char('|')).toStdString();
    const CCddbTexts texts = dialog.Texts();
    EXPECT_EQ(texts.title, QStringLiteral("The Artist - The Title"));
    EXPECT_EQ(texts.trackListing, QStringLiteral("1. First 01:00\r\n2. Second 00:45\r\n3. Third 00:30"));
    EXPECT_EQ(texts.extTrackInfo, QStringLiteral("1. \r\n2. Live   take\r\n3. "));
    EXPECT_EQ(texts.extDiscInfo, QStringLiteral("Liner\r\nnotes"));
    EXPECT_EQ(Status(), kNotConnected);
    EXPECT_TRUE(prompter.messages.isEmpty());

    dialog.findChild<QCheckBox*>(QStringLiteral("displayTrackTimes"))->setChecked(false);
    EXPECT_EQ(dialog.Texts().trackListing, QStringLiteral("1. First\r\n2. Second\r\n3. Third"));
    EXPECT_EQ(dialog.Texts().title, texts.title);
}

TEST_F(CddbDialogTest, SecondDiscGivesItsOwnTrackTimes)
{
    dialog.Preset(m_cue);
    ASSERT_TRUE(dialog.GetDiskInformation());
    QTemporaryDir other;
    dialog.Preset(WriteCueImage(other.path(), {{75 * 200}, {75 * 10}, {75 * 3600}}));
    ASSERT_TRUE(dialog.GetDiskInformation());
    EXPECT_EQ(dialog.Texts().trackListing, QStringLiteral("1. First 03:20\r\n2. Second 00:10\r\n3. Third 1:00:00"));
}

TEST_F(CddbDialogTest, FailuresShowTheirMessagesAndLeaveEmptyTexts)
{
    struct Case
    {
        const char* name;
        QString drive;
        QByteArray reply;
        QStringList messages;
    };
    const Case cases[] = {
        {"no drive", QString(), {}, {QStringLiteral("Please select a CDROM drive.")}},
        {"no device", m_images.filePath(QStringLiteral("missing.cue")), {},
         {QStringLiteral("Unable to open device"),
          QStringLiteral("Could not get the table of contents for this disk.  Try a different disk.")}},
        {"garbage", m_cue, "<html>oops</html>",
         {QStringLiteral("COM Error (8004c003): The server did not answer as a CDDB server does."),
          QStringLiteral("Unexpected return from LookupMediaByToc.  Try a different disk.")}},
        {"none picked", m_cue, FakeCddbServer::Reply("211 close", {QStringLiteral("rock 12008703 A / B")}),
         {QStringLiteral("No matched disc selected.  Please select a disk that matches.")}},
        {"not added", m_cue, FakeCddbServer::Reply("202 none"), {}},
    };
    prompts.choice = -1;
    for (const Case& c : cases) {
        dialog.SetTexts({QStringLiteral("old"), QStringLiteral("old"), QStringLiteral("old"), QStringLiteral("old")});
        dialog.findChild<QComboBox*>(QStringLiteral("drive"))->setEditText(c.drive);
        queryReply = c.reply;
        prompter.messages.clear();
        EXPECT_FALSE(dialog.GetDiskInformation()) << c.name;
        EXPECT_EQ(prompter.messages, c.messages) << c.name;
        EXPECT_EQ(dialog.Texts(), CCddbTexts()) << c.name;
        EXPECT_EQ(Status(), kNotConnected) << c.name;
    }
    EXPECT_EQ(prompter.questions.size(), 1);
}

TEST_F(CddbDialogTest, NewDiscIsEditedThenUpdatedAndSubmitted)
{
    queryReply = FakeCddbServer::Reply("202 No match");
    prompter.answers = {true};
    prompts.edit = [](CCddbDisc& disc) {
        disc.category = QStringLiteral("folk");
        disc.record.SetArtistAndTitle(QStringLiteral("Band"), QStringLiteral("Songs"));
        disc.record.ttitles = {QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")};
        return CCddbClient::EditedDisc | CCddbClient::EditedTracks;
    };
    dialog.Preset(m_cue);
    ASSERT_TRUE(dialog.GetDiskInformation());
    EXPECT_EQ(prompter.questions,
              QStringList{QStringLiteral("The CDDB database does not have this disk.  Do you wish to add it?")});
    EXPECT_EQ(dialog.Texts().title, QStringLiteral("Band - Songs"));
    EXPECT_EQ(prompts.editFlags, QList<int>{CCddbClient::EditNewDisc});

    dialog.findChild<QPushButton*>(QStringLiteral("Submit Disk"))->click();
    EXPECT_EQ(prompter.messages, QStringList{QStringLiteral(
                                     "Please select Update Info prior to submitting or correcting disk information.")});
    prompts.edit = [](CCddbDisc& disc) {
        disc.record.ttitles[0] = QStringLiteral("A (edit)");
        return int(CCddbClient::EditedTracks);
    };
    dialog.findChild<QPushButton*>(QStringLiteral("Update Info"))->click();
    EXPECT_EQ(prompts.editFlags.last(), int(CCddbClient::EditUpdate));
    EXPECT_TRUE(dialog.Texts().trackListing.startsWith(QStringLiteral("1. A (edit) 01:00")));
    dialog.findChild<QPushButton*>(QStringLiteral("Submit Disk"))->click();
    ASSERT_EQ(server.requests.last().path, "/~cddb/submit.cgi");
    EXPECT_EQ(server.requests.last().headers.value("category"), "folk");
    EXPECT_TRUE(server.requests.last().body.contains("TTITLE0=A (edit)\n"));
    EXPECT_EQ(prompter.messages.size(), 1);
}

TEST_F(CddbDialogTest, CancelDuringALookupEndsTheLookupNotTheDialog)
{
    server.handler = [](auto&) { return FakeHttpResponse{200, "202 none", {}, 10000}; };
    dialog.Preset(m_cue);
    dialog.show();
    bool stillOpen = false;
    QTimer::singleShot(300, &dialog, [&] {
        dialog.reject();
        stillOpen = dialog.isVisible();
    });
    EXPECT_FALSE(dialog.GetDiskInformation());
    EXPECT_TRUE(stillOpen);
    EXPECT_TRUE(prompter.messages.first().startsWith(QStringLiteral("COM Error (800704c7)")));
}

TEST_F(CddbDialogTest, ConnectToCddbStoresTheTextsInTheLabelOnOkOnly)
{
    CCovermintDoc document;
    auto text = std::make_shared<CTextPrimitive>(&document.Engine());
    text->SetName(QStringLiteral("CDDB Track Listing"));
    document.Engine().Append(text);
    StoreCddbTexts(document, {QStringLiteral("Stored"), QString(), QString(), QString()});
    document.SetModifiedFlag(false);

    for (const bool ok : {false, true}) {
        QString shownTitle;
        QTimer::singleShot(0, [&] {
            auto* open = qobject_cast<CCDDBDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(open, nullptr);
            shownTitle = open->Texts().title;
            open->SetTexts({QStringLiteral("T"), QStringLiteral("1. x"), QStringLiteral("D"), QStringLiteral("E")});
            ok ? open->accept() : open->reject();
        });
        EXPECT_EQ(CddbCommands::ConnectToCddb(document, nullptr), ok);
        EXPECT_EQ(shownTitle, QStringLiteral("Stored"));
        EXPECT_EQ(document.IsModified(), ok);
    }
    const CCddbTexts stored = StoredCddbTexts(document);
    EXPECT_EQ(stored, (CCddbTexts{QStringLiteral("T"), QStringLiteral("1. x"), QStringLiteral("D"), QStringLiteral("E")}));
    EXPECT_EQ(text->Text(), QStringLiteral("1. x"));
}

TEST_F(CddbDialogTest, ProxyDialogStoresTheFieldsOnlyWhenChecked)
{
    CPreferences& preferences = CPreferences::Instance();
    preferences.SetProxyHost(QStringLiteral("old.host"));
    preferences.SetProxyPort(3128);
    for (const bool inUse : {false, true}) {
        CProxyDialog proxy;
        EXPECT_EQ(proxy.findChild<QLineEdit*>(QStringLiteral("port"))->text(), QStringLiteral("3128"));
        proxy.findChild<QCheckBox*>(QStringLiteral("inUse"))->setChecked(inUse);
        proxy.findChild<QLineEdit*>(QStringLiteral("host"))->setText(QStringLiteral("proxy.local"));
        proxy.findChild<QLineEdit*>(QStringLiteral("port"))->setText(QStringLiteral("8080"));
        proxy.accept();
        EXPECT_EQ(preferences.ProxyInUse(), inUse);
        EXPECT_EQ(preferences.ProxyHost(), inUse ? QStringLiteral("proxy.local") : QStringLiteral("old.host"));
        EXPECT_EQ(preferences.ProxyPort(), inUse ? 8080 : 3128);
    }
}

TEST(DiscEditor, ReportsWhatChanged)
{
    ScriptedCddbPrompts prompts;
    CCddbClient client(prompts);
    const CCddbDisc original = client.NewDisc(kThreeTrackToc, QStringLiteral("A"), QStringLiteral("T"));
    struct Case
    {
        int flags;
        std::function<void(CDiscEditorDialog&)> edit;
        int expected;
    };
    const Case cases[] = {
        {CCddbClient::EditUpdate, [](auto&) {}, 0},
        {CCddbClient::EditUpdate,
         [](CDiscEditorDialog& d) { d.findChild<QLineEdit*>(QStringLiteral("artist"))->setText(QStringLiteral("B")); },
         CCddbClient::EditedDisc},
        {CCddbClient::EditUpdate,
         [](CDiscEditorDialog& d) {
             d.findChild<QTableWidget*>(QStringLiteral("tracks"))->item(1, 1)->setText(QStringLiteral("x\\y\nz"));
         },
         CCddbClient::EditedTracks},
        {CCddbClient::EditNewDisc, [](auto&) {}, CCddbClient::EditedDisc | CCddbClient::EditedTracks},
    };
    for (const Case& c : cases) {
        CCddbDisc disc = original;
        CDiscEditorDialog editor(disc, c.flags);
        c.edit(editor);
        editor.accept();
        EXPECT_EQ(editor.Flags(), c.expected);
    }
    CCddbDisc disc = original;
    CDiscEditorDialog editor(disc, CCddbClient::EditUpdate);
    editor.findChild<QTableWidget*>(QStringLiteral("tracks"))->item(1, 1)->setText(QStringLiteral("x\\y\nz"));
    editor.accept();
    EXPECT_EQ(disc.TrackExtendedData(2), QStringLiteral("x\\\\y\\nz"));
}

} // namespace
