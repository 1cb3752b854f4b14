#pragma once
// Dates as labels show them, always in English whatever the locale.
#include <QDateTime>
#include <QString>

// "%A, %B %d, %Y" of today, e.g. "Monday, December 07, 2026".
QString TodayDateText();
QString FormatDateText(const QDate& date);
// The file-date codes %b %B %d %H %I %m %M %p %S %y %Y.
QString FormatFileDate(const QString& format, const QDateTime& when);
// True when every '%' of the format starts one of those codes or "%%".
bool UsesOnlyFileDateCodes(const QString& format);
