#pragma once
// The tray tooltip: "Time: <long time>   Date: <short date>", in the user's
// regional formats (formatted by the caller), cut to what the shell holds.
#include <cstddef>
#include <string>
#include <string_view>

namespace orlavox {

inline constexpr size_t kTrayTipMax = 127;

std::string TrayHintText(std::string_view longTime, std::string_view shortDate);
// The tooltip as the shell gets it: at most kTrayTipMax characters.
std::string CutTrayTip(std::string_view hint);

}  // namespace orlavox
