// The preferences file: whatever it holds, loading gives usable values
// (or sets a broken file aside), and those values survive their own save.
#include "FuzzSupport.h"

#include "document/CPreferences.h"

#include <QDir>

namespace {

QByteArray SavedPreferences()
{
    CPreferences& preferences = CPreferences::Instance();
    if (!preferences.Save())
        __builtin_trap();
    return Fuzz::ReadFileOrTrap(preferences.PreferencesPath());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Fuzz::Initialize();
    // Files set aside by earlier runs.
    QDir home(Fuzz::HomeFolder());
    for (const QString& file : home.entryList(QDir::Files))
        home.remove(file);
    Fuzz::WriteScratchFile(QStringLiteral("home/Covermint.pref"), data, size);

    CPreferences::Reset();
    const QByteArray once = SavedPreferences();
    CPreferences::Reset();
    if (SavedPreferences() != once)
        __builtin_trap();
    return 0;
}
