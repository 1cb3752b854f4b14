#include "app/HomeFolderSeed.h"

#include "document/CPreferences.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

namespace {

const QString kHomeKey = QStringLiteral("HOMEDIR");
const QString kTemplates = QStringLiteral("Templates");

QSettings Settings()
{
    return QSettings(QStringLiteral("Covermint"), QStringLiteral("Covermint"));
}

bool CopyFileIfMissing(const QString& from, const QString& to, QString* error)
{
    if (QFileInfo::exists(to))
        return true;
    QFile source(from);
    if (source.copy(to)) {
        // The seed may be read-only (installed); the user's copy must not be.
        QFile::setPermissions(to, QFile::permissions(to) | QFile::WriteOwner | QFile::ReadOwner);
        return true;
    }
    *error = QStringLiteral("Could not copy %1 to %2: %3").arg(from, to, source.errorString());
    return false;
}

} // namespace

QStringList CHomeFolderSeed::SeedCandidates(const QString& programDir)
{
    // bin/../share/covermint both when installed and in a build tree, where
    // the build links share/covermint to the sources.
    if (programDir.isEmpty())
        return {};
    return {QDir::cleanPath(QDir(programDir).filePath(QStringLiteral("../share/covermint")))};
}

QString CHomeFolderSeed::FindSeed(const QString& programDir)
{
    for (const QString& candidate : SeedCandidates(programDir)) {
        if (QFileInfo(candidate + QLatin1Char('/') + kTemplates).isDir())
            return candidate;
    }
    return {};
}

QString CHomeFolderSeed::RegisteredHome()
{
    const QVariant value = Settings().value(kHomeKey);
    return value.canConvert<QString>() ? value.toString() : QString();
}

void CHomeFolderSeed::Register(const QString& folder)
{
    QSettings settings = Settings();
    settings.setValue(kHomeKey, AddTrailingSeparator(folder));
    settings.sync();
    // The preferences object may have looked the folder up already.
    CPreferences::Reset();
}

QString CHomeFolderSeed::DefaultTarget()
{
    return QDir::homePath() + QStringLiteral("/Covermint");
}

bool CHomeFolderSeed::Populate(const QString& seed, const QString& target, QString* error)
{
    QString ignored;
    if (!error)
        error = &ignored;
    const QDir seedDir(seed);
    if (!QFileInfo(seedDir.filePath(kTemplates)).isDir()) {
        *error = QStringLiteral("The folder %1 holds no templates to start a home folder with.").arg(seed);
        return false;
    }
    QDir targetDir(target);
    for (const QString& sub : {kTemplates, QStringLiteral("Labels"), QStringLiteral("Images")}) {
        if (!targetDir.mkpath(sub)) {
            *error = QStringLiteral("Could not create the folder %1.").arg(targetDir.filePath(sub));
            return false;
        }
    }
    QDirIterator it(seed, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::NoSymLinks,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString from = it.next();
        const QString to = targetDir.filePath(seedDir.relativeFilePath(from));
        if (it.fileInfo().isDir()) {
            if (!targetDir.mkpath(seedDir.relativeFilePath(from))) {
                *error = QStringLiteral("Could not create the folder %1.").arg(to);
                return false;
            }
        } else if (!CopyFileIfMissing(from, to, error)) {
            return false;
        }
    }
    return true;
}

CHomeFolderSeed::Outcome CHomeFolderSeed::Run(const QString& programDir, QString* message)
{
    QString ignored;
    if (!message)
        message = &ignored;
    const QString registered = RegisteredHome();
    if (!registered.isEmpty() && QFileInfo(registered).isDir())
        return Outcome::NotNeeded;
    if (registered.isEmpty() && QFileInfo(QDir::current().filePath(kTemplates)).isDir())
        return Outcome::NotNeeded;

    const QString seed = FindSeed(programDir);
    const QString target = DefaultTarget();
    if (seed.isEmpty()) {
        *message = QStringLiteral("Covermint could not set up a home folder: its templates, tips and "
                                  "help were not found in any of %1.")
                       .arg(SeedCandidates(programDir).join(QStringLiteral(", ")));
        return Outcome::Failed;
    }
    if (!Populate(seed, target, message)) {
        *message = QStringLiteral("Covermint could not set up a home folder in %1.\n%2").arg(target, *message);
        return Outcome::Failed;
    }
    Register(target);
    if (!registered.isEmpty()) {
        *message = QStringLiteral("The home folder %1 does not exist any more. Covermint now keeps "
                                  "its files in %2.")
                       .arg(registered, AddTrailingSeparator(target));
    }
    return Outcome::Seeded;
}
