#pragma once
// The spare screen ("予備画面"): a second drawing block beside the drawing,
// and what is built on it: exchanging the two, appending one of its layers
// to the drawing as a new selection, and carrying the selection through the
// clipboard, in place and to the neighbouring layers.

#include "model/block.h"

namespace daub {
struct App;

// Save to spare: the spare becomes a copy of the drawing's used part.
void save_to_spare(App& app);
// altswap: the drawing and the spare change places, then layerfix and
// nowreset. Returns 1; 0 after "予備画面が存在しません" ("altswap").
int altswap(App& app);

// altapend: every element of the spare's layer of that number is appended
// to the drawing's layer, and the selection sets become exactly the
// appended elements. Regions keep naming their own lines under the new
// numbers; an entry that names no line of the spare's layer (0 or beyond)
// stays 0. All or nothing: on "画面合成に失敗しました" (caption "altapend")
// the drawing is as it was. Without a spare: "予備画面が存在しません"
// (caption "altapend").
int altapend(App& app, int layer);
// The same from another block (valid), which stays as it is.
int append_layer_from(App& app, const Block& from, int layer);

// Copy selection (526): the committed selection of the current layer, with
// every other layer emptied and the block compacted, goes onto the clipboard
// as drawing data. The drawing stays as it was; the selection sets are
// emptied and the spare is freed. Returns 1.
int copy_selection(App& app);
// Paste selection (527): the clipboard drawing's layer of the current
// layer's number is appended to the current layer as the new selection,
// with the enclosure around it; the spare is freed. Without sound drawing
// data on the clipboard nothing changes after clipboard_drawing's message
// (caption "drawdatapaste").
int paste_selection(App& app);
// Duplicate in place (196): a copy of the committed selection is appended
// to the current layer and becomes the selection (the originals stay where
// they were), with the enclosure around it; the spare is freed.
int duplicate_selection(App& app);

// The four layer moves (622-625): the committed selection goes to the next
// or the previous layer, which becomes current, and becomes the selection
// there; the move forms delete it from the current layer. The clipboard
// is left holding the selection as it lies in the target layer. Refused
// with "上のレイヤーが存在しません。上のレイヤーを作ってください" when there is
// no such layer, captioned with the operation's name (stockmovenextlayer,
// stockcopynextlayer, stockmovelowerlayer, stockcopylowerlayer).
enum class LayerStep { kNext, kPrevious };
enum class Transfer { kMove, kCopy };
int move_selection_to_layer(App& app, LayerStep step, Transfer transfer);

}  // namespace daub
