// cuiFSegText: the popup in which a display text is typed. Its memo holds
// the text as an escape text ("%%" for "%", "%" and two hexadecimal digits
// for codes without a key); below it a preview draws what the radio will
// show, and a character picker inserts characters at the caret. The text is
// stored into its cell at most once: by Enter, OK, the popup losing
// activation or the event that asks editors to commit. Escape, Cancel and
// the destruction of the owning grid drop it.
#pragma once

#include "cells/cell_request_copy.h"
#include "segedit/segment_font.h"

#include <QFont>
#include <QFrame>

#include <array>
#include <cstdint>
#include <optional>
#include <string>

class QPlainTextEdit;
class QPushButton;
class QVBoxLayout;

namespace xtr {
struct cmcEvent;
}

namespace xtr::ui {

class SegPaintBox;

class cuiFSegText : public QFrame {
    Q_OBJECT
public:
    struct Setup {
        int length = 0;       // characters of the field
        std::string text;     // the escape text the memo starts with
        bool selectAll = false;  // else the caret stands after the text
        std::array<std::uint8_t, 32> userMasks{};
        // The identifier with which the owning grid announces its
        // destruction (event 1); -1 when it has none.
        std::int32_t ownerId = -1;
        // The cell's font for the memo; the application's when unset.
        std::optional<QFont> font;
    };

    cuiFSegText(const cmcCellCapsule& request, Segchar& font, Setup setup);
    ~cuiFSegText() override;

    QPlainTextEdit* Memo() const { return memo_; }
    SegPaintBox* Preview() const { return preview_; }
    QPushButton* OkButton() const { return ok_; }
    QPushButton* CancelButton() const { return cancel_; }
    // The bytes the memo's text stands for, as the preview draws them.
    const std::string& Working() const { return working_; }
    bool Committed() const { return committed_; }
    bool Cancelled() const { return cancelled_; }

    // The character picker goes here once there is one: the popup sizes
    // the picker's client area to its full width and five eighths of its
    // full height (the picker scrolls the rest).
    void SetPicker(QWidget* picker, int fullWidth, int fullHeight);
    QWidget* Picker() const { return picker_; }
    // What the picker reports. A click on character code: its escape text
    // replaces the memo's selection and the memo takes the focus.
    void PickerClick(unsigned code);
    // A key in the picker while code is picked; true when the key was used.
    bool PickerKey(int key, unsigned code);

    void Commit();
    void Cancel();

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    static void Listener(void* context, const cmcEvent& event);
    void OnEvent(const cmcEvent& event);
    void MemoChanged();
    void Insert(unsigned code);
    void Release();
    std::string MemoText() const;

    CellRequestCopy request_;
    Segchar& font_;
    Setup setup_;
    std::string working_;
    QPlainTextEdit* memo_ = nullptr;
    SegPaintBox* preview_ = nullptr;
    QFrame* pickerPanel_ = nullptr;
    QVBoxLayout* pickerLayout_ = nullptr;
    QWidget* picker_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;
    bool registered_ = false;
    bool cancelled_ = false;
    bool committed_ = false;
    bool released_ = false;
};

}  // namespace xtr::ui
