#pragma once
// Recolouring the drawing: every coloured element of every layer takes the
// colour a rule gives for its own. Bitmap elements keep their pictures.

#include <functional>

#include "model/block.h"
#include "model/records.h"

namespace daub {

// The new colour of an element of colour `old`.
using ColourRule = std::function<Colorref(Colorref old)>;

// Gives every line element (its pen colour) the rule's colour. Each coloured
// element kind is recoloured here, so a new kind joins in one place.
void recolour_elements(Block& block, const ColourRule& rule);

}  // namespace daub
