#pragma once
// The painters of the full-colour canvases.

namespace daub {
struct App;
class Dc;

// Draws the shown canvases, slot 1 first, at the view scale.
void show_canvases(App& app, Dc& dc);
// Draws the one-pixel frames of the shown and framed canvases in the
// display colour at settings offset 728.
void show_frames(App& app, Dc& dc);

}  // namespace daub
