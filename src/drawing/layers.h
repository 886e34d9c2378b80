#pragma once
// The layer chain: numbering, insertion, deletion and reordering.

#include <cstdint>

namespace daub {
class Block;
struct App;

// Offset of layer n (a number below 1 means 1), 0 when there is no such layer.
std::uint32_t layer_offset(const Block& block, int n);
// Number of layers without any message (0 when there is none).
int layer_count(const Block& block);
// The layer's offset, or 0 after "レイヤーが存在しません" (caption `caption`).
std::uint32_t existing_layer(App& app, int layer, const char* caption);

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
