// SPDX-License-Identifier: GPL-3.0-or-later
// Text conversions between the models (UTF-8 std::string) and Qt.
#pragma once

#include <QLocale>
#include <QString>
#include <string>

namespace velmora::qt {

inline QString ToQ(const std::string& text) {
  return QString::fromStdString(text);
}
inline std::string FromQ(const QString& text) {
  return text.toStdString();
}

// Model texts join lines with carriage return + line feed; Qt widgets break lines on '\n' alone
// and would show the '\r'.
inline QString ToDisplay(const std::string& text) {
  QString q = QString::fromStdString(text);
  q.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  q.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return q;
}

// The locale's short date, but always with the full year (06.12.2026, not 06.12.26).
inline QString FullYearDateFormat(const QLocale& locale) {
  QString format = locale.dateFormat(QLocale::ShortFormat);
  if (!format.contains(QLatin1String("yyyy"))) {
    format.replace(QLatin1String("yy"), QLatin1String("yyyy"));
  }
  return format;
}

// The general date-time: the full-year date and the time with seconds (06.12.2026 16:36:12).
inline QString GeneralDateTimeFormat(const QLocale& locale) {
  QString time = locale.timeFormat(QLocale::ShortFormat);
  if (!time.contains(QLatin1Char('s'))) {
    time.replace(QLatin1String("mm"), QLatin1String("mm:ss"));
  }
  return FullYearDateFormat(locale) + QLatin1Char(' ') + time;
}

}  // namespace velmora::qt
