#include "geometry/curves.h"

namespace daub {

CurveVerdict check_curve(const LineGeometry&) { return CurveVerdict::kOk; }
const char* curve_verdict_text(CurveVerdict) { return ""; }
int sklck(App&, const LineGeometry&) { return 1; }
int cutsklck(App&, LineGeometry&) { return 1; }
int cvmake(App&, const LineGeometry&, CurvePoints&) { return 0; }
CurvePoints curve_points(const App&, const LineGeometry&) { return {}; }
double line_length(const App&, const LineGeometry&) { return 0; }
bool segment_crossing(DPoint, DPoint, DPoint, DPoint, DPoint&) { return false; }
bool line_crossing(const App&, const LineGeometry&, const LineGeometry&, PointDir&, PointDir&) {
  return false;
}
int xseach(App&, const LineGeometry&, const LineGeometry&, PointDir&, PointDir&) { return 0; }

}  // namespace daub
