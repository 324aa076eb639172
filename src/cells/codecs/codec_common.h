// What the value codecs share: reading a typed number, answering with a
// display text, opening the in-place editor, choosing the text colour and
// reading the big-endian fields of the image.
//
// Every codec works on a request: it writes the display text and the
// editor's selection (by default the whole text), opens an editor through
// editorKind when a key asks for one (left alone otherwise), and returns
// true when the request produced a new value that the cell is to store.
// Keys act only on requests the user makes in a grid.
#pragma once

#include "app/canvas.h"
#include "cells/cell_capsule.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace xtr::codec {

// A typed number: the edit text keeping only digits and the characters of
// allowed, cut after 9 characters and read as a decimal real. empty when
// nothing was left after filtering (the entry is then ignored).
struct TypedNumber {
    bool empty = true;
    bool hasDigit = false;  // a kept text of signs and points only reads as 0
    double value = 0.0;
};
TypedNumber ParseTyped(std::string_view text, std::string_view allowed);

// Rounded half away from zero.
std::int64_t RoundHalfAway(double x);

// The display text, with the whole text selected.
void Show(cmcCellCapsule& rq, std::string text);

// Opens the in-place editor on text with all of it selected.
void OpenEditor(cmcCellCapsule& rq, int& editorKind, std::string text);
// Opens the in-place editor on text with the caret at caret.
void OpenEditorAt(cmcCellCapsule& rq, int& editorKind, std::string text, std::int32_t caret);
// Opens the in-place editor on the typed character alone, caret after it.
void OpenEditorWithKey(cmcCellCapsule& rq, int& editorKind);

// Sets the text colour of the canvas the cell is drawn on, if any.
void SetTextColor(cmcCellCapsule& rq, Color color);

// Sets the horizontal alignment of the asking cell (0 left, 1 centre,
// 2 right), for codecs whose text decides it.
void SetAlignment(cmcCellCapsule& rq, int alignment);

// Removes up to count trailing "0"s; a decimal point left at the end goes
// with them and ends the stripping.
std::string StripTrailingZeros(std::string text, int count);

bool IsDigitKey(std::int32_t key);
bool IsPrintableKey(std::int32_t key);  // 32..126

// Big-endian fields of 1 to 4 bytes.
std::uint32_t ReadBigEndian(const std::uint8_t* field, int bytes);
void WriteBigEndian(std::uint8_t* field, int bytes, std::uint32_t value);

}  // namespace xtr::codec
