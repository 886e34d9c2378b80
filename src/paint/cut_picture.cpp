#include "paint/cut_picture.h"

namespace daub {
std::optional<Dib> CutMakeDIB(App&, DPoint, DPoint) { return std::nullopt; }
}  // namespace daub
