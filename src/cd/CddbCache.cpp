#include "cd/CddbCache.h"

#include "cd/CddbReply.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

QString CCddbCache::PathOf(const QString& category, const QString& discId) const
{
    return m_folder + QLatin1Char('/') + category + QLatin1Char('/') + discId;
}

QStringList CCddbCache::CategoriesOf(const QString& discId) const
{
    QStringList found;
    if (!IsEnabled() || !IsCddbDiscIdText(discId))
        return found;
    const QStringList categories = QDir(m_folder).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString& category : categories)
        if (IsCddbCategoryName(category) && QFileInfo(PathOf(category, discId)).isFile())
            found << category;
    return found;
}

std::optional<CXmcdRecord> CCddbCache::Load(const QString& category, const QString& discId) const
{
    if (!IsEnabled() || !IsCddbCategoryName(category) || !IsCddbDiscIdText(discId))
        return std::nullopt;
    QFile file(PathOf(category, discId));
    if (!file.open(QIODevice::ReadOnly) || file.size() > CCddbReply::kMaxReplyBytes)
        return std::nullopt;
    return ParseXmcd(file.readAll()).record;
}

bool CCddbCache::Store(const QString& category, const QString& discId, const CXmcdRecord& record) const
{
    if (!IsEnabled() || !IsCddbCategoryName(category) || !IsCddbDiscIdText(discId))
        return false;
    if (!QDir().mkpath(m_folder + QLatin1Char('/') + category))
        return false;
    QSaveFile file(PathOf(category, discId));
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(WriteXmcd(record));
    return file.commit();
}
