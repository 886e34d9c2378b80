#pragma once
// Reading, checking and writing drawing files.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "model/block.h"

namespace daub {
struct App;

// True when the bytes form a drawing block that every walk may trust: header,
// magic, used size, settings offset, every link, count, length and data offset
// inside the used part, and every chain free of loops.
bool is_valid_drawing(const std::vector<std::uint8_t>& bytes);
bool is_valid_drawing(const Block& block);

// Reads a whole drawing file and checks it: the block, or nothing after
// "ファイルオープン出来ません" (under `open_caption`) or, for bytes that are
// no valid drawing, "TORVCADデータではありません" ("CAUTION").
std::optional<Block> read_drawing_file(App& app, const std::string& path, const char* open_caption);

// Reads a drawing file (relative paths from the working folder) and makes it
// the drawing; sets the current file name and the title. Returns 1 on success.
int sklfilein(App& app, const std::string& path);
// Writes the used part of the block, asking before it overwrites; working folder.
int sklfileout(App& app, const std::string& path);
// The same in the page folder.
int sklpagefileout(App& app, const std::string& path);
// Writes without asking and without touching the current file name or title.
int sklfilesave(App& app, const std::string& path);

// Unsaved changes of the drawing: what it holds, whatever its layout (a
// compaction changes nothing), against what was last read or written.
void mark_drawing_saved(App& app);
bool drawing_unsaved(const App& app);
// What the comparison looks at: the fingerprint of the compacted drawing.
std::uint64_t drawing_fingerprint(const Block& block);

// 1 when the name ends in "skl" in any mix of cases (length 3..127), else 0
// after "ｓｋｌファイルではありません" ("CAUTION").
int sklnamecheck(App& app, const std::string& name);

// 1 when the two NUL-terminated byte strings are equal.
int strsame(const char* a, const char* b);

// A relative path taken from the given folder; an absolute one as it is.
std::string path_in_folder(const std::string& folder, const std::string& path);

}  // namespace daub
