// The text entry popup opened from the grid of the display-texts page: a
// letter typed on a message opens it with that letter, the character
// picker inserts what is clicked, and OK stores the bytes.
#include "grid_widget_fixture.h"

#include "cells/cell_names.h"
#include "cells/map/map_display_texts.h"
#include "ui/seg_text_picker.h"
#include "ui/segment_editors.h"

#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QScreen>

#include <cstdlib>

#include <gtest/gtest.h>

namespace xtr::test {
namespace {

constexpr const char* kDisplayTexts = "[St_Common]GI_Sheet_SysMessage";

// With XTR_SHOT_DIR set, a picture of the screen for looking at.
void Shot(const char* name)
{
    if (const char* dir = std::getenv("XTR_SHOT_DIR")) {
        QCoreApplication::processEvents();
        QGuiApplication::primaryScreen()->grabWindow(0).save(QString::fromLocal8Bit(dir) + "/" + name + ".png");
    }
}

class TextPicker : public GridWidgetTest {
protected:
    TextPicker() : editors(form.get(), form.get()) { SetSegmentEditors(&editors); }
    ~TextPicker() override
    {
        delete editors.TextPopup();
        SetSegmentEditors(nullptr);
    }

    // The grid cell showing cellId.
    static std::pair<int, int> CellOf(const cuiSheet& sheet, std::int32_t cellId)
    {
        for (int r = 0; r < sheet.RowCount(); ++r) {
            for (int c = 0; c < sheet.ColumnCount(); ++c) {
                if (sheet.CellAt(c, r).cellId == cellId) {
                    return {c, r};
                }
            }
        }
        return {-1, -1};
    }
    // The picker's cell of character code.
    static std::pair<int, int> PickerCellOf(const cuiSheet& sheet, unsigned code)
    {
        for (int r = 0; r < sheet.RowCount(); ++r) {
            for (int c = 0; c < sheet.ColumnCount(); ++c) {
                if (sheet.CellAt(c, r).cellId != kCellNone && sheet.CellAt(c, r).index == static_cast<int>(code)) {
                    return {c, r};
                }
            }
        }
        return {-1, -1};
    }
    void ClickCode(ui::cuiSegPicker* picker, unsigned code)
    {
        const auto [c, r] = PickerCellOf(*picker->Model().Sheet(), code);
        ASSERT_GE(c, 0) << code;
        picker->Model().Geometry().SetTopLeft(picker->Model().Geometry().LeftColumn(), 0);
        // Scroll the character into view as the user would.
        picker->Model().SelectCell(c, r);
        QTest::mouseClick(picker->viewport(), Qt::LeftButton, {}, picker->CellRect(c, r).center());
    }
    std::vector<std::uint8_t> Field(std::int32_t cellId, int n)
    {
        const std::int32_t at = DisplayTextSlotOf(cellId)->Address();
        const auto bytes = Bytes(App().CurrentImage());
        return {bytes.begin() + at, bytes.begin() + at + n};
    }

    ui::QtSegmentEditors editors;
};

TEST_F(TextPicker, ALetterOpensThePopupWithItAndPickedCharactersAreStoredOnOk)
{
    form->show();
    ui::cuiGrid* grid = Show(kDisplayTexts);
    Shot("20-display-texts");
    const auto [c, r] = CellOf(*grid->Model().Sheet(), CL_SysMes_Low);
    ASSERT_GE(c, 0);
    grid->Model().SelectCell(c, r);
    Type("Q");
    ui::cuiFSegText* popup = editors.TextPopup();
    ASSERT_NE(popup, nullptr);
    EXPECT_EQ(popup->Memo()->toPlainText(), QStringLiteral("Q"));
    Shot("20-display-texts-popup");
    EXPECT_EQ(popup->Memo()->textCursor().position(), 1);
    EXPECT_FALSE(grid->EditorVisible());

    auto* picker = qobject_cast<ui::cuiSegPicker*>(popup->Picker());
    ASSERT_NE(picker, nullptr);
    // Five eighths of the whole list shows.
    EXPECT_EQ(picker->viewport()->height(), picker->FullHeight() * 5 / 8);
    EXPECT_EQ(picker->viewport()->width(), picker->FullWidth());

    ClickCode(picker, 0x1F);  // a user-defined character
    ClickCode(picker, 'B');
    EXPECT_EQ(popup->Memo()->toPlainText(), QStringLiteral("Q%1FB"));
    EXPECT_EQ(popup->focusWidget(), popup->Memo());
    Shot("20-picker-picked");

    // In the picker, Space picks the character under the cursor and Backspace
    // goes back to the text.
    picker->setFocus();
    QTest::keyClick(picker, Qt::Key_Space);
    EXPECT_EQ(popup->Memo()->toPlainText(), QStringLiteral("Q%1FBB"));
    QTest::keyClick(picker, Qt::Key_Backspace);
    EXPECT_EQ(popup->focusWidget(), popup->Memo());
    EXPECT_EQ(popup->Memo()->toPlainText(), QStringLiteral("Q%1FBB"));

    QPushButton* ok = nullptr;
    for (QPushButton* button : popup->findChildren<QPushButton*>()) {
        if (button->text() == QStringLiteral("OK")) {
            ok = button;
        }
    }
    ASSERT_NE(ok, nullptr);
    QTest::mouseClick(ok, Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(Field(CL_SysMes_Low, 5), (std::vector<std::uint8_t>{'Q', 0x1F, 'B', 'B', 0}));
}

TEST_F(TextPicker, ThePopupOpensByItsCellAndIsCancelledWhenThePageGoes)
{
    ui::cuiGrid* grid = Show(kDisplayTexts);
    const auto [c, r] = CellOf(*grid->Model().Sheet(), CL_SysMes_Low);
    ASSERT_GE(c, 0);
    grid->Model().SelectCell(c, r);
    const auto before = Bytes(App().CurrentImage());
    Type("Z");
    QPointer<ui::cuiFSegText> popup = editors.TextPopup();
    ASSERT_FALSE(popup.isNull());
    // Below the cell, or above it when there is no room below.
    const QRect cell(grid->viewport()->mapToGlobal(grid->CellRect(c, r).topLeft()), grid->CellRect(c, r).size());
    EXPECT_TRUE(popup->y() == cell.bottom() + 1 || popup->y() + popup->height() == cell.top())
        << popup->y() << " " << popup->height() << " " << cell.top() << " " << cell.bottom();

    // Another page replaces the one the popup belongs to: nothing is stored.
    ASSERT_TRUE(App().ShowSheet(kConvChannels));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(popup.isNull() || !popup->isVisible());
    EXPECT_EQ(Bytes(App().CurrentImage()), before);
}

}  // namespace
}  // namespace xtr::test
