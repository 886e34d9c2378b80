#pragma once
// Whole-file reads and writes. A write goes to a temporary file in the same
// folder, is flushed, and then renamed over the target, so a failed write
// leaves the old file byte for byte.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace daub {

bool file_exists(const std::string& path);
// The whole file, or nothing when it cannot be opened or read (or is larger than max_size).
std::optional<std::vector<std::uint8_t>> read_whole_file(const std::string& path,
                                                         std::uint64_t max_size = 0xFFFFFFFFull);
// The first `count` bytes of a regular file (all of a shorter one), or nothing
// when it cannot be opened or read.
std::optional<std::vector<std::uint8_t>> read_file_start(const std::string& path,
                                                         std::size_t count);
bool write_file_atomically(const std::string& path, const std::uint8_t* data, std::size_t size);
std::string current_directory();

}  // namespace daub
