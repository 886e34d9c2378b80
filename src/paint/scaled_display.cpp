#include "paint/scaled_display.h"

namespace daub {
Colorref bilinear_sample(const Dib&, const DibInfo&, double, double) { return 0; }
ScaledPiece scaled_piece(const Dib&, int, int, double, int, int) { return {}; }
int scaled_display(App&, Dc&, const Dib&, double, double, double) { return 0; }
}  // namespace daub
