#pragma once
// The painting mouse commands: what each id does, to which canvas, with
// which blend. The command table chooses them; the dispatcher runs them.

#include <array>
#include <optional>

#include "paint/brush.h"

namespace daub {

enum class PaintingAction {
  kWhiteCanvas,
  kColorCanvas,
  kFreehand,
  kStraight,
  kTwoClickCurve,
  kCurveFromPoint,
  kDragCurve,
  kFreehandLines,
};

struct PaintingMouse {
  PaintingAction action;
  int slot;  // 1..3
  BlendKind kind;
};

// Painting ids come in threes, one per canvas: the canvas (1..3) whose id in
// `ids` is `id`, 0 when it is none of them.
int slot_of(const std::array<int, 3>& ids, int id);

// The painting mouse command `cmd`, if it is one.
std::optional<PaintingMouse> painting_mouse(int cmd);

}  // namespace daub
