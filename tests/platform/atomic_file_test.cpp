#include "platform/atomic_file.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <csignal>
#include <filesystem>

#include "support/test_app.h"

namespace daub {
namespace {

using namespace test;
using Bytes = std::vector<std::uint8_t>;

// The folder holds `name` and nothing else: no temporary file is left.
void expect_only(const TempDir& dir, const std::string& name) {
  std::vector<std::string> names;
  for (const auto& e : std::filesystem::directory_iterator(dir.path))
    names.push_back(e.path().filename().string());
  EXPECT_EQ(names, std::vector<std::string>{name});
}

bool write(const std::string& path, const Bytes& bytes) {
  return write_file_atomically(path, bytes.data(), bytes.size());
}

TEST(AtomicFile, ReplacesWholeFilesKeepingPermissions) {
  TempDir dir;
  std::string path = dir.file("drawdata.skl");
  ASSERT_TRUE(write(path, {1, 2, 3, 4, 5}));
  ASSERT_EQ(::chmod(path.c_str(), 0640), 0);
  ASSERT_TRUE(write(path, {9}));
  EXPECT_EQ(read_bytes(path), (Bytes{9}));
  EXPECT_EQ(std::filesystem::status(path).permissions(), std::filesystem::perms{0640});
  expect_only(dir, "drawdata.skl");
}

TEST(AtomicFile, FailedWritesLeaveNoTraces) {
  TempDir dir;
  std::filesystem::create_directory(dir.file("folder"));
  for (std::string path : {dir.file("folder"), dir.file("missing/a.skl"), std::string()}) {
    SCOPED_TRACE(path);
    EXPECT_FALSE(write(path, {1, 2, 3}));
    expect_only(dir, "folder");
    EXPECT_TRUE(std::filesystem::is_empty(dir.file("folder")));
  }
}

// A write that fails half way (the file size limit stops it) must leave the
// old file as it was, byte for byte.
TEST(AtomicFile, AWriteThatFailsHalfWayKeepsTheOldFile) {
  TempDir dir;
  std::string path = dir.file("drawdata.skl");
  const Bytes old(3000, 0x5A);
  write_bytes(path, old);

  struct rlimit saved {};
  ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
  auto old_handler = std::signal(SIGXFSZ, SIG_IGN);
  struct rlimit small = saved;
  small.rlim_cur = 4096;
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
  bool ok = write(path, Bytes(100000, 0xAB));
  ::setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, old_handler);

  EXPECT_FALSE(ok);
  EXPECT_EQ(read_bytes(path), old);
  expect_only(dir, "drawdata.skl");
}

TEST(AtomicFile, ReadsWholeFilesWithinTheLimit) {
  TempDir dir;
  write_bytes(dir.file("five"), {1, 2, 3, 4, 5});
  EXPECT_EQ(read_whole_file(dir.file("five"), 5), (Bytes{1, 2, 3, 4, 5}));
  EXPECT_EQ(read_whole_file(dir.file("five"), 4), std::nullopt);
  EXPECT_EQ(read_whole_file(dir.file("missing")), std::nullopt);
  EXPECT_EQ(read_whole_file(dir.path), std::nullopt);  // a folder
  EXPECT_TRUE(file_exists(dir.file("five")));
  EXPECT_FALSE(file_exists(""));
}

}  // namespace
}  // namespace daub
