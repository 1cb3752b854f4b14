#pragma once
// Helpers for driving the application's windows in tests.
#include "app/CCovermintApp.h"
#include "document/HomeFolderSeed.h"
#include "platform/RecordingPrompter.h"
#include "support/TempHome.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QSettings>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <functional>
#include <memory>
#include <gtest/gtest.h>
#include <ostream>

// Readable QStrings in failure messages.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace apptest {

// Runs act on the next modal dialog of type T once it is shown (a modal
// dialog blocks the test in exec()). Gives up after a minute, or as soon as
// the test that asked has ended: a later test's dialog is not its business.
template <class T>
void WhenModal(std::function<void(T*)> act)
{
    // Owned by the application, so a handler still waiting when the process
    // ends is not leaked.
    auto* timer = new QTimer(QCoreApplication::instance());
    auto clock = std::make_shared<QElapsedTimer>();
    clock->start();
    timer->setInterval(20);
    const auto* owner = ::testing::UnitTest::GetInstance()->current_test_info();
    QObject::connect(timer, &QTimer::timeout, [timer, clock, act, owner] {
        const bool ownerRuns = ::testing::UnitTest::GetInstance()->current_test_info() == owner;
        if (auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget()); dialog && ownerRuns) {
            timer->stop();
            act(dialog);
        } else if (ownerRuns && clock->elapsed() < 60000) { // sanitizer builds open dialogs slowly
            return;
        }
        timer->stop();
        timer->deleteLater();
    });
    timer->start();
}

// Forgets what earlier tests left in the per-user settings; no tips at
// start-up unless a test asks for them.
inline void ClearProfile(int tipStartUp = 1)
{
    QSettings settings(QStringLiteral("Covermint"), QStringLiteral("Covermint"));
    settings.remove(QStringLiteral("Recent File List"));
    settings.remove(QStringLiteral("Tip"));
    settings.setValue(QStringLiteral("Tip/StartUp"), tipStartUp);
    settings.sync();
}

// A registered home folder holding the shipped templates, tips and images.
class SeededHome : public CTempHome
{
public:
    SeededHome()
    {
        ClearProfile();
        seeded = CHomeFolderSeed::Populate(QStringLiteral(COVERMINT_SOURCE_SHARE), Path(), nullptr);
    }
    QString Label(const QString& name) const { return FilePath(QStringLiteral("Labels/") + name); }
    QString Template(const QString& relative) const { return FilePath(QStringLiteral("Templates/") + relative); }
    // A label file made from a shipped template.
    bool AddLabel(const QString& name) const
    {
        return QFile::copy(Template(QStringLiteral("ZIP Disk/ZIP Disk Label.cte")), Label(name));
    }
    bool seeded = false;
};

inline QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline QStringList ChildTexts(const QTreeWidgetItem* item)
{
    QStringList texts;
    for (int i = 0; item && i < item->childCount(); ++i)
        texts << item->child(i)->text(0);
    return texts;
}

inline void DoubleClick(QTreeWidget* tree, QTreeWidgetItem* item)
{
    tree->scrollToItem(item);
    const QPoint centre = tree->visualItemRect(item).center();
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, centre);
    QTest::mouseDClick(tree->viewport(), Qt::LeftButton, {}, centre);
}

// The application with the given arguments after the program name.
inline std::unique_ptr<CCovermintApp> Started(const QStringList& files = {})
{
    auto app = std::make_unique<CCovermintApp>(QCoreApplication::applicationDirPath(), false);
    app->Start(QStringList{QStringLiteral("covermint")} + files);
    return app;
}

// A test with a seeded home whose messages and questions are recorded.
class AppTest : public ::testing::Test
{
protected:
    // The application started on one.cla and two.cla, both made from a template.
    std::unique_ptr<CCovermintApp> StartedOnTwoLabels()
    {
        const QString one = home.Label(QStringLiteral("one.cla")), two = home.Label(QStringLiteral("two.cla"));
        EXPECT_TRUE(home.AddLabel(QStringLiteral("one.cla")) && home.AddLabel(QStringLiteral("two.cla")));
        return Started({one, two});
    }

    CRecordingPrompter prompter;
    SeededHome home;
};

} // namespace apptest
