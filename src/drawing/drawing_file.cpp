#include "drawing/drawing_file.h"

#include "shell/app.h"

namespace daub {

bool is_valid_drawing(const std::vector<std::uint8_t>& bytes) {
  (void)bytes;
  return false;
}

int sklfilein(App& app, const std::string& path) {
  (void)app;
  (void)path;
  return 0;
}

int sklfileout(App& app, const std::string& path) {
  (void)app;
  (void)path;
  return 0;
}

int sklpagefileout(App& app, const std::string& path) {
  (void)app;
  (void)path;
  return 0;
}

int sklfilesave(App& app, const std::string& path) {
  (void)app;
  (void)path;
  return 0;
}

int sklnamecheck(App& app, const std::string& name) {
  (void)app;
  (void)name;
  return 0;
}

int strsame(const char* a, const char* b) {
  for (;; ++a, ++b) {
    if (*a != *b) return 0;
    if (*a == '\0') return 1;
  }
}

std::string path_in_folder(const std::string& folder, const std::string& path) {
  if (path.empty() || path[0] == '/' || folder.empty()) return path;
  return folder.back() == '/' ? folder + path : folder + "/" + path;
}

}  // namespace daub
