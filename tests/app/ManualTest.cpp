#include "AppTestSupport.h"
#include "app/CMainFrame.h"
#include "app/CommandTable.h"
#include "app/HelpLinks.h"
#include "platform/RecordingPrompter.h"

#include <QMenu>
#include <gtest/gtest.h>

using namespace apptest;
using Manual = AppTest;

namespace {

// The texts of the visible commands of the menus now on the menu bar.
QStringList CommandTexts(const QList<QMenu*>& menus)
{
    QStringList texts;
    for (QMenu* menu : menus) {
        for (QAction* action : menu->actions()) {
            if (action->menu()) {
                texts << CommandTexts({action->menu()});
                continue;
            }
            const int id = action->data().toInt();
            if (action->isSeparator() || !action->isVisible() || id == 0 || CommandTable::IsZoomLevel(id) ||
                CommandTable::IsPenSize(id))
                continue; // separators, recent files, window list, numbered levels
            texts << action->text().remove(QLatin1Char('&')).remove(QStringLiteral("..."));
        }
    }
    return texts;
}

} // namespace

TEST_F(Manual, DescribesEveryCommandOfBothMenuBars)
{
    ASSERT_TRUE(home.AddLabel(QStringLiteral("disk.cla")));
    const QString manual = QString::fromUtf8(ReadAll(HelpLinks::ManualPath(home.Path())));
    ASSERT_FALSE(manual.isEmpty());

    auto app = Started();
    QStringList texts = CommandTexts(app->MainFrame()->MenuBarMenus());
    ASSERT_NE(app->OpenDocumentFile(home.Label(QStringLiteral("disk.cla"))), nullptr);
    texts << CommandTexts(app->MainFrame()->MenuBarMenus());
    EXPECT_GT(texts.size(), 40);
    for (const QString& text : texts)
        EXPECT_TRUE(manual.contains(text)) << text.toStdString();

    // Topics are anchors of the manual.
    const QUrl topic = HelpLinks::HelpUrl(home.Path(), QStringLiteral("new-label"));
    EXPECT_EQ(topic.toLocalFile(), HelpLinks::ManualPath(home.Path()));
    EXPECT_TRUE(manual.contains(QStringLiteral("id=\"") + topic.fragment() + QLatin1Char('"')));
}
