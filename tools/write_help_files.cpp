// Writes the program's help texts into one UTF-8 text file, for installing
// beside the program: the reading and printing help of the menu and the
// palette's topics, each under its title.
// Usage: write_help_files OUT.txt

#include <fstream>
#include <iostream>
#include <string_view>

#include "help/help_texts.h"

namespace {

void section(std::ostream& out, std::string_view title, std::string_view text) {
  out << "■ " << title << "\n\n" << text << "\n\n";
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: write_help_files OUT.txt\n";
    return 2;
  }
  std::ofstream out(argv[1], std::ios::binary);
  section(out, "読書のヘルプ", daub::reading_help_text());
  section(out, "プリントのヘルプ", daub::printing_help_text());
  for (int topic = 0; topic < daub::kPaletteHelpTopics; ++topic)
    section(out, daub::palette_help_label(topic), daub::palette_help_text(topic));
  out.close();
  if (!out) {
    std::cerr << "write_help_files: cannot write " << argv[1] << "\n";
    return 1;
  }
  return 0;
}
