#pragma once
// Compaction of the drawing block into canonical order.

namespace daub {
class Block;
struct App;

// Unlinks every letter and english element of length 0 in every layer; returns
// how many were unlinked.
int emptystrpurge(Block& block);

// Rewrites the block in canonical order without dead bytes (settings record
// kept at 20, first layer after it); returns 0. The block must be valid.
int sklpack(App& app);
Block packed(const Block& block);

// Drops the settings record from the header (settings offset 0).
void sklsetclear(App& app);

}  // namespace daub
