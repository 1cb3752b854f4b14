#include "cd/TocReader.h"

#include "cd/CCdAudio.h"

CTocReadResult ReadTableOfContents(const QString& drivePath)
{
    QString path = drivePath;
    if (path.endsWith(QLatin1Char('\\')) || path.endsWith(QLatin1Char('/')))
        path.chop(1);
    CTocReadResult result;
    CCdAudio device;
    if (device.Open(path) != CMciDevice::NoError) {
        result.message = QStringLiteral("Unable to open device");
        return result;
    }
    result.toc = device.TableOfContents();
    device.Close();
    if (!result.toc) {
        result.message = QStringLiteral("Audio CD information unavailable.  Please verify there is an audio CD "
                                        "in your drive and try again.");
        result.caption = QStringLiteral("MFC CDDB Sample App");
    }
    return result;
}
