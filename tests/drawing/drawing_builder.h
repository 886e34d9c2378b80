#pragma once
// Builds drawings element by element for the drawing store tests, and reads
// them back as plain values that do not depend on where records sit.

#include <cstdint>
#include <string>
#include <vector>

#include "drawing/append.h"
#include "model/app.h"

namespace daub::test {

// A line whose start x is `tag`, so that a test can tell lines apart.
int add_line(App& app, int layer, double tag);
// Texts and bitmaps are anchored at `at`.
int add_text(App& app, int layer, ChainKind kind, const std::string& chars, DPoint at = {});
int add_region(App& app, int layer, const std::vector<BoundaryEntry>& entries);
int add_bitmap(App& app, int layer, const std::vector<std::uint8_t>& image, DPoint at = {});

// Offsets of a chain's records in chain order.
std::vector<std::uint32_t> chain_offsets(const Block& block, int layer, ChainKind kind);
// Start x of each line of a layer, in chain order.
std::vector<double> line_tags(const Block& block, int layer);

// The drawing as the user sees it: per layer and chain, every record's bytes
// with its link and data offset zeroed, followed by its data.
std::vector<std::vector<std::uint8_t>> content(const Block& block);

// The used part of the block.
std::vector<std::uint8_t> used_bytes(const Block& block);

// `layers` empty layers and a chain of `lines` copies of `line` hanging from
// layer 1, written directly: appending them one by one would walk the chain
// each time.
Block long_chain(std::uint32_t layers, std::uint32_t lines, const LineRecord& line = {});

// A drawing with a few elements of every kind in two layers, created in an
// interleaved order so that records of both layers alternate in the block.
void fill_sample(App& app);

}  // namespace daub::test
