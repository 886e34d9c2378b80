#pragma once
// The clipboard in three forms: text as code page 932 bytes, pictures as packed
// DIB bytes, and drawing data as a drawing block's byte image.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace daub {

class Clipboard {
 public:
  virtual ~Clipboard() = default;
  virtual std::optional<std::string> text() = 0;  // code page 932 bytes
  virtual void set_text(const std::string& cp932) = 0;
  virtual std::optional<std::vector<std::uint8_t>> dib() = 0;  // packed DIB
  virtual void set_dib(const std::vector<std::uint8_t>& packed) = 0;
  virtual std::optional<std::vector<std::uint8_t>> drawing() = 0;
  virtual void set_drawing(const std::vector<std::uint8_t>& bytes) = 0;
  virtual void clear() = 0;
};

// Holds what was put on it for the life of the program: tests and headless runs.
class MemoryClipboard : public Clipboard {
 public:
  std::optional<std::string> text() override { return text_; }
  void set_text(const std::string& cp932) override {
    clear();
    text_ = cp932;
  }
  std::optional<std::vector<std::uint8_t>> dib() override { return dib_; }
  void set_dib(const std::vector<std::uint8_t>& packed) override {
    clear();
    dib_ = packed;
  }
  std::optional<std::vector<std::uint8_t>> drawing() override { return drawing_; }
  void set_drawing(const std::vector<std::uint8_t>& bytes) override {
    clear();
    drawing_ = bytes;
  }
  void clear() override {
    text_.reset();
    dib_.reset();
    drawing_.reset();
  }

 private:
  std::optional<std::string> text_;
  std::optional<std::vector<std::uint8_t>> dib_;
  std::optional<std::vector<std::uint8_t>> drawing_;
};

}  // namespace daub
