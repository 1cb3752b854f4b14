#include "app/TipFile.h"

#include <QDateTime>
#include <QFileInfo>
#include <QLocale>
#include <QSettings>

namespace {

// The "Tip" section of the per-user settings.
class CTipSection : public QSettings
{
public:
    CTipSection() : QSettings(QStringLiteral("Covermint"), QStringLiteral("Covermint"))
    {
        beginGroup(QStringLiteral("Tip"));
    }
};

} // namespace

CTipSettings CTipSettings::Load()
{
    const CTipSection settings;
    CTipSettings tips;
    // Values that are not numbers (hand-edited settings) count as the defaults.
    tips.startUp = settings.value(QStringLiteral("StartUp"), 0).toInt();
    tips.filePos = settings.value(QStringLiteral("FilePos"), 0).toLongLong();
    tips.timeStamp = settings.value(QStringLiteral("TimeStamp")).toString();
    return tips;
}

void CTipSettings::Save() const
{
    CTipSection settings;
    settings.setValue(QStringLiteral("StartUp"), startUp);
    settings.setValue(QStringLiteral("FilePos"), filePos);
    settings.setValue(QStringLiteral("TimeStamp"), timeStamp);
}

CTipFile::Status CTipFile::Open(const QString& path)
{
    m_file.setFileName(path);
    if (m_file.open(QIODevice::ReadOnly))
        return Status::Ok;
    return QFileInfo::exists(path) ? Status::Unreadable : Status::Missing;
}

QString CTipFile::TimeStamp() const
{
    return TimeText(QFileInfo(m_file).lastModified());
}

bool CTipFile::Seek(qint64 position)
{
    return position >= 0 && m_file.seek(position);
}

QString CTipFile::ReadNextTip(Status* status)
{
    QString tip;
    *status = Status::Ok;
    if (ReadTipBeforeEnd(&tip))
        return tip;
    // Past the last tip: start again at the top, once.
    if (!m_file.seek(0)) {
        *status = Status::ReadError;
        return {};
    }
    if (ReadTipBeforeEnd(&tip))
        return tip;
    *status = m_file.error() == QFileDevice::NoError ? Status::NoTips : Status::ReadError;
    return {};
}

bool CTipFile::ReadTipBeforeEnd(QString* tip)
{
    while (!m_file.atEnd()) {
        QByteArray line = m_file.readLine();
        if (line.isEmpty())
            return false; // a read error
        if (!IsTipLine(line))
            continue;
        while (line.endsWith('\n') || line.endsWith('\r'))
            line.chop(1);
        *tip = QString::fromUtf8(line.left(kMaxLineLength));
        return true;
    }
    return false;
}

bool CTipFile::IsTipLine(const QByteArray& line)
{
    if (line.isEmpty())
        return false;
    const char first = line.front();
    return first != ' ' && first != '\t' && first != '\n' && first != '\r' && first != ';';
}

QString CTipFile::TimeText(const QDateTime& when)
{
    const QLocale c = QLocale::c();
    const QDateTime local = when.toLocalTime();
    return QStringLiteral("%1 %2 %3 %4")
        .arg(c.toString(local, QStringLiteral("ddd MMM")))
        .arg(local.date().day(), 2)
        .arg(c.toString(local, QStringLiteral("HH:mm:ss")))
        .arg(local.date().year())
        .trimmed();
}

QString CTipFile::MessageFor(Status status)
{
    switch (status) {
    case Status::Ok:
        return {};
    case Status::Missing:
        return QStringLiteral("Tips file does not exist in the prescribed directory");
    case Status::NoTips:
        return QStringLiteral("The tips file holds no tips.");
    case Status::Unreadable:
    case Status::ReadError:
        break;
    }
    return QStringLiteral("Trouble reading the tips file");
}
