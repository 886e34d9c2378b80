#pragma once
// The vertical forms of a font's glyphs (its OpenType "vert" feature): the
// punctuation, brackets, long vowel mark and small kana that Japanese
// vertical text sets differently from horizontal text.

#include <QByteArray>
#include <cstdint>
#include <unordered_map>

namespace daub {

// Glyph index → its vertical form, read from a GSUB table. Tables that are
// damaged or hold other lookups give no (or fewer) substitutions; nothing
// is ever read outside the table.
std::unordered_map<std::uint32_t, std::uint32_t> vertical_forms(const QByteArray& gsub);

}  // namespace daub
