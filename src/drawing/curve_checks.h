#pragma once
// The curve checks and the crossing search as the commands use them: each
// reports a refusal in a message box under its own caption.

#include "geometry/curves.h"

namespace daub {
struct App;

// 1 when the geometry may be stored, else 0 after the refusal's message (caption "sklck").
int sklck(App& app, const LineGeometry& g);

// As sklck (caption "cutsklck"), but a nearly straight curve silently becomes
// a straight segment with both angles along its chord.
int cutsklck(App& app, LineGeometry& g);

// The sklck checks (caption "cvmake"), then the 31 sample points into `out`; 1 or 0.
int cvmake(App& app, const LineGeometry& g, CurvePoints& out);

// The first crossing of p and q, curves checked as cvmake does; 1 and the
// outputs, or 0 after "交点が存在しません" (caption "xseach").
int xseach(App& app, const LineGeometry& p, const LineGeometry& q, PointDir& out_p,
           PointDir& out_q);

}  // namespace daub
