#pragma once
// Whole drawings through the clipboard: the drawing data form holds a
// drawing block's byte image, exactly as a drawing file does.

#include <optional>

#include "model/block.h"

namespace daub {
struct App;

// The used part of a block.
Block used_part(const Block& block);

// Drawing copy: the used part of the drawing onto the clipboard as drawing
// data (whatever the clipboard held goes).
void drawing_copy(App& app);

// The clipboard's drawing data as a block of its used part, after the
// checks a drawing file passes; none after "クリップボードにデータがありません"
// (no drawing data) or "TORVCADデータではありません" (anything that is not a
// sound drawing), both captioned `caption`.
std::optional<Block> clipboard_drawing(App& app, const char* caption);

// drawdatapaste: the clipboard's drawing becomes the drawing, then layerfix
// and nowreset; the file name and title stay. Returns 1, 0 after the
// message of clipboard_drawing (caption "drawdatapaste") with nothing changed.
int drawdatapaste(App& app);

}  // namespace daub
