#include "platform/atomic_file.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <csignal>
#include <filesystem>

#include "support/test_app.h"

namespace daub {
namespace {

using test::read_bytes;
using test::TempDir;
using test::write_bytes;
using Bytes = std::vector<std::uint8_t>;

std::vector<std::string> names_in(const std::string& folder) {
  std::vector<std::string> names;
  for (const auto& e : std::filesystem::directory_iterator(folder))
    names.push_back(e.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

bool write(const std::string& path, const Bytes& bytes) {
  return write_file_atomically(path, bytes.data(), bytes.size());
}

// Whole files are replaced, shorter ones too, keeping the old permissions and
// leaving no temporary file behind.
TEST(AtomicFile, ReplacesWholeFilesKeepingPermissions) {
  TempDir dir;
  std::string path = dir.file("drawdata.skl");
  ASSERT_TRUE(write(path, {1, 2, 3, 4, 5}));
  EXPECT_EQ(read_bytes(path), (Bytes{1, 2, 3, 4, 5}));
  ASSERT_EQ(::chmod(path.c_str(), 0640), 0);
  ASSERT_TRUE(write(path, {9}));
  EXPECT_EQ(read_bytes(path), (Bytes{9}));
  struct stat st {};
  ASSERT_EQ(::stat(path.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0640u);
  ASSERT_TRUE(write(path, {}));
  EXPECT_TRUE(read_bytes(path).empty());
  EXPECT_EQ(names_in(dir.path), (std::vector<std::string>{"drawdata.skl"}));
}

TEST(AtomicFile, FailedWritesLeaveNoTraces) {
  TempDir dir;
  std::filesystem::create_directory(dir.file("folder"));
  write_bytes(dir.file("folder/inside"), {7});
  for (std::string path : {dir.file("folder"), dir.file("missing/a.skl"), std::string()}) {
    SCOPED_TRACE(path);
    EXPECT_FALSE(write(path, {1, 2, 3}));
    EXPECT_EQ(names_in(dir.path), (std::vector<std::string>{"folder"}));
    EXPECT_EQ(read_bytes(dir.file("folder/inside")), (Bytes{7}));
  }
}

// A write that fails half way (the file size limit stops it) must leave the
// old file as it was, byte for byte.
TEST(AtomicFile, AWriteThatFailsHalfWayKeepsTheOldFile) {
  TempDir dir;
  std::string path = dir.file("drawdata.skl");
  Bytes old(3000);
  for (std::size_t i = 0; i < old.size(); ++i) old[i] = static_cast<std::uint8_t>(i * 7);
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
  EXPECT_EQ(names_in(dir.path), (std::vector<std::string>{"drawdata.skl"}));
}

TEST(AtomicFile, ReadsWholeFilesWithinTheLimit) {
  TempDir dir;
  Bytes bytes(100000);
  for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<std::uint8_t>(i % 251);
  write_bytes(dir.file("big"), bytes);
  write_bytes(dir.file("empty"), {});

  EXPECT_EQ(read_whole_file(dir.file("big")), bytes);
  EXPECT_EQ(read_whole_file(dir.file("big"), 100000), bytes);
  EXPECT_EQ(read_whole_file(dir.file("big"), 99999), std::nullopt);
  EXPECT_EQ(read_whole_file(dir.file("empty")), Bytes{});
  EXPECT_EQ(read_whole_file(dir.file("missing")), std::nullopt);
  EXPECT_EQ(read_whole_file(dir.path), std::nullopt);  // a folder
  EXPECT_TRUE(file_exists(dir.file("big")));
  EXPECT_FALSE(file_exists(dir.file("missing")));
  EXPECT_FALSE(file_exists(""));
}

}  // namespace
}  // namespace daub
