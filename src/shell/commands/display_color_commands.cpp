// Display colour setters: the current colour becomes one of the colours the
// painters use for markers, guides and outlines. The new colour shows at the
// next paint, so nothing is repainted here.

#include <array>
#include <cstddef>

#include "model/app.h"
#include "model/settings.h"
#include "shell/commands/command_families.h"

namespace daub {

namespace {

struct ColorSlot {
  int id;
  int offset;  // settings offset of the colour
};

constexpr int kLatticePenColor = 688;
static_assert(offsetof(Settings, lattice_pen) + offsetof(PenRecord, color) == kLatticePenColor);

constexpr std::array<ColorSlot, 15> kSlots = {{
    {390, 720},
    {391, 724},
    {392, 728},
    {572, 732},
    {397, 736},
    {393, 740},
    {394, 744},
    {438, 748},
    {395, 752},
    {396, 756},
    {429, 760},
    {520, 764},
    {521, 768},
    {522, 772},
    {398, kLatticePenColor},
}};

Colorref& color_at(Settings& s, int offset) {
  if (offset == kLatticePenColor) return s.lattice_pen.color;
  return s.display_colors[display_color_index(offset)];
}

}  // namespace

bool display_color_command(App& app, int id) {
  for (const ColorSlot& slot : kSlots) {
    if (slot.id != id) continue;
    color_at(app.settings, slot.offset) = app.settings.color;
    return true;
  }
  return false;
}

}  // namespace daub
