#include "support/book_builder.h"

#include "drawing/drawing_builder.h"
#include "drawing/drawing_file.h"
#include "model/app.h"

namespace daub::test {

void write_page(const std::string& folder, const std::string& name, double tag) {
  TestApp t;
  add_line(t.app, 1, tag);
  write_bytes(folder + "/" + name, used_bytes(t.app.drawing));
}

double file_tag(const std::string& path) {
  TestApp t;
  if (!sklfilein(t.app, path)) return -1;
  const std::vector<double> tags = line_tags(t.app.drawing, 1);
  return tags.empty() ? -1 : tags.front();
}

}  // namespace daub::test
