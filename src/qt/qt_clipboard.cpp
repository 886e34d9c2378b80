#include "qt/qt_clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>

#include "picture/bmp_file.h"
#include "picture/dib.h"
#include "platform/cp932.h"
#include "qt/qt_dc.h"

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

// Device form of an image: top-down 0x00RRGGBB, alpha dropped.
DcImage dc_image_of(const QImage& source) {
  if (source.isNull()) return {};
  QImage rgb = source.convertToFormat(QImage::Format_RGB32);
  return QtDc(rgb).image();
}

QImage qimage_of(const DcImage& image) {
  QImage out(image.width, image.height, QImage::Format_RGB32);
  QtDc(out).draw_image(0, 0, image.width, image.height, image);
  return out;
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
    DibRead read = dib_from_bmp_file(to_bytes(mime->data(QString::fromLatin1(kBmpMimeType))));
    if (read.ok()) return dib_to_packed(read.dib);
  }
  // A picture from another program (or BMP data this program cannot read)
  // arrives as a 24-bit picture of the image itself.
  if (!mime->hasImage()) return std::nullopt;
  std::optional<Dib> dib = dib_from_dc_image(dc_image_of(qvariant_cast<QImage>(mime->imageData())));
  if (!dib) return std::nullopt;
  return dib_to_packed(*dib);
}

void QtClipboard::set_dib(const std::vector<std::uint8_t>& packed) {
  DibRead read = dib_from_packed(packed);
  std::optional<DcImage> image;
  if (read.ok()) image = dib_to_dc_image(read.dib);
  if (!image) {
    clipboard_->clear();
    return;
  }
  auto* mime = new QMimeData;
  // Other programs mostly ask for an image; this program asks for the exact bytes.
  mime->setImageData(qimage_of(*image));
  mime->setData(QString::fromLatin1(kBmpMimeType), to_qbytes(dib_to_bmp_file(read.dib)));
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
