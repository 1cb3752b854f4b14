#include "export/OutputNames.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace OutputNames {

namespace {
// Well below the usual 255-byte limit, leaving room for " (n).pdf" in UTF-8.
constexpr int kMaxChars = 80;
constexpr int kMaxAttempts = 10000;
} // namespace

QString SafeFileName(const QString& name)
{
    QString safe;
    for (const QChar c : name) {
        const bool hostile = c.category() == QChar::Other_Control || c.category() == QChar::Other_Format
                             || QStringLiteral("/\\:*?\"<>|").contains(c);
        safe += hostile ? QLatin1Char('_') : c;
    }
    safe = safe.simplified();
    auto trimEnds = [&safe] {
        while (!safe.isEmpty() && (safe.front() == QLatin1Char('.') || safe.front().isSpace()))
            safe.remove(0, 1);
        while (!safe.isEmpty() && (safe.back() == QLatin1Char('.') || safe.back().isSpace()))
            safe.chop(1);
    };
    trimEnds();
    if (safe.size() > kMaxChars) {
        safe.truncate(kMaxChars);
        if (safe.back().isHighSurrogate())
            safe.chop(1);
        trimEnds();
    }
    return safe.isEmpty() ? QStringLiteral("Medium") : safe;
}

QString MoveToFreeName(const QString& from, const QString& dir, const QString& base, const QString& suffix,
                       QString* error)
{
    for (int n = 1; n <= kMaxAttempts; ++n) {
        const QString name = n == 1 ? base : QStringLiteral("%1 (%2)").arg(base).arg(n);
        const QString target = QDir(dir).filePath(name + suffix);
        // QFile::rename refuses an existing target, atomically where the
        // system can; the check before it only saves a system call.
        if (QFileInfo::exists(target))
            continue;
        QFile file(from);
        if (file.rename(target))
            return target;
        if (!QFileInfo::exists(target)) {
            if (error)
                *error = file.errorString();
            return {};
        }
    }
    if (error)
        *error = QStringLiteral("no free file name for %1").arg(base + suffix);
    return {};
}

} // namespace OutputNames
