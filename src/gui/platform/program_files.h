#pragma once

#include <QString>
#include <QStringView>

namespace kr::gui {

// Programs of the distribution folder, by name without the platform's suffix.
inline constexpr QStringView MainProgramName = u"KR_Oil_Coolers";
inline constexpr QStringView ProductInfoProgramName = u"KR_product_info";
inline constexpr QStringView CompanyProfileProgramName = u"Kalvorn_info";

// The name with the platform's executable suffix (none on Linux).
QString ExecutableFileName(QStringView baseName);

// Starts dir + the program as a process of its own, without arguments and
// without waiting for it. A program that is missing or fails to start is
// not reported; the result only says whether it started.
bool StartPresentationProgram(const QString& dir, QStringView baseName);

}  // namespace kr::gui
