#pragma once
// The families of the command table. Each handler runs the ids it owns and
// returns true; for any other id it returns false and changes nothing, so the
// table can offer an id to every family in turn.

namespace daub {
struct App;

// Mouse-command setters: the next press-drag-release runs the command.
bool mouse_setter_command(App& app, int id);
// 114, 115, 117: the held point and the current point.
bool held_point_command(App& app, int id);
// 170-178, 525: the layer list and the current layer.
bool layer_command(App& app, int id);
// 160, 161, 164, 165, 800, 880: drawing files and the drawing block.
bool drawing_file_command(App& app, int id);
// 390-398, 429, 438, 520-522, 572: the current colour into a display colour.
bool display_color_command(App& app, int id);

// Line and geometry commands: the mouse-command setters of lines and the
// operations on the current line.
bool line_command(App& app, int id);
// Bitmap elements, clipboard pictures, BMP and text files.
bool bitmap_command(App& app, int id);
// The pen and colour dialogs and the construction distance and arc angle inputs.
bool pen_command(App& app, int id);

// Regions and brushes: 130, 135, 825 (mouse-command setters), 134, 136-139,
// 542-545 (the current region), 828-865 (standard pens and brushes), 1026,
// 1027, 1052 (brush dialogs).
bool region_command(App& app, int id);
// Text elements: the text mouse-command setters, the range operations,
// restyling, pick-ups, the direction and the text dialogs.
bool text_command(App& app, int id);

// The selection sets, the spare screen and restyling the selection.
bool selection_command(App& app, int id);
// Clipboard exchange: parameter texts, pick-ups, drawings and selections.
bool clipboard_command(App& app, int id);

// Canvases and the brush: the painting mouse-command setters, erase, undo,
// painting the line template, the segment buffer and its outline, the brush
// settings, and which canvases and frames are shown.
bool painting_command(App& app, int id);

// 1112 the painting palette; 1127, 1129 the printing and reading help texts.
bool palette_command(App& app, int id);

// The canvas image operations, the canvases' files and clipboard pictures,
// and canvas 1 as a bitmap element.
bool canvas_command(App& app, int id);

// Reading: 240-243, 320, 321, 582 (pages), 573-579 and 595-598 (page series
// and page marks), 432, 433, 580, 583 (file lists and folders).
bool reading_command(App& app, int id);
// Printing: 281, 282 (the lattice), 290, 291, 503, 587, 816, 868, 1119.
bool print_command(App& app, int id);

// Tracing: 1001-1023 (the shadow and the tracing parameters), 642 and 870
// (the clipboard's picture traced and converted at once).
bool tracing_command(App& app, int id);

}  // namespace daub
