#pragma once

#include <string>
#include <string_view>

namespace kr::gui {

// The folder of a program from its full path: every trailing separator
// removed, then exactly one appended ("/opt/kr//KR_Oil_Coolers" gives
// "/opt/kr/", "/KR_Oil_Coolers" gives "/"). Both '/' and '\' separate.
std::string AppDirOf(std::string_view programPath);

}  // namespace kr::gui
