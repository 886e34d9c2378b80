#pragma once
// The tracing commands' operations: the clipboard's picture traced into the
// shadow, the shadow drawn straight onto the window (the next repaint wipes
// it), moved, recoloured, measured and converted into lines and regions.
//
// Every operation takes App& first and reports failures itself; drawing
// operations do nothing when there is no shadow or no window picture.

#include <cstdint>
#include <vector>

#include "model/dib.h"
#include "model/tracing.h"
#include "tracing/convert.h"
#include "tracing/level_map.h"
#include "tracing/shadow_draw.h"

namespace daub {
struct App;

// Traces the picture with the map of `kind` into a new shadow block. A
// picture of 1, 4 or 8 bits is traced in its full-colour form. Returns 1, or
// 0 after "no bmp data" (caption "GetLineDataFromBmp") for a picture that
// cannot be read, or "Can not get memory" when the picture or its shadow is
// too large; `shadow` is then left as it was.
int GetLineDataFromBmp(App& app, const Dib& picture, LevelKind kind,
                       std::vector<std::uint8_t>& shadow);
// The same for the clipboard's picture; 0 after "no bmp data" (caption
// "GetLineBaseFromClipboadBmp") when there is none.
int GetLineBaseFromClipboadBmp(App& app, LevelKind kind, std::vector<std::uint8_t>& shadow);

// 1001-1003: the clipboard's picture traced into the shadow (an old shadow
// stays when the trace fails), a repaint, and the shadow drawn at (0, 0),
// scale 1. Returns 1 when traced.
int trace_clipboard(App& app, LevelKind kind);

// Draws the shadow onto the window at the place, plain or smoothed with the
// smoothing parameter. Returns 1 when drawn.
int draw_window_shadow(App& app, ShadowPlace place, ShadowStyle style = ShadowStyle::kPlain);
// A repaint, then the shadow at its place (1004), smoothed (1019), or at its
// place and a second time at the second place, plain (1007) or smoothed
// (1013): a preview side by side.
void show_shadow(App& app, ShadowStyle style = ShadowStyle::kPlain);
void show_shadow_twice(App& app, ShadowStyle second);

// Mouse command 1016: the shadow's place moves by the drag (release − press,
// client pixels); a repaint, then the shadow there.
void move_shadow(App& app);

// Gives every outline of the orientation (+1 or −1) the current colour;
// a repaint, then the shadow at its place. Returns the number recoloured.
int recolor_outlines(App& app, int orientation);

// Shows the shadow block's size in bytes (caption "Shadow file size"; 0 when
// there is no shadow).
void show_shadow_size(App& app);

// 1015, 1021: the shadow converted at its place into the current layer.
int convert_current_shadow(App& app, OutlineShape shape);
// 642, 870: the clipboard's picture made full colour (and put back), traced
// with the threshold map and converted at (0, 0), scale 1, into the current
// layer; the shown shadow is left alone. Returns the number of regions made.
int trace_and_convert(App& app, OutlineShape shape);

}  // namespace daub
