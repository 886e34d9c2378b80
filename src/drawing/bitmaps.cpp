#include "drawing/bitmaps.h"

#include "shell/app.h"

namespace daub {

int allbmpdel(App& app, int n) {
  (void)app;
  (void)n;
  return 0;
}

}  // namespace daub
