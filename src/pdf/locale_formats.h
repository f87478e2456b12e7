#pragma once

#include "core/common/delphi_format.h"

#include <QDate>
#include <QLocale>
#include <QString>

namespace kr::gui {

// The locale's separators as core's formatters take them. A separator that
// Windows-1252 cannot hold falls back to '.' (decimal) or none (thousands).
FormatSettings LocaleFormatSettings(const QLocale& locale);

// The locale's short date format with the year widened to four digits.
QString ShortDateFormat(const QLocale& locale);
QString WidenYearToFourDigits(const QString& dateFormat);

}  // namespace kr::gui
