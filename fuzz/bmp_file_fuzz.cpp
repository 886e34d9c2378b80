// Any bytes a picture reader accepts must be safe to read to the last pixel,
// to show, to bring to full colour and to write back; what is written back
// must read again as the same picture. The same bytes are tried as the
// clipboard's packed form.

#include <cstdint>
#include <cstdlib>
#include <vector>

#include "picture/bmp_file.h"
#include "picture/dib.h"
#include "picture/scaled_display.h"

namespace {

using namespace daub;

void require(bool ok) {
  if (!ok) std::abort();
}

void exercise(const Dib& dib) {
  DibInfo info = dib_info(dib);
  require(info.ok());
  std::optional<DcImage> image = dib_to_dc_image(dib);
  require(image && image->pixels.size() == static_cast<std::size_t>(info.width) *
                                               static_cast<std::size_t>(info.height));

  std::optional<Dib> full = full_color_dib(dib);
  require(full.has_value());
  require(dib_to_dc_image(*full)->pixels == image->pixels);
  scaled_piece(*full, -1, -1, 1.5, PixelRect{0, 0, 64, 64});

  std::vector<std::uint8_t> file = dib_to_bmp_file(*full);
  DibRead again = dib_from_bmp_file(file);
  require(again.ok() && again.dib == *full);

  // The clipboard form loses only the gap's content.
  DibRead packed = dib_from_packed(dib_to_packed(dib));
  require(packed.ok() && dib_to_packed(packed.dib) == dib_to_packed(dib));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::vector<std::uint8_t> bytes(data, data + size);
  DibRead file = dib_from_bmp_file(bytes);
  if (file.ok()) exercise(file.dib);
  DibRead packed = dib_from_packed(bytes);
  if (packed.ok()) exercise(packed.dib);
  return 0;
}
