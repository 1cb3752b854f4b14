#include "support/IsoImage.h"

#include <QProcess>

QString BuildIsoImage(const QString& image, const QString& folder, const QStringList& options)
{
    QProcess xorriso;
    xorriso.start(QStringLiteral("xorriso"), QStringList{QStringLiteral("-report_about"), QStringLiteral("SORRY"),
                                                         QStringLiteral("-outdev"), image}
                                                 + options
                                                 + QStringList{QStringLiteral("-map"), folder, QStringLiteral("/")});
    if (!xorriso.waitForFinished(60000) || xorriso.exitStatus() != QProcess::NormalExit || xorriso.exitCode() != 0)
        return QStringLiteral("xorriso failed: ") + QString::fromLocal8Bit(xorriso.readAllStandardError());
    return {};
}
