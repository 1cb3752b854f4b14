#include "base/DateText.h"

namespace {

const char* const kMonthNames[] = {"January", "February", "March", "April", "May", "June", "July",
    "August", "September", "October", "November", "December"};
const char* const kDayNames[] = {"Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday", "Sunday"};

QString MonthName(int month, bool abbreviated)
{
    if (month < 1 || month > 12)
        return {};
    const QString name = QString::fromLatin1(kMonthNames[month - 1]);
    return abbreviated ? name.left(3) : name;
}

} // namespace

QString TodayDateText()
{
    return FormatDateText(QDate::currentDate());
}

QString FormatDateText(const QDate& date)
{
    if (!date.isValid())
        return {};
    return QStringLiteral("%1, %2 %3, %4")
        .arg(QString::fromLatin1(kDayNames[date.dayOfWeek() - 1]), MonthName(date.month(), false))
        .arg(date.day(), 2, 10, QLatin1Char('0'))
        .arg(date.year(), 4, 10, QLatin1Char('0'));
}

QString FormatFileDate(const QString& format, const QDateTime& when)
{
    const QDate date = when.date();
    const QTime time = when.time();
    const int hour = time.hour();
    const int hour12 = hour > 12 ? hour - 12 : hour;
    QString text = format;
    text.replace(QStringLiteral("%b"), MonthName(date.month(), true));
    text.replace(QStringLiteral("%B"), MonthName(date.month(), false));
    text.replace(QStringLiteral("%d"), QString::number(date.day()));
    text.replace(QStringLiteral("%H"), QStringLiteral("%1").arg(hour, 2));
    text.replace(QStringLiteral("%I"), QStringLiteral("%1").arg(hour12, 2));
    text.replace(QStringLiteral("%m"), QString::number(date.month()));
    text.replace(QStringLiteral("%M"), QStringLiteral("%1").arg(time.minute(), 2, 10, QLatin1Char('0')));
    text.replace(QStringLiteral("%p"), hour <= 12 ? QStringLiteral("AM") : QStringLiteral("PM"));
    text.replace(QStringLiteral("%S"), QStringLiteral("%1").arg(time.second(), 2, 10, QLatin1Char('0')));
    text.replace(QStringLiteral("%y"), QStringLiteral("%1").arg(date.year() % 100, 2, 10, QLatin1Char('0')));
    text.replace(QStringLiteral("%Y"), QString::number(date.year()));
    return text;
}

bool UsesOnlyFileDateCodes(const QString& format)
{
    static const char* const kCodes[] = {"%%", "%b", "%B", "%d", "%H", "%I", "%m", "%M", "%p", "%S", "%y", "%Y"};
    QString rest = format;
    for (const char* code : kCodes)
        rest.replace(QLatin1String(code), QLatin1String("  "));
    return !rest.contains(QLatin1Char('%'));
}
