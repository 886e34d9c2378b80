#include "drawing/selection.h"

#include "model/app.h"

namespace daub {

void nowreset(App& app) {
  app.in.nowletter = 0;
  app.in.nowenglish = 0;
  app.in.nowbmp = 0;
  app.in.nowrgn = 0;
  app.in.nowlinevalid = 0;
  app.line_stock.clear();
  app.text.carets[0] = CaretRecord{};
  app.text.carets[1] = CaretRecord{};
}

}  // namespace daub
