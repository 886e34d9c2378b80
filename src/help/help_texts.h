#pragma once
// The fixed explanatory texts of the help commands and of the palette's help
// chooser, each shown in a message box captioned "Daubery".

#include <string_view>

namespace daub {

// The caption of every help message box.
inline constexpr std::string_view kHelpCaption = "Daubery";

// Menu 読書 ▸ プリント ▸ プリントのヘルプ (command 1127).
std::string_view printing_help_text();
// Menu 読書 ▸ 読書のヘルプ (command 1129).
std::string_view reading_help_text();

// The palette help chooser's topics, buttons 1100..1106 in order.
inline constexpr int kPaletteHelpTopics = 7;
// The topic's button label and text; both empty for a number outside
// 0..kPaletteHelpTopics - 1.
std::string_view palette_help_label(int topic);
std::string_view palette_help_text(int topic);

}  // namespace daub
