#pragma once
// The view transform between world coordinates and client pixels, and the
// one way the program turns a double into a pixel.

namespace daub {

// Truncation toward zero, the one way the program turns a double into a pixel.
// Not-a-number becomes 0 and values beyond the int range the nearest int.
int trunc_to_int(double v);
// a + b held inside the int range, for pixel offsets of far-away points.
int add_clamped(int a, int b);

// x = (px − centre.x) / scale + origin.x; likewise y.
void screentoworld(double& wx, double& wy, double cx, double cy, int px, int py, int ox, int oy,
                   double scale);
void screenftoworld(double& wx, double& wy, double cx, double cy, double px, double py, int ox,
                    int oy, double scale);
// px = trunc((x − origin.x) × scale + centre.x); likewise y.
void worldtoscreen(int& px, int& py, double cx, double cy, double wx, double wy, int ox, int oy,
                   double scale);
void worldtoscreenf(double& px, double& py, double cx, double cy, double wx, double wy, int ox,
                    int oy, double scale);

}  // namespace daub
