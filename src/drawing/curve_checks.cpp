#include "drawing/curve_checks.h"

#include "model/app.h"

namespace daub {
namespace {

// The shared check with its message under `caption`; 1 when it passes.
int report_check(App& app, CurveVerdict v, const char* caption) {
  if (v == CurveVerdict::kOk) return 1;
  message(app.ui, caption, curve_verdict_text(v));
  return 0;
}

// A curve is crossed only when cvmake takes it (after its message otherwise).
bool crossable(App& app, const LineGeometry& g) {
  CurvePoints unused;
  return g.kind != kShapeCurve || cvmake(app, g, unused) != 0;
}

}  // namespace

int sklck(App& app, const LineGeometry& g) { return report_check(app, check_curve(g), "sklck"); }

int cutsklck(App& app, LineGeometry& g) {
  const CurveVerdict v = check_curve(g);
  if (v != CurveVerdict::kNearlyStraight) return report_check(app, v, "cutsklck");
  const double a = straight_angle(g.x0, g.y0, g.x1, g.y1);
  g.a0 = a;
  g.a1 = a;
  g.kind = kShapeStraight;
  return 1;
}

int cvmake(App& app, const LineGeometry& g, CurvePoints& out) {
  if (report_check(app, check_curve(g), "cvmake") == 0) return 0;
  out = curve_points(g);
  return 1;
}

int xseach(App& app, const LineGeometry& p, const LineGeometry& q, PointDir& out_p,
           PointDir& out_q) {
  const bool p_ok = crossable(app, p);
  const bool q_ok = crossable(app, q);
  if (p_ok && q_ok && line_crossing(p, q, out_p, out_q)) return 1;
  message(app.ui, "xseach", "交点が存在しません");
  return 0;
}

}  // namespace daub
