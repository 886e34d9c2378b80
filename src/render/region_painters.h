#pragma once
// Painting regions: solid fills and hatches of a layer's regions in chain
// order (the first at the bottom), the gray stand-ins of the editing modes,
// and the lines of the extraction list.

#include <vector>

#include "geometry/point.h"
#include "model/records.h"

namespace daub {
struct App;
class Dc;

// Fills a world outline with a region's brush: style 0 a polygon in the
// fill colour outlined by a one-pixel pen of the same colour; style 1 the
// hatch pieces stroked with the hatch pen (solid or dotted, each piece's dot
// pattern shifted to continue its hatch line's); any other style, hatch type,
// a hatch width that is not positive and finite or an angle that is not
// finite draws nothing, and so does a hatch too fine to draw.
void paint_region(App& app, Dc& dc, const std::vector<DPoint>& outline, const RegionParam& fill);

// The painters of a layer's regions. Each returns 1 when the layer has lines
// and 0 when it has none (then no region is drawn); a layer beyond the last
// shows "レイヤーが存在しません" with the painter's name and draws nothing.
// Every region with its own brush.
int allrgn(App& app, Dc& dc, int layer);
// Every region as a polygon filled in the gray display colour and outlined
// with the pen the device context holds.
int allrgngray(App& app, Dc& dc, int layer);
// The same, leaving out the current region (nowrgn, by its place in the chain).
int allrgngraybutspot(App& app, Dc& dc, int layer);
// Only the region at place `index` in the chain, with its own brush.
int dispspotrgn(App& app, Dc& dc, int index, int layer);

// Every line of the extraction list (items with a line number) as a solid
// line one world unit wide in `color`.
void stocklinedisp(App& app, Dc& dc, Colorref color);

}  // namespace daub
