#pragma once
// Code page 932 (Shift-JIS) text: conversion to and from UTF-8 and the
// lead/trail byte classification that text editing relies on.

#include <string>

namespace daub {

// Characters that cannot be converted become '?' in both directions, so the
// result is always usable; nothing is ever lost silently beyond that.
std::string cp932_to_utf8(const std::string& cp932);
std::string utf8_to_cp932(const std::string& utf8);

// Lead byte of a two-byte character: 0x81-0x9F and 0xE0-0xFC.
bool is_lead_byte(unsigned char c);
// Possible trail byte: 0x40-0x7E and 0x80-0xFC.
bool is_trail_byte(unsigned char c);

}  // namespace daub
