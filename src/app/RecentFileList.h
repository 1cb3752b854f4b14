#pragma once
// The four most recently opened or saved labels, kept in the per-user
// settings ("Recent File List", File1..File4) and offered as menu actions.
#include <QObject>
#include <QStringList>
#include <QVector>

class QAction;
class QMenu;

class CRecentFileList : public QObject
{
    Q_OBJECT
public:
    static constexpr int kSize = 4;

    explicit CRecentFileList(QObject* parent = nullptr);

    QStringList Files() const { return m_files; }
    // Puts path first (once) and stores the list.
    void Add(const QString& path);
    void Remove(const QString& path);

    // The actions standing for the entries; the same set serves every menu.
    void AddToMenu(QMenu* menu) const;

signals:
    void openRequested(const QString& path);

private:
    void Load();
    void Save() const;
    void UpdateActions();

    QStringList m_files;
    QAction* m_empty = nullptr; // "Recent File", shown disabled while the list is empty
    QVector<QAction*> m_actions;
};
