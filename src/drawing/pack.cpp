#include "drawing/pack.h"

#include "shell/app.h"

namespace daub {

int emptystrpurge(Block& block) {
  (void)block;
  return 0;
}

Block packed(const Block& block) { return block; }

int sklpack(App& app) {
  (void)app;
  return 0;
}

void sklsetclear(App& app) { app.drawing.set_settings_offset(0); }

}  // namespace daub
