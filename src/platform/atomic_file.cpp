#include "platform/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>

namespace daub {

namespace {

// Closes a descriptor on every way out.
struct Fd {
  int fd = -1;
  explicit Fd(int f) : fd(f) {}
  ~Fd() {
    if (fd >= 0) ::close(fd);
  }
  Fd(const Fd&) = delete;
  Fd& operator=(const Fd&) = delete;
};

bool write_all(int fd, const std::uint8_t* data, std::size_t size) {
  while (size > 0) {
    ssize_t n = ::write(fd, data, size);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    data += n;
    size -= static_cast<std::size_t>(n);
  }
  return true;
}

// The mode the new file should have: the old file's, or what a plain create
// would give. mkstemp makes its file private (0600), which would otherwise
// silently change who may read a saved drawing.
mode_t target_mode(const std::string& path) {
  struct stat st {};
  if (::stat(path.c_str(), &st) == 0) return st.st_mode & 07777;
  mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

std::string temp_pattern(const std::string& path) {
  std::filesystem::path p(path);
  std::filesystem::path dir = p.parent_path();
  std::string name = "." + p.filename().string() + ".tmp-XXXXXX";
  return dir.empty() ? name : (dir / name).string();
}

// Makes the rename itself durable; a failure here does not undo the save.
void sync_folder(const std::string& path) {
  std::filesystem::path dir = std::filesystem::path(path).parent_path();
  Fd d(::open(dir.empty() ? "." : dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (d.fd >= 0) ::fsync(d.fd);
}

}  // namespace

bool file_exists(const std::string& path) {
  struct stat st {};
  return !path.empty() && ::stat(path.c_str(), &st) == 0;
}

namespace {

enum class Past { kRefuse, kStop };

// Reads a regular file up to `max_size` bytes: past it the read is refused or
// stops there. Only regular files: a folder cannot be read and a pipe might
// never end.
std::optional<std::vector<std::uint8_t>> read_file(const std::string& path, std::uint64_t max_size,
                                                   Past past) {
  Fd f(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
  if (f.fd < 0) return std::nullopt;
  struct stat st {};
  if (::fstat(f.fd, &st) != 0 || !S_ISREG(st.st_mode)) return std::nullopt;
  const std::uint64_t size = static_cast<std::uint64_t>(st.st_size);
  if (size > max_size && past == Past::kRefuse) return std::nullopt;
  std::vector<std::uint8_t> bytes;
  bytes.reserve(static_cast<std::size_t>(std::min(size, max_size)));
  std::uint8_t chunk[65536];
  // Bounded by max_size even if the file grows while it is read.
  for (;;) {
    const std::uint64_t room = max_size - bytes.size();
    if (room == 0 && past == Past::kStop) break;
    const std::uint64_t want = past == Past::kStop ? room : sizeof chunk;
    ssize_t n =
        ::read(f.fd, chunk, static_cast<std::size_t>(std::min<std::uint64_t>(sizeof chunk, want)));
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return std::nullopt;
    if (n == 0) break;
    if (static_cast<std::uint64_t>(n) > room) return std::nullopt;
    bytes.insert(bytes.end(), chunk, chunk + n);
  }
  return bytes;
}

}  // namespace

std::optional<std::vector<std::uint8_t>> read_whole_file(const std::string& path,
                                                         std::uint64_t max_size) {
  return read_file(path, max_size, Past::kRefuse);
}

std::optional<std::vector<std::uint8_t>> read_file_start(const std::string& path,
                                                         std::size_t count) {
  return read_file(path, count, Past::kStop);
}

bool write_file_atomically(const std::string& path, const std::uint8_t* data, std::size_t size) {
  if (path.empty()) return false;
  mode_t mode = target_mode(path);
  std::string temp = temp_pattern(path);
  Fd f(::mkstemp(temp.data()));
  if (f.fd < 0) return false;
  bool ok = write_all(f.fd, data, size) && ::fchmod(f.fd, mode) == 0 && ::fsync(f.fd) == 0;
  ok = ::close(f.fd) == 0 && ok;
  f.fd = -1;
  if (ok) ok = ::rename(temp.c_str(), path.c_str()) == 0;
  if (!ok) {
    ::unlink(temp.c_str());
    return false;
  }
  sync_folder(path);
  return true;
}

std::string current_directory() {
  std::error_code ec;
  std::filesystem::path p = std::filesystem::current_path(ec);
  return ec ? std::string() : p.string();
}

}  // namespace daub
