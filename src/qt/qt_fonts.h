#pragma once
// From a LOGFONT to a real font: the face names drawings carry (Japanese
// faces in code page 932, their ASCII spellings, common Latin faces) are
// mapped by one table onto installed families; a face that is installed is
// used as it is; anything else falls back by character set, pitch and
// family. A face beginning with "@" is a vertical-writing font.

#include <QFont>
#include <QString>
#include <string>

#include "platform/log_font.h"

namespace daub {

// The face name without a leading "@", as Unicode.
QString face_of(const LogFont& f);
bool is_vertical_face(const LogFont& f);

// The installed family that draws the face.
QString family_for(const LogFont& f);

// The font: a negative height is the character height in pixels, a
// positive one the cell height, 0 a 16-pixel character; a width other than
// 0 stretches the face to that average width; weight, italic, underline and
// strike-out as given. Never antialiased. Rotation is the device's business.
QFont qfont_for(const LogFont& f);

// A LOGFONT for a chosen font: its family (code page 932), its pixel size as
// a negative height, weight, italic, underline, strike-out; the rest from
// `base`.
LogFont logfont_for(const QFont& font, const LogFont& base);

}  // namespace daub
