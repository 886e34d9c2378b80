#pragma once
// Region elements: closed outlines of lines of one layer. A region names its
// lines by number with the direction in which each is walked, so it follows
// its lines when they move. Regions are made from the line extraction list
// ("抽出線"), ordered into a closed chain by rgnsort.
//
// Every operation takes App& first and the layer number last (below 1 means
// layer 1); regions are named by their position in the layer's region chain.
// Failures show "レイヤーが存在しません", "データが存在しません" (no regions)
// or "該当データが存在しません" (no such region) with the operation's name as
// caption, return 0 and change nothing.

#include <cstdint>
#include <vector>

#include "geometry/outline.h"
#include "model/records.h"

namespace daub {
struct App;
class Block;

// Chains `items` in place (see chain_outline). kClosed: 1 when the chain
// closes; else 0 after "抽出線はありません" (empty list) or "データが閉じていません"
// (caption "rgnsort"), with `out` at the end where the chain breaks.
// kOpenAllowed: 1 when it closes, 2 when it is open (`out` at its free end,
// no message), 0 after the message when the items do not form one chain.
int order_outline(App& app, std::vector<ExtractionItem>& items, PointDir& out,
                  ChainEnds ends = ChainEnds::kClosed);

// The same on the line extraction list.
int rgnsort(App& app, PointDir& out, ChainEnds ends = ChainEnds::kClosed);

// The line extraction list: append an item, or put it before the first.
void add_stock_line(App& app, const ExtractionItem& item);
void add_stock_line_front(App& app, const ExtractionItem& item);
// Removes the item of item.line when the list holds one (the later items
// move up), else appends `item`.
void toggle_stock_line(App& app, const ExtractionItem& item);
// Toggles the line pickline finds at the click; its item walks the line
// forwards (direction 1) when the click lies on its end B, else backwards.
// Returns the line's number, 0 when no line is picked.
int pick_stock_line(App& app, DPoint click, int layer);

// The geometry of every line of the layer, in chain order: line n is at n - 1.
std::vector<LineGeometry> line_table(const Block& block, std::uint32_t layer_at);
// The outline of the region at `region_at` in world points: its edges in
// entry order, each walked in its direction (append_edge_points). Entries
// naming no line of the table (0, or a number beyond it in a stale file) are
// skipped. `out` is cleared first.
void region_outline(const Block& block, std::uint32_t region_at,
                    const std::vector<LineGeometry>& table, std::vector<DPoint>& out);

// Chains the extraction list (rgnsort, closed, into nowpoint) and appends a
// region with the fill `param` and one entry per item in chain order.
// `number` gets its number, which is returned. When the chain breaks,
// nowpoint is where and becomes valid, so the break is shown.
int setrgn(App& app, const RegionParam& param, int& number, int layer);
// Appends a region with the given record and entries (its link, entry
// offset and count are rewritten); returns its number.
int setaltrgn(App& app, const RegionRecord& record, const std::vector<BoundaryEntry>& entries,
              int layer);
// Copies region n's record into `out`; returns n.
int getrgn(App& app, int n, RegionRecord& out, int layer);
// Gives region n the current fill of the settings; returns n.
int rgnnow(App& app, int n, int layer);
// Unlinks region n; its lines stay. Returns n.
int delpolygon(App& app, int n, int layer);
// Moves region n to the end of the chain (painted last, on top); returns 1.
int rgnswaplast(App& app, int n, int layer);
// Moves region n to the front of the chain (painted first); returns 1.
int rgnswaptop(App& app, int n, int layer);
// The last region in chain order (the topmost) whose outline holds p; the
// extraction list is refilled with its lines (as stored, with the entries'
// directions). 0 after "指定された場所にポリゴンはありません" when none does.
int polygonnum(App& app, DPoint p, int layer);
// The number of regions of the layer (0 when there is no such layer).
int region_total(const Block& block, int layer);

// Parts of the current settings copied into region n; each returns n.
// Brush style (word 0).
int rgnnowbrstyle(App& app, int n, int layer);
// Hatch type, width and angle.
int rgnnowhatchparam(App& app, int n, int layer);
// Style, width and dot pattern of the current pen into the hatch pen, whose
// colour stays.
int rgnnowhatchpen(App& app, int n, int layer);
// The current colour into the fill colour and the hatch pen's colour.
int rgnnowcolor(App& app, int n, int layer);

}  // namespace daub
