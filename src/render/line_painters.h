#pragma once
// Stroking line elements: the line drawing entry and the painters of a layer's lines.

#include "model/records.h"

namespace daub {
struct App;
class Dc;

// Draws one line element with its own pen: style 0 solid, 1 dotted, others
// nothing. Returns 0 when nothing was drawn, 1 for a curve, 2 for a straight line.
int draw_line(App& app, Dc& dc, const LineRecord& line);

// Every line of the layer with its own pen; 1 when the chain was not empty.
int allline(App& app, Dc& dc, int layer);
// Every line solid with the sketch pen's width in the sketch-line colour.
int alllinesketch(App& app, Dc& dc, int layer);
// The same in the guide-line colour.
int alllineguide(App& app, Dc& dc, int layer);
// A point marker at B and then at A of every drawn line.
int allpoint(App& app, Dc& dc, Colorref color, int layer);

}  // namespace daub
