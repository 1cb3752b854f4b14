#pragma once
// Database entries kept on disk, <folder>/<category>/<discid>, in xmcd form.
// Looked at before the network; written after every read.
#include "cd/XmcdRecord.h"

#include <QString>

class CCddbCache
{
public:
    explicit CCddbCache(QString folder = {}) : m_folder(std::move(folder)) {}
    QString Folder() const { return m_folder; }
    bool IsEnabled() const { return !m_folder.isEmpty(); }

    // The categories holding an entry for the id, in name order.
    QStringList CategoriesOf(const QString& discId) const;
    std::optional<CXmcdRecord> Load(const QString& category, const QString& discId) const;
    // Atomic; false when the folder cannot be written or the names are not
    // a category and a disc id.
    bool Store(const QString& category, const QString& discId, const CXmcdRecord& record) const;

private:
    QString PathOf(const QString& category, const QString& discId) const;
    QString m_folder;
};
