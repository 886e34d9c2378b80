#pragma once
// The soft brush's settings: the dab, its falloff and how stroke ends are shaped.

namespace daub {

struct BrushParams {
  double width = 3.0;        // W, the dab diameter in canvas pixels
  double blur = 2.0;         // B, the power of the cosine falloff (0 = hard disc)
  double density = 1.0;      // D, the coverage at the centre (1 = full)
  int end_type = 0;          // 0 plain ends, 1 thinned ends, 2 faded ends
  int tapered_end = 0;       // which end is thinned or faded: 0 start, 1 end, 2 both
  double taper_ratio = 0.0;  // length of a thinned end in widths
};

}  // namespace daub
