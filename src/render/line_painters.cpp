#include "render/line_painters.h"

namespace daub {

// Lines are not stroked yet.
int draw_line(App&, Dc&, const LineRecord&) { return 0; }
int allline(App&, Dc&, int) { return 0; }
int alllinesketch(App&, Dc&, int) { return 0; }
int alllineguide(App&, Dc&, int) { return 0; }
int allpoint(App&, Dc&, Colorref, int) { return 0; }

}  // namespace daub
