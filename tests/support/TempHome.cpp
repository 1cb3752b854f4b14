#include "TempHome.h"

#include "document/CPreferences.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

CTempHome::CTempHome(bool withTemplates)
{
    if (withTemplates)
        QDir(m_dir.path()).mkpath(QStringLiteral("Templates"));
    QSettings settings(QStringLiteral("Covermint"), QStringLiteral("Covermint"));
    settings.setValue(QStringLiteral("HOMEDIR"), Path());
    settings.sync();
    CPreferences::Reset();
}

CTempHome::~CTempHome()
{
    QSettings settings(QStringLiteral("Covermint"), QStringLiteral("Covermint"));
    settings.remove(QStringLiteral("HOMEDIR"));
    settings.sync();
    CPreferences::Reset();
}

QString CTempHome::Path() const
{
    return m_dir.path() + QLatin1Char('/');
}

bool CTempHome::WriteFile(const QString& relative, const QByteArray& content) const
{
    const QString path = FilePath(relative);
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(content) == content.size();
}
