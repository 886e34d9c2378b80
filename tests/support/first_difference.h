#pragma once
// Where two pictures of one size first differ, said the way a failure message
// needs it: the pixel and both values.

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "picture/dib.h"

namespace daub::test {

// "" when the rows (width pixels each) are equal; else the first differing
// pixel "(x, y): 0x… against 0x…", or the sizes when they differ.
inline std::string first_difference(const std::vector<std::uint32_t>& got,
                                    const std::vector<std::uint32_t>& want, int width) {
  if (got.size() != want.size())
    return std::to_string(got.size()) + " pixels against " + std::to_string(want.size());
  for (std::size_t i = 0; i < got.size(); ++i) {
    if (got[i] == want[i]) continue;
    char text[80];
    std::snprintf(text, sizeof text, "(%zu, %zu): 0x%08X against 0x%08X", i % width, i / width,
                  static_cast<unsigned>(got[i]), static_cast<unsigned>(want[i]));
    return text;
  }
  return "";
}

// The same for two pictures in memory form, their pixels read top down;
// pictures that are not readable are compared as bytes.
inline std::string first_difference(const Dib& got, const Dib& want) {
  if (got == want) return "";
  const std::optional<DcImage> a = dib_to_dc_image(got), b = dib_to_dc_image(want);
  if (!a || !b || a->width != b->width) return "the pictures' bytes or sizes differ";
  const std::string pixel = first_difference(a->pixels, b->pixels, a->width);
  return pixel.empty() ? "the pictures differ outside their pixels" : pixel;
}

}  // namespace daub::test
