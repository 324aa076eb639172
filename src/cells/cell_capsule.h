// cmcCellCapsule: one question to one cell. The grid, the menus, the tool
// bar, the tree and the consistency checks fill a request (which cell, which
// key, which edited text), hand it to the cell dispatch (indActiveCell) and
// read the answer from the same record: the text to show, the error and
// warning bits, where an in-place editor should put its selection, and
// whether the cursor is to move to another cell.
#pragma once

#include "app/canvas.h"
#include "cells/cell_obj.h"

#include <array>
#include <cstdint>
#include <string>

namespace xtr {

class CellCanvas;
struct cmcCellCapsule;

// Keys as requests carry them: a typed character is its character code; a
// non-character key is its virtual-key code shifted left by 8 bits.
namespace cellkey {
inline constexpr std::int32_t kNone = 0;  // only show the value
inline constexpr std::int32_t kBackspace = 8;
inline constexpr std::int32_t kEnter = 13;
inline constexpr std::int32_t kSpace = 32;
inline constexpr std::int32_t kActivate = 0x100;  // double-click: treated as Enter
inline constexpr std::int32_t kLeft = 0x2500;
inline constexpr std::int32_t kUp = 0x2600;
inline constexpr std::int32_t kRight = 0x2700;
inline constexpr std::int32_t kDown = 0x2800;
inline constexpr std::int32_t kDelete = 0x2E00;

inline bool IsArrow(std::int32_t key) { return key == kLeft || key == kUp || key == kRight || key == kDown; }
}  // namespace cellkey

// Result bits of a request. Bits 0 and 1 belong to the caller (the grid
// marks the cursor's cell and printing with them).
namespace cellresult {
inline constexpr std::uint8_t kCallerBit0 = 0x01;
inline constexpr std::uint8_t kCallerBit1 = 0x02;
inline constexpr std::uint8_t kWarning = 0x04;  // conflicts with another setting
inline constexpr std::uint8_t kError = 0x08;    // invalid or inconsistent
// A typed entry the cell did not take: the value stands as it was, and
// refusal names why (the error bit is set with it).
inline constexpr std::uint8_t kRefused = 0x10;
}  // namespace cellresult

// Why a typed entry was not taken: overlay messages of one line each.
namespace cellrefusal {
inline constexpr const char* kNoNumber = "GI_AppMess_Refused_Number";
inline constexpr const char* kNotTaken = "GI_AppMess_Refused_Entry";
inline constexpr const char* kFrequency = "GI_AppMess_Refused_Frequency";
inline constexpr const char* kTone = "GI_AppMess_Refused_Tone";
}  // namespace cellrefusal

// Commit modes.
namespace cellcommit {
inline constexpr std::uint8_t kNone = 0;     // show, or react to the key
inline constexpr std::uint8_t kStore = 1;    // store the edit text
inline constexpr std::uint8_t kPreview = 2;  // store while a companion editor or list is still open
}  // namespace cellcommit

// Editor kinds the dispatch returns.
namespace celleditor {
inline constexpr int kNone = 0;
inline constexpr int kDropDown = 1;  // the cell opened a selection list
inline constexpr int kInPlace = 2;   // open the in-place editor on the request's text and selection
}  // namespace celleditor

// Repaint criteria of a change (the grid invalidates every cell R for which
// one of the given criteria holds against the asking cell T).
namespace cellscope {
inline constexpr std::uint32_t kThisCell = 0x01;       // same id and index
inline constexpr std::uint32_t kSameCategory = 0x02;
inline constexpr std::uint32_t kSameId = 0x04;
inline constexpr std::uint32_t kSameRow = 0x08;        // same index in a list
inline constexpr std::uint32_t kNeighbourRows = 0x10;  // index differs by at most 1
inline constexpr std::uint32_t kEveryCell = 0x20;
inline constexpr std::uint32_t kRowsFrom = 0x40;
inline constexpr std::uint32_t kRowsUpTo = 0x80;
}  // namespace cellscope

// Called after a dispatch with the repaint criteria of the change.
using CellChangeNotify = void (*)(void* context, const cmcCellCapsule& request, std::uint32_t scope);
// Called by a cell during a dispatch to push its display text (and the
// request's selection) into an editor that is still open.
using CellEditorRefresh = void (*)(void* context, const cmcCellCapsule& request);

struct cmcCellCapsule {
    // The request of the cell on which a pop-up menu or a drop-down list was
    // opened; null otherwise.
    const cmcCellCapsule* owner = nullptr;
    // The control that asked (grid, tool bar), or null.
    void* control = nullptr;
    // Non-null only for a request the user makes in a grid: cells react to
    // keys only then.
    void* grid = nullptr;
    cmcCellObj* cell = nullptr;
    // Set while the cell is drawn: cells choose their text colour on it.
    CellCanvas* canvas = nullptr;
    const Rect* rectangle = nullptr;

    // Where an in-place editor opened on displayText puts its selection.
    std::int32_t selStart = 0;
    std::int32_t selLength = 0;

    std::int32_t key = cellkey::kNone;
    // The pop-up menu command executed on this cell (CL_PMenu_Edit ..
    // CL_PMenu_Insert), or 0.
    std::int32_t popupCommand = 0;

    std::string editText;     // typed by the user
    std::string displayText;  // answered by the cell

    std::uint8_t result = 0;          // cellresult bits
    std::int32_t markerPosition = 0;  // 0: the grid chooses
    // With cellresult::kRefused: the overlay message (cellrefusal) saying
    // why the entry was not taken.
    const char* refusal = nullptr;
    std::uint8_t commitMode = cellcommit::kNone;

    // Set by the dispatch: the caller moves the cursor to this cell and row
    // and repeats the request there with this key.
    bool redirect = false;
    std::uint32_t redirectCategory = 0;
    std::int32_t redirectCellId = 0;
    std::int32_t redirectIndex = 0;
    std::int32_t redirectKey = 0;

    // Sixteen bytes for the caller (the grid's row selection); copied with
    // the record and left alone by Reset.
    std::array<std::uint8_t, 16> callerBlock{};

    CellChangeNotify changeNotify = nullptr;
    void* changeContext = nullptr;
    CellEditorRefresh editorRefresh = nullptr;
    void* editorContext = nullptr;

    // Makes the record ready for the next question: pointers, selection, key,
    // pop-up command, commit mode, result bits, marker position and redirect
    // become zero, both texts empty, both callbacks cleared.
    void Reset();

    bool Interactive() const { return grid != nullptr; }
    bool HasError() const { return (result & cellresult::kError) != 0; }
    bool HasWarning() const { return (result & cellresult::kWarning) != 0; }
    void SetError() { result |= cellresult::kError; }
    void SetWarning() { result |= cellresult::kWarning; }
    bool Refused() const { return (result & cellresult::kRefused) != 0; }
    // A committed entry the cell does not take. An entry of nothing but
    // blanks is no entry at all and refuses nothing: it leaves the value as
    // an empty editor does.
    void Refuse(const char* reason);

    // Asks the caller to move to another cell and repeat there with key.
    void RedirectTo(std::uint32_t category, std::int32_t cellId, std::int32_t index, std::int32_t key);

    // Pushes the display text into an open editor, if the caller gave a way.
    void RefreshEditor() const
    {
        if (editorRefresh != nullptr) {
            editorRefresh(editorContext, *this);
        }
    }
};

}  // namespace xtr
