#pragma once
// The paint cycle and the painters of the nine display modes.

#include "model/app.h"

namespace daub {
class Dc;

// Draws the whole client picture into dc (already white): recomputes the view
// centre and the visible world rectangle, then runs the painter of dispmode.
void paint_cycle(App& app, Dc& dc);

int dispall(App& app, Dc& dc);
int displine(App& app, Dc& dc);
int dispstock(App& app, Dc& dc);
int displetter(App& app, Dc& dc);
int dispbmp(App& app, Dc& dc);
int disprgnedit(App& app, Dc& dc);
int disprgn(App& app, Dc& dc);
int disppaint(App& app, Dc& dc);
int dispenglish(App& app, Dc& dc);

// The display colour kept at settings offset `offset` (720..772).
Colorref display_color(const App& app, int offset);

void displattice(App& app, Dc& dc);
// World length of a direction tick that is vector_length pixels on screen.
double tick_length(const App& app);
// A 4 × 4 filled square around the screen position of a world point.
void dispmark(App& app, Dc& dc, double wx, double wy, Colorref color);
// The direction tick of a point-and-direction, length in world units.
void dispvector(App& app, Dc& dc, const PointDir& p, double length, Colorref color);

}  // namespace daub
