#pragma once
// First start: with no home folder registered, and none in the current
// directory, a home folder is made in ~/Covermint from the installed seed
// (share/covermint) and registered as HOMEDIR.
#include <QString>
#include <QStringList>

class CHomeFolderSeed
{
public:
    // Where the seed may be, best first, relative to the program, so that
    // any prefix or DESTDIR works and an install never reads the sources.
    static QStringList SeedCandidates(const QString& programDir);
    // The first candidate with a "Templates" folder, or empty.
    static QString FindSeed(const QString& programDir);

    // The registered HOMEDIR, empty when none.
    static QString RegisteredHome();
    static void Register(const QString& folder);
    static QString DefaultTarget(); // ~/Covermint

    // Copies the seed into target without replacing files that are there
    // already, and makes sure "Labels", "Templates" and "Images" exist.
    static bool Populate(const QString& seed, const QString& target, QString* error);

    enum class Outcome { NotNeeded, Seeded, Failed };
    // The whole first-start step. message explains a failure, or a
    // registered folder that had vanished and was replaced.
    static Outcome Run(const QString& programDir, QString* message);
};
