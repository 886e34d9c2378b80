#include "drawing/regions.h"

#include "model/app.h"

namespace daub {

int order_outline(App& app, std::vector<ExtractionItem>& items, PointDir& out, ChainEnds ends) {
  switch (chain_outline(items, out, ends)) {
    case OutlineVerdict::kClosed:
      return 1;
    case OutlineVerdict::kOpen:
      return 2;
    case OutlineVerdict::kEmpty:
      message(app.ui, "rgnsort", "抽出線はありません");
      return 0;
    case OutlineVerdict::kNotClosed:
      break;
  }
  message(app.ui, "rgnsort", "データが閉じていません");
  return 0;
}

int rgnsort(App& app, PointDir& out, ChainEnds ends) {
  return order_outline(app, app.line_stock, out, ends);
}

}  // namespace daub
