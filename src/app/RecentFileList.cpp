#include "app/RecentFileList.h"

#include "platform/DesktopRecentFiles.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QSettings>

namespace {

const QString kSection = QStringLiteral("Recent File List");

QString EntryKey(int index)
{
    return QStringLiteral("File%1").arg(index + 1);
}

bool SamePath(const QString& a, const QString& b)
{
    return QFileInfo(a).absoluteFilePath() == QFileInfo(b).absoluteFilePath();
}

} // namespace

CRecentFileList::CRecentFileList(QObject* parent) : QObject(parent)
{
    m_empty = new QAction(QStringLiteral("Recent File"), this);
    m_empty->setEnabled(false);
    for (int i = 0; i < kSize; ++i) {
        auto* action = new QAction(this);
        connect(action, &QAction::triggered, this, [this, i] {
            if (i < m_files.size())
                emit openRequested(m_files.at(i));
        });
        m_actions << action;
    }
    Load();
}

void CRecentFileList::Add(const QString& path)
{
    if (path.isEmpty())
        return;
    const QString absolute = QFileInfo(path).absoluteFilePath();
    Remove(absolute);
    m_files.prepend(absolute);
    while (m_files.size() > kSize)
        m_files.removeLast();
    Save();
    UpdateActions();
    CDesktopRecentFiles::Add(absolute);
}

void CRecentFileList::Remove(const QString& path)
{
    const qsizetype before = m_files.size();
    m_files.removeIf([&](const QString& entry) { return SamePath(entry, path); });
    if (m_files.size() != before) {
        Save();
        UpdateActions();
    }
}

void CRecentFileList::AddToMenu(QMenu* menu) const
{
    menu->addAction(m_empty);
    for (QAction* action : m_actions)
        menu->addAction(action);
}

void CRecentFileList::Load()
{
    QSettings settings(QStringLiteral("Covermint"), QStringLiteral("Covermint"));
    settings.beginGroup(kSection);
    for (int i = 0; i < kSize; ++i) {
        const QString entry = settings.value(EntryKey(i)).toString();
        if (!entry.isEmpty() && !m_files.contains(entry))
            m_files << entry;
    }
    UpdateActions();
}

void CRecentFileList::Save() const
{
    QSettings settings(QStringLiteral("Covermint"), QStringLiteral("Covermint"));
    settings.beginGroup(kSection);
    for (int i = 0; i < kSize; ++i) {
        if (i < m_files.size())
            settings.setValue(EntryKey(i), m_files.at(i));
        else
            settings.remove(EntryKey(i));
    }
}

void CRecentFileList::UpdateActions()
{
    m_empty->setVisible(m_files.isEmpty());
    for (int i = 0; i < kSize; ++i) {
        QAction* action = m_actions.at(i);
        action->setVisible(i < m_files.size());
        if (i < m_files.size()) {
            const QString shown = QDir::toNativeSeparators(m_files.at(i));
            action->setText(QStringLiteral("&%1 %2").arg(i + 1).arg(QString(shown).replace(QLatin1Char('&'), QStringLiteral("&&"))));
            action->setStatusTip(QStringLiteral("Opens %1").arg(shown));
        }
    }
}
