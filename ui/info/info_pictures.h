// The compiled-in pictures of the information windows (resources/info.qrc). Their sources
// and the program that draws them are in resources/info/.
#pragma once

namespace vesparo {

inline constexpr const char* kSpoergsmaalstegnIkon = ":/info/question.ico";
inline constexpr const char* kUdraabstegnIkon = ":/info/exclamation.ico";
inline constexpr const char* kFluebenIkon = ":/info/tick.ico";
inline constexpr const char* kSoejlediagramIkon = ":/info/bar_chart.ico";
inline constexpr const char* kAdvarselIkon = ":/info/attention.ico";
inline constexpr const char* kReferenceside = ":/info/reference_page.png";

// The program icon, the main window's own.
inline constexpr const char* kProgramIkon = ":/main/vesparo.ico";

}  // namespace vesparo
