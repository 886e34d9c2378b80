#pragma once
// Converting the shadow into vector elements of a layer: each outline, in
// order, becomes lines with the current line pen (its straight sides, or its
// sides with rounded corners) and one closed region of those lines with the
// current fill in the outline's colour. The outline is placed and scaled as
// it is shown, and those client pixels are taken as world coordinates.
//
// An outline is made whole or not at all: before anything is appended its
// lines are checked to form a closed chain and to fit the layer and the
// block. When an outline does not fit, the conversion stops with a message
// and keeps the outlines made before it.

#include <cstdint>
#include <vector>

#include "model/tracing.h"

namespace daub {
struct App;

enum class OutlineShape { kStraight, kRounded };

// Converts every outline of the shadow block at the place into the layer.
// Returns the number of regions made. Messages, each captioned with the
// operation's name ("shadowline" or "shadowcurve"): "レイヤーが存在しません",
// kChainFullMessage when the layer's line or region
// chain is full, memck's message when the block cannot grow.
int convert_shadow(App& app, const std::vector<std::uint8_t>& shadow, ShadowPlace place,
                   OutlineShape shape, int layer);

// The message shown when a layer's chain is full.
inline constexpr const char* kChainFullMessage = "これ以上このレイヤーに線や領域を作れません";

}  // namespace daub
