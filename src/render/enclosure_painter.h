#pragma once
// The previews of the selection: the enclosure outline and markers at the
// anchors of the selected texts and bitmaps (the selected lines are drawn
// by stocklinedisp).

#include "model/app.h"

namespace daub {
class Dc;

// jordenlinedisp: the enclosure as a closed one-pixel outline in display
// colour 728 (nothing for fewer than two points).
void jordenlinedisp(App& app, Dc& dc);
// stockletterheddisp, stockenglishheddisp: a point marker at the anchor of
// every selected text of the kind, as the set holds it.
void stocktextheddisp(App& app, Dc& dc, TextKind kind, Colorref color);
// stockbmpheddisp: the same for the selected bitmaps.
void stockbmpheddisp(App& app, Dc& dc, Colorref color);

}  // namespace daub
