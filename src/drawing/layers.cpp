#include "drawing/layers.h"

#include "shell/app.h"

namespace daub {

std::uint32_t layer_offset(const Block& block, int n) {
  (void)block;
  (void)n;
  return 0;
}
int layer_count(const Block& block) {
  (void)block;
  return 0;
}
void makelayer(App& app, int n) {
  (void)app;
  (void)n;
}
int dellayer(App& app, int n) {
  (void)app;
  (void)n;
  return 0;
}
int layerswaptop(App& app, int n) {
  (void)app;
  (void)n;
  return 0;
}
int layerswaplast(App& app, int n) {
  (void)app;
  (void)n;
  return 0;
}
int layerswapback(App& app, int n) {
  (void)app;
  (void)n;
  return 0;
}
int totallayer(App& app) {
  (void)app;
  return 0;
}
int nextlayer(App& app) { return app.in.nowlayer; }
int prevlayer(App& app) { return app.in.nowlayer; }
void layerfix(App& app) { (void)app; }
int layerdlg(App& app) {
  (void)app;
  return 0;
}

}  // namespace daub
