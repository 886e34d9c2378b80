#include "drawing/lines.h"

namespace daub {

int setskl(App&, const LineRecord&, LineRecord&, int&, int, GeometryCheck) { return 0; }
int totalskl(App&, int) { return 0; }
int getline(App&, int, LineRecord&, int) { return 0; }
int changeline(App&, int, const LineRecord&, int) { return 0; }
int linenow(App&, int, int) { return 0; }
int delskl(App&, int, int, DeletedPoint) { return 0; }
int cut_line(App&, int, const LineGeometry&, LineRecord&, int&, PointDir&, int, DeletedPoint) {
  return 0;
}
int reverse_line(App&, int, LineRecord&, int&, int) { return 0; }
int nearestvt(App&, const PointDir&, PointDir&, int) { return 0; }
int snap(App&, PointDir&, double, int) { return 0; }
int cutline(App&, PointDir&, double, int) { return 0; }
int cut_at_click(App&, DPoint, int) { return 0; }
int pickline(App&, DPoint, LineRecord&, int) { return 0; }
int picktwoline(App&, DPoint, LineRecord&, LineRecord&, int&, int&, int) { return 0; }
int nearestline(App&, const PointDir&, const PointDir&, LineRecord&, int&, int) { return 0; }
int NeighberLine(App&, int, const PointDir&, ExtractionItem&, int) { return 0; }
int join_ends(App&, DPoint, double, int) { return 0; }
int rectangle_lines(App&, double, double, double, double, int) { return 0; }
int ellipse_lines(App&, double, double, double, double, int) { return 0; }
int circle_lines(App&, DPoint, DPoint, int) { return 0; }

}  // namespace daub
