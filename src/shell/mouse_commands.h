#pragma once
// The families of mouse commands run at release. Each runs the mouse commands
// it owns and returns true; for any other id it returns false and does nothing.

namespace daub {
struct App;

// The line drawing and line editing mouse commands.
bool line_mouse_command(App& app, int cmd);
// The bitmap element mouse commands.
bool bitmap_mouse_command(App& app, int cmd);
// The canvas and brush mouse commands, and freehand lines.
bool painting_mouse_command(App& app, int cmd);
// Picking lines for a region (130, 825) and the region under a point (135).
bool region_mouse_command(App& app, int cmd);
// The text element mouse commands: picking, moving and splitting texts,
// carets and ranges, and the text frames that start a new text.
bool text_mouse_command(App& app, int cmd);
// The selection mouse commands: the enclosure, picking, and moving, turning,
// scaling and aligning the selection.
bool selection_mouse_command(App& app, int cmd);
// Cutting, resizing, moving and placing canvases.
bool canvas_mouse_command(App& app, int cmd);

// 609, 616–618, 633, 634, 637: constructions with the construction distance.
bool construction_mouse_command(App& app, int cmd);

// 1016: the drag moves the shadow.
bool tracing_mouse_command(App& app, int cmd);

}  // namespace daub
