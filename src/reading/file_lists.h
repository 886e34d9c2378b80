#pragma once
// Choosing a drawing or page file from a list (COMBODLGBOX): the dialog
// lists the drawing files (*.skl in any case) and the folders of a folder;
// choosing a folder lists it, choosing a file ends the dialog.

#include <string>
#include <vector>

namespace daub {
struct App;

// One row of the list: a folder shows as "[name]" ("[..]" for the one
// above), a file as its name.
struct ListedEntry {
  std::string shown;
  std::string name;
  bool folder = false;
};

// The rows for a folder: "[..]" unless it is the root, the folders, then the
// drawing files, each group sorted by name; at most kMaxListed rows.
inline constexpr std::size_t kMaxListed = 10000;
std::vector<ListedEntry> list_folder_entries(const std::string& folder);

// 432: a drawing file from the list of the working folder; a name that
// passes the drawing-name check becomes sklname and its folder the working
// folder. Returns 1 then; a cancel or a refused name changes nothing.
int drawing_file_list(App& app);
// 433: the same in the page folder for pagename, with the page-name check;
// pageno follows the chosen name.
int page_file_list(App& app);

}  // namespace daub
