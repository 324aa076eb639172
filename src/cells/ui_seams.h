// What the cell model asks of the program around it, as small interfaces:
// the application (the image the cells edit, the selection lists, the notice
// that the image may have changed), the user interface (a drop-down list
// beside a cell) and the surface a cell is drawn on (its text colour). The
// desktop program, the command-line tool and the tests each supply their
// own. Message boxes go through Messages() (app/message_service.h).
#pragma once

#include "app/canvas.h"

#include <cstdint>
#include <string>

namespace xtr {

class cmcEeprom;
class cmcFCache;
struct cmcCellCapsule;

// Text colours the cells choose.
inline constexpr Color kColorIndication = 0x008080;  // a field that is off or empty
inline constexpr Color kColorRowWhite = 0xFFFFFF;
inline constexpr Color kColorRowYellow = 0x00FFFF;

// The surface a cell is being drawn on. Cells only choose the colour in
// which the grid then draws their display text.
class CellCanvas {
public:
    virtual ~CellCanvas() = default;
    virtual void SetTextColor(Color color) = 0;
    virtual Color TextColor() const = 0;
    // Fills part of the cell (a cell that draws a shape of its own); a
    // surface that cannot draw ignores it.
    virtual void FillRect(const Rect& rect, Color color) {}
};

// The application as the cells see it.
class CellHost {
public:
    virtual ~CellHost() = default;
    // The image the cells show and edit.
    virtual cmcEeprom& CurrentImage() = 0;
    // The one selection-list cache of the program.
    virtual cmcFCache& SelectionLists() = 0;
    // A request carried a key, a commit or a pop-up command: the image may
    // have changed (the main window restarts its delayed check and compares
    // the image with its saved copy).
    virtual void ImageChanged() = 0;
    // The image read from the initial file at start-up: list rows that are
    // cleared, deleted or inserted take their contents from it. Fatal
    // unless the host has one.
    virtual cmcEeprom& ReferenceImage();
};

// The process-wide host; tests and the application install one. Asking for
// it while none is installed is fatal.
void SetCellHost(CellHost* host);
CellHost& TheCellHost();
bool HasCellHost();

// The user interface as the cells see it.
class CellUi {
public:
    virtual ~CellUi() = default;
    // Opens the selection list listName beside the cell of request, with
    // the cursor on the item cell (cellId, value). The user's choice comes
    // back later as a new request for the same cell whose owner is the
    // request of the chosen item and whose commit mode is 2.
    virtual void OpenDropDown(const cmcCellCapsule& request, const std::string& listName, std::int32_t cellId,
                              std::int32_t value) = 0;
};

// The installed user interface; without one, drop-down lists are not shown
// (the command-line tool has none).
void SetCellUi(CellUi* ui);
CellUi& TheCellUi();

}  // namespace xtr
