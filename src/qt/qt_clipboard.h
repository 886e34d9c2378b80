#pragma once
// The system clipboard through QClipboard: text converted between code page
// 932 and Unicode, pictures as BMP data (a packed DIB behind a BMP file
// header), and drawing data under its own MIME type.

#include <QByteArray>

#include "platform/clipboard.h"

class QClipboard;

namespace daub {

inline constexpr const char* kDrawingMimeType = "application/x-daubery-cfskl";

class QtClipboard : public Clipboard {
 public:
  // Uses the application's clipboard (a QGuiApplication must exist).
  QtClipboard();
  explicit QtClipboard(QClipboard* clipboard) : clipboard_(clipboard) {}

  std::optional<std::string> text() override;
  void set_text(const std::string& cp932) override;
  std::optional<std::vector<std::uint8_t>> dib() override;
  void set_dib(const std::vector<std::uint8_t>& packed) override;
  std::optional<std::vector<std::uint8_t>> drawing() override;
  void set_drawing(const std::vector<std::uint8_t>& bytes) override;
  void clear() override;

 private:
  QClipboard* clipboard_;
};

}  // namespace daub
