#include "support/test_app.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "shell/startup.h"

namespace daub::test {

TestApp::TestApp(Start start) {
  if (start == Start::kFileInit) {
    FileInit(app);
    clear_log();
  }
}

std::vector<std::string> TestApp::log_lines() const {
  std::vector<std::string> lines;
  std::istringstream in(log.str());
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

std::vector<std::string> TestApp::messages() const {
  std::vector<std::string> out;
  for (const std::string& l : log_lines())
    if (l.rfind("message\t", 0) == 0) out.push_back(l.substr(8));
  return out;
}

std::string TestApp::last_message() const {
  auto m = messages();
  return m.empty() ? std::string() : m.back();
}

TempDir::TempDir() {
  std::string tmpl = (std::filesystem::temp_directory_path() / "daubery-test-XXXXXX").string();
  path = mkdtemp(tmpl.data()) ? tmpl : std::string();
}

TempDir::~TempDir() {
  std::error_code ec;
  if (!path.empty()) std::filesystem::remove_all(path, ec);
}

std::vector<std::uint8_t> read_bytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void write_bytes(const std::string& path, const std::vector<std::uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
}

}  // namespace daub::test
