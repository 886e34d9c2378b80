#include "platform/qt/qt_clipboard.h"

#include <QBuffer>
#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>

#include "platform/cp932.h"

namespace daub {

namespace {

const char* const kBmpMimeType = "image/bmp";
constexpr std::size_t kFileHeaderSize = 14;
constexpr std::uint64_t kMaxBmpSize = 0xFFFFFFFFull;

std::uint32_t read_u32(const std::uint8_t* p) {
  return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
         static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

std::uint16_t read_u16(const std::uint8_t* p) {
  return static_cast<std::uint16_t>(p[0] | p[1] << 8);
}

void put_u32(std::uint8_t* p, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) p[i] = static_cast<std::uint8_t>(v >> (8 * i));
}

// Bytes of a packed DIB before its pixel bits: the info header, the colour
// masks of a bit-field image with a plain 40-byte header, and the colour table.
// Nothing when that is more than the `size` bytes available.
std::optional<std::uint64_t> dib_head_size(const std::uint8_t* dib, std::size_t size) {
  if (size < 12) return std::nullopt;
  std::uint32_t header = read_u32(dib);
  if (header < 12 || header > size) return std::nullopt;
  std::uint64_t head = header;
  if (header == 12) {  // the old core header: three-byte colour entries
    unsigned bits = read_u16(dib + 10);
    if (bits <= 8) head += 3ull << bits;
  } else {
    if (header < 36) return std::nullopt;
    unsigned bits = read_u16(dib + 14);
    std::uint32_t compression = read_u32(dib + 16);
    std::uint64_t used = read_u32(dib + 32);
    if (used == 0 && bits <= 8) used = 1ull << bits;
    if (header == 40 && compression == 3) head += 12;  // BI_BITFIELDS
    if (header == 40 && compression == 6) head += 16;  // BI_ALPHABITFIELDS
    head += used * 4;
  }
  if (head > size) return std::nullopt;
  return head;
}

std::vector<std::uint8_t> to_bytes(const QByteArray& a) {
  auto* p = reinterpret_cast<const std::uint8_t*>(a.constData());
  return std::vector<std::uint8_t>(p, p + a.size());
}

QByteArray to_qbytes(const std::vector<std::uint8_t>& v) {
  return QByteArray(reinterpret_cast<const char*>(v.data()), static_cast<qsizetype>(v.size()));
}

void put_mime(QClipboard* clipboard, const char* type, const QByteArray& bytes) {
  auto* mime = new QMimeData;
  mime->setData(QString::fromLatin1(type), bytes);
  clipboard->setMimeData(mime);
}

}  // namespace

std::optional<QByteArray> packed_dib_to_bmp(const std::vector<std::uint8_t>& packed) {
  std::optional<std::uint64_t> head = dib_head_size(packed.data(), packed.size());
  if (!head || kFileHeaderSize + packed.size() > kMaxBmpSize) return std::nullopt;
  QByteArray bmp(static_cast<qsizetype>(kFileHeaderSize), '\0');
  auto* h = reinterpret_cast<std::uint8_t*>(bmp.data());
  h[0] = 'B';
  h[1] = 'M';
  put_u32(h + 2, static_cast<std::uint32_t>(kFileHeaderSize + packed.size()));
  put_u32(h + 10, static_cast<std::uint32_t>(kFileHeaderSize + *head));
  bmp.append(to_qbytes(packed));
  return bmp;
}

std::optional<std::vector<std::uint8_t>> bmp_to_packed_dib(const QByteArray& bmp) {
  auto* p = reinterpret_cast<const std::uint8_t*>(bmp.constData());
  auto size = static_cast<std::size_t>(bmp.size());
  if (size < kFileHeaderSize || p[0] != 'B' || p[1] != 'M') return std::nullopt;
  std::uint64_t bits = read_u32(p + 10);
  std::optional<std::uint64_t> head = dib_head_size(p + kFileHeaderSize, size - kFileHeaderSize);
  if (!head || bits < kFileHeaderSize + *head || bits > size) return std::nullopt;
  std::vector<std::uint8_t> packed(p + kFileHeaderSize, p + kFileHeaderSize + *head);
  packed.insert(packed.end(), p + bits, p + size);
  return packed;
}

QtClipboard::QtClipboard() : clipboard_(QGuiApplication::clipboard()) {}

std::optional<std::string> QtClipboard::text() {
  const QMimeData* mime = clipboard_->mimeData();
  if (!mime || !mime->hasText()) return std::nullopt;
  QByteArray utf8 = mime->text().toUtf8();
  return utf8_to_cp932(std::string(utf8.constData(), static_cast<std::size_t>(utf8.size())));
}

void QtClipboard::set_text(const std::string& cp932) {
  clipboard_->setText(QString::fromUtf8(cp932_to_utf8(cp932)));
}

std::optional<std::vector<std::uint8_t>> QtClipboard::dib() {
  const QMimeData* mime = clipboard_->mimeData();
  if (!mime) return std::nullopt;
  if (mime->hasFormat(QString::fromLatin1(kBmpMimeType))) {
    if (auto packed = bmp_to_packed_dib(mime->data(QString::fromLatin1(kBmpMimeType))))
      return packed;
  }
  if (!mime->hasImage()) return std::nullopt;
  QImage image = qvariant_cast<QImage>(mime->imageData());
  QByteArray bmp;
  QBuffer buffer(&bmp);
  if (image.isNull() || !buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, "BMP"))
    return std::nullopt;
  return bmp_to_packed_dib(bmp);
}

void QtClipboard::set_dib(const std::vector<std::uint8_t>& packed) {
  std::optional<QByteArray> bmp = packed_dib_to_bmp(packed);
  if (!bmp) {
    clipboard_->clear();
    return;
  }
  auto* mime = new QMimeData;
  // Other programs mostly ask for an image; this program asks for the exact bytes.
  QImage image;
  if (image.loadFromData(*bmp, "BMP")) mime->setImageData(image);
  mime->setData(QString::fromLatin1(kBmpMimeType), *bmp);
  clipboard_->setMimeData(mime);
}

std::optional<std::vector<std::uint8_t>> QtClipboard::drawing() {
  const QMimeData* mime = clipboard_->mimeData();
  if (!mime || !mime->hasFormat(QString::fromLatin1(kDrawingMimeType))) return std::nullopt;
  return to_bytes(mime->data(QString::fromLatin1(kDrawingMimeType)));
}

void QtClipboard::set_drawing(const std::vector<std::uint8_t>& bytes) {
  put_mime(clipboard_, kDrawingMimeType, to_qbytes(bytes));
}

void QtClipboard::clear() { clipboard_->clear(); }

}  // namespace daub
