#include "support/book_builder.h"

#include "drawing/drawing_builder.h"
#include "drawing/drawing_file.h"
#include "model/app.h"

namespace daub::test {

namespace {

double first_line_x(const Block& block) {
  const std::vector<double> tags = line_tags(block, 1);
  return tags.empty() ? -1 : tags.front();
}

}  // namespace

void write_page(const std::string& folder, const std::string& name, double tag) {
  TestApp t;
  add_line(t.app, 1, tag);
  write_bytes(folder + "/" + name, used_bytes(t.app.drawing));
}

double shown_tag(const App& app) { return first_line_x(app.drawing); }

double file_tag(const std::string& path) {
  TestApp t;
  if (!sklfilein(t.app, path)) return -1;
  return first_line_x(t.app.drawing);
}

}  // namespace daub::test
