#include "pdf/locale_formats.h"

namespace kr::gui {

namespace {

// The character as a Windows-1252 byte when it is one of the Latin-1 range
// that core's formatter accepts; otherwise fallback.
char SingleByte(const QString& text, char fallback)
{
    if (text.size() != 1 || text[0].unicode() > 0xFF || text[0].unicode() == 0)
        return fallback;
    return static_cast<char>(text[0].unicode());
}

}  // namespace

FormatSettings LocaleFormatSettings(const QLocale& locale)
{
    FormatSettings settings;
    settings.DecimalSeparator = SingleByte(locale.decimalPoint(), '.');
    settings.ThousandSeparator = SingleByte(locale.groupSeparator(), '\0');
    if (settings.ThousandSeparator == settings.DecimalSeparator)
        settings.ThousandSeparator = '\0';
    return settings;
}

QString ShortDateFormat(const QLocale& locale)
{
    return WidenYearToFourDigits(locale.dateFormat(QLocale::ShortFormat));
}

QString WidenYearToFourDigits(const QString& dateFormat)
{
    // Every run of 'y' outside quoted literal text becomes "yyyy".
    QString widened;
    bool quoted = false;
    for (qsizetype i = 0; i < dateFormat.size(); ++i) {
        const QChar c = dateFormat[i];
        if (c == u'\'') {
            quoted = !quoted;
            widened += c;
        } else if (c == u'y' && !quoted) {
            while (i + 1 < dateFormat.size() && dateFormat[i + 1] == u'y')
                ++i;
            widened += QStringLiteral("yyyy");
        } else {
            widened += c;
        }
    }
    return widened;
}

}  // namespace kr::gui
