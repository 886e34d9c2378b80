#include "platform/qt/qt_clipboard.h"

#include <QBuffer>
#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>

#include "paint/bmp_file.h"
#include "platform/cp932.h"

namespace daub {

namespace {

const char* const kBmpMimeType = "image/bmp";

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
    if (auto packed =
            bmp_file_to_packed_dib(to_bytes(mime->data(QString::fromLatin1(kBmpMimeType)))))
      return packed;
  }
  if (!mime->hasImage()) return std::nullopt;
  QImage image = qvariant_cast<QImage>(mime->imageData());
  QByteArray bmp;
  QBuffer buffer(&bmp);
  if (image.isNull() || !buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, "BMP"))
    return std::nullopt;
  return bmp_file_to_packed_dib(to_bytes(bmp));
}

void QtClipboard::set_dib(const std::vector<std::uint8_t>& packed) {
  std::optional<std::vector<std::uint8_t>> file = packed_dib_to_bmp_file(packed);
  if (!file) {
    clipboard_->clear();
    return;
  }
  auto* mime = new QMimeData;
  // Other programs mostly ask for an image; this program asks for the exact bytes.
  QByteArray bmp = to_qbytes(*file);
  QImage image;
  if (image.loadFromData(bmp, "BMP")) mime->setImageData(image);
  mime->setData(QString::fromLatin1(kBmpMimeType), bmp);
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
