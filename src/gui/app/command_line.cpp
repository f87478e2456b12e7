#include "gui/app/command_line.h"

#include <QLocale>

#include <array>

namespace kr::gui {

bool IsSetupSwitch(const QString& argument)
{
    static const std::array<QString, 4> switches{QStringLiteral("/SETUP"), QStringLiteral("-SETUP"),
                                                 QStringLiteral("/S"), QStringLiteral("-S")};
    const QString upper = QLocale().toUpper(argument);
    for (const QString& setupSwitch : switches) {
        if (upper == setupSwitch)
            return true;
    }
    return false;
}

bool ChooseSetupMode(bool installed, const QStringList& arguments)
{
    if (!installed)
        return true;
    return !arguments.isEmpty() && IsSetupSwitch(arguments.first());
}

}  // namespace kr::gui
