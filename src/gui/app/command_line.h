#pragma once

#include <QString>
#include <QStringList>

namespace kr::gui {

// "/SETUP", "-SETUP", "/S" or "-S" in any letter case, nothing more.
bool IsSetupSwitch(const QString& argument);

// The installation wizard runs when the program is not installed, or when
// the first argument (only the first) is a setup switch.
bool ChooseSetupMode(bool installed, const QStringList& arguments);

}  // namespace kr::gui
