#pragma once
// The layer chain: numbering, insertion, deletion and reordering.

#include <cstdint>

#include "drawing/chain.h"

namespace daub {
class Block;
struct App;

// Offset of layer n (a number below 1 means 1), 0 when there is no such layer.
std::uint32_t layer_offset(const Block& block, int n);
// Number of layers without any message (0 when there is none).
int layer_count(const Block& block);
// The layer's offset, or 0 after "レイヤーが存在しません" (caption `caption`).
std::uint32_t existing_layer(App& app, int layer, const char* caption);

// The layer's offset when its chain of `kind` is not empty; 0 after
// "レイヤーが存在しません" or "データが存在しません" (caption `caption`).
std::uint32_t layer_with_chain(App& app, int layer, ChainKind kind, const char* caption);
// Offset of the word that points at element n of the layer's chain of
// `kind`, or 0 after the message that says why there is none: no such layer
// ("レイヤーが存在しません"), an empty chain ("データが存在しません") or no
// element n ("該当データが存在しません"), each captioned `caption`.
std::uint64_t find_element_slot(App& app, int n, int layer, ChainKind kind, const char* caption);
// The offset of that element's record, or 0 after the message.
std::uint32_t find_element(App& app, int n, int layer, ChainKind kind, const char* caption);

// Layer n (2 or more, and existing) changes places with layer n - 1; no
// messages, nothing else changes.
void move_layer_back(Block& block, int n);

void makelayer(App& app, int n);
int dellayer(App& app, int n);
int layerswaptop(App& app, int n);
int layerswaplast(App& app, int n);
int layerswapback(App& app, int n);
int totallayer(App& app);
int nextlayer(App& app);
int prevlayer(App& app);
void layerfix(App& app);
int layerdlg(App& app);

}  // namespace daub
