// Text conversions between the models (UTF-8 std::string) and Qt.
#pragma once

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

}  // namespace velmora::qt
