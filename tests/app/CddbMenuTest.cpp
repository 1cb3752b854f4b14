// Connect to CDDB, the CDDB registration and the music browser reached
// through the main window, against a CDDB site on 127.0.0.1, with a CUE
// image standing in for the drive and the desktop's browser recorded.
#include "AppTestSupport.h"
#include "app/CChildFrame.h"
#include "app/CMainFrame.h"
#include "cd/CddbSession.h"
#include "cd/CddbTestSupport.h"
#include "cd/dialogs/CCDDBDialog.h"
#include "directory/CDocumentDirectoryInformation.h"
#include "document/CCovermintDoc.h"
#include "document/CPreferences.h"
#include "drawing/CTextPrimitive.h"
#include "support/BrowserRecorder.h"
#include "support/CueImage.h"
#include "toolkit/CommandIds.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QInputDialog>
#include <QMenu>
#include <QPushButton>

using namespace apptest;
using namespace CommandId;

namespace {

const QString kEmailKey = QStringLiteral("CDDB/UserEmail");

class CddbMenus : public AppTest
{
protected:
    void SetUp() override
    {
        QSettings(QStringLiteral("Covermint"), QStringLiteral("Covermint")).remove(QStringLiteral("CDDB"));
        server.handler = [](const FakeHttpRequest& r) -> FakeHttpResponse {
            if (r.command.startsWith(QLatin1String("cddb query")))
                return {200, FakeCddbServer::Reply("200 rock 12008703 The Artist / The Title")};
            if (r.command == QLatin1String("cddb read rock 12008703"))
                return {200, FakeCddbServer::Reply("210 rock 12008703", ThreeTrackEntry())};
            return {200, FakeCddbServer::Reply("401 No such CD entry in database.")};
        };
        CPreferences::Instance().SetCurrentCddbSite(server.SiteUrl().toString());
        CCddbSession::Instance().Release();
    }
    void TearDown() override { CCddbSession::Instance().Release(); }

    static QString StoredEmail()
    {
        return QSettings(QStringLiteral("Covermint"), QStringLiteral("Covermint")).value(kEmailKey).toString();
    }

    QUrl SitePage(const QString& path) const
    {
        QUrl url = server.SiteUrl();
        url.setPath(path);
        url.setQuery(QString());
        return url;
    }

    FakeCddbServer server;
    CBrowserRecorder browser;
    QTemporaryDir images;
};

QAction* FromMenu(CMainFrame& main, const QString& menuTitle, int id)
{
    for (QMenu* menu : main.MenuBarMenus())
        if (menu->title() == menuTitle && menu->actions().contains(main.Action(id)))
            return main.Action(id);
    return nullptr;
}

} // namespace

TEST_F(CddbMenus, ConnectToCddbFillsTheFourSpecialTextsAndTheBrowserShowsTheDisc)
{
    QSettings(QStringLiteral("Covermint"), QStringLiteral("Covermint")).setValue(kEmailKey, QStringLiteral("me@example.org"));
    const QString cue = WriteCueImage(images.path(), ThreeTrackDisc());
    ASSERT_FALSE(cue.isEmpty());
    ASSERT_TRUE(home.AddLabel(QStringLiteral("disc.cla")));
    auto app = Started({home.Label(QStringLiteral("disc.cla"))});
    CMainFrame& main = *app->MainFrame();
    CCovermintDoc& doc = app->ActiveFrame()->Document();

    const std::pair<QString, QString> expected[] = {
        {QStringLiteral("CDDB Disk Title"), QStringLiteral("The Artist - The Title")},
        {QStringLiteral("CDDB Track Listing"), QStringLiteral("1. First 01:00\r\n2. Second 00:45\r\n3. Third 00:30")},
        {QStringLiteral("CDDB Extended Disk Information"), QStringLiteral("Liner\r\nnotes")},
        {QStringLiteral("CDDB Extended Track Information"), QStringLiteral("1. \r\n2. Live   take\r\n3. ")},
    };
    std::vector<std::shared_ptr<CTextPrimitive>> texts;
    for (const auto& [name, text] : expected) {
        texts.push_back(std::make_shared<CTextPrimitive>(&doc.Engine()));
        texts.back()->SetName(name);
        doc.Engine().Append(texts.back());
    }
    doc.SetModifiedFlag(false);

    WhenModal<CCDDBDialog>([&cue](CCDDBDialog* dialog) {
        dialog->findChild<QComboBox*>(QStringLiteral("drive"))->setEditText(cue);
        dialog->findChild<QPushButton*>(QStringLiteral("Get Disk Information"))->click();
        dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    });
    QAction* connect = FromMenu(main, QStringLiteral("&File"), ConnectToCddb);
    ASSERT_NE(connect, nullptr);
    connect->trigger();

    EXPECT_TRUE(prompter.messages.isEmpty()) << prompter.messages.join(QLatin1Char('|')).toStdString();
    for (std::size_t i = 0; i < texts.size(); ++i)
        EXPECT_EQ(texts[i]->Text(), expected[i].second) << expected[i].first.toStdString();
    const CCddbTexts stored = doc.FindDirectoryInformation(QString())->CddbTexts();
    EXPECT_EQ(stored, (CCddbTexts{expected[0].second, expected[1].second, expected[2].second, expected[3].second}));
    EXPECT_TRUE(doc.IsModified());

    QAction* musicBrowser = FromMenu(main, QStringLiteral("&Links"), LinkCddbBrowser);
    ASSERT_NE(musicBrowser, nullptr);
    musicBrowser->trigger();
    EXPECT_EQ(browser.opened, QList<QUrl>{SitePage(QStringLiteral("/cd/rock/12008703"))});
}

TEST_F(CddbMenus, MusicBrowserWithoutADiscOpensTheSitesHomePage)
{
    auto app = Started();
    QAction* musicBrowser = FromMenu(*app->MainFrame(), QStringLiteral("&Links"), LinkCddbBrowser);
    ASSERT_NE(musicBrowser, nullptr);
    musicBrowser->trigger();
    EXPECT_EQ(browser.opened, QList<QUrl>{SitePage(QStringLiteral("/"))});
    EXPECT_TRUE(prompter.messages.isEmpty());
}

TEST_F(CddbMenus, RegistrationAsksForTheAddressAndKeepsAValidOne)
{
    auto app = Started();
    QAction* registration =
        FromMenu(*app->MainFrame(), QStringLiteral("&File"), CddbRegistration);
    ASSERT_NE(registration, nullptr);
    struct Step
    {
        const char* typed; // null: the question is cancelled
        const char* offered;
        const char* kept;
        bool complaint;
    };
    const Step steps[] = {
        {"me@example.org", "", "me@example.org", false},
        {"you@example.org", "me@example.org", "you@example.org", false},
        {"not an address", "you@example.org", "you@example.org", true},
        {nullptr, "you@example.org", "you@example.org", false},
    };
    for (const Step& step : steps) {
        prompter.messages.clear();
        QString offered;
        WhenModal<QInputDialog>([&offered, step](QInputDialog* question) {
            offered = question->textValue();
            if (!step.typed) {
                question->reject();
                return;
            }
            question->setTextValue(QString::fromUtf8(step.typed));
            question->accept();
        });
        registration->trigger();
        const QString name = QString::fromUtf8(step.typed ? step.typed : "(cancelled)");
        EXPECT_EQ(offered, QString::fromUtf8(step.offered)) << name.toStdString();
        EXPECT_EQ(StoredEmail(), QString::fromUtf8(step.kept)) << name.toStdString();
        EXPECT_EQ(prompter.messages.size(), step.complaint ? 1 : 0) << name.toStdString();
        if (step.complaint && !prompter.messages.isEmpty()) {
            EXPECT_TRUE(prompter.messages.front().startsWith(QStringLiteral("COM Error ("))) << name.toStdString();
        }
    }
}
