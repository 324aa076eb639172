// The text entry popup and the character editor over the real application
// object and cell dispatch, headless.
#include "process_objects_fixture.h"

#include "app/events.h"
#include "app/globals.h"
#include "app/local_instance_guard.h"
#include "app/main/ind_main.h"
#include "app/main/process_objects.h"
#include "app/memory_settings.h"
#include "cells/active_cell.h"
#include "cells/categories.h"
#include "cells/cell_names.h"
#include "cells/map/map_display_texts.h"
#include "support/fake_main_form.h"
#include "support/manual_time.h"
#include "support/scripted_messages.h"
#include "ui/seg_paint_box.h"
#include "ui/segment_editors.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QScrollArea>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace xtr::test {
namespace {

constexpr std::int32_t kDirectoryRow3 = 0x061C + 29 * 3;

void Key(QWidget* widget, Qt::Key key, const QString& text = {})
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(widget, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(widget, &release);
}

void Type(QWidget* widget, const std::string& text)
{
    for (const char c : text) {
        Key(widget, static_cast<Qt::Key>(QChar(c).toUpper().unicode()), QString(QChar(c)));
    }
}

void Press(QWidget* widget, QPoint at, Qt::MouseButton button)
{
    const QPointF local(at);
    const QPointF global(widget->mapToGlobal(at));
    QMouseEvent press(QEvent::MouseButtonPress, local, global, button, button, Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, local, global, button, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &release);
}

// Windows closed with delete-on-close go at the next deferred delete.
void DeleteClosed() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

// With XTR_SHOT_DIR set, a picture of the window for looking at.
void Shot(QWidget* window, const char* name)
{
    if (const char* dir = std::getenv("XTR_SHOT_DIR")) {
        window->grab().save(QString::fromLocal8Bit(dir) + "/" + name + ".png");
    }
}

void CountStores(void* context, const cmcCellCapsule&, std::uint32_t) { ++*static_cast<int*>(context); }

class SegmentEditorsTest : public ProcessObjectsTest {
protected:
    SegmentEditorsTest()
    {
        SetSegmentEditors(&editors);
    }
    ~SegmentEditorsTest() override
    {
        for (QWidget* window : {static_cast<QWidget*>(editors.TextPopup()),
                                static_cast<QWidget*>(editors.CharacterEditor())}) {
            delete window;
        }
        SetSegmentEditors(nullptr);
    }

    cmcEeprom& Image() { return App().CurrentImage(); }
    std::vector<std::uint8_t> At(std::int32_t address, int n) { return {Image().Data() + address, Image().Data() + address + n}; }
    void Put(std::int32_t address, std::string_view bytes)
    {
        Image().WriteBlock(address, reinterpret_cast<const std::uint8_t*>(bytes.data()), static_cast<std::int32_t>(bytes.size()));
    }
    static std::int32_t Slot(std::int32_t cellId) { return DisplayTextSlotOf(cellId)->Address(); }

    // A key on a cell as the grid sends it.
    void KeyOn(std::int32_t cellId, std::int32_t key, std::int32_t index = 0, std::uint32_t category = kCategoryNone)
    {
        cell.Reset(nullptr);
        cell.cellId = cellId;
        cell.index = index;
        cell.category = category;
        cmcCellCapsule rq;
        rq.cell = &cell;
        rq.grid = &gridToken;
        rq.key = key;
        rq.changeNotify = CountStores;
        rq.changeContext = &stores;
        indActiveCell().Dispatch(rq, false);
    }

    ui::cuiFSegText* Popup() { return editors.TextPopup(); }
    std::string MemoText() { return Popup()->Memo()->toPlainText().toStdString(); }

    FakeMainForm form;
    ui::QtSegmentEditors editors{&form, nullptr};
    cmcCellObj cell;
    int gridToken = 0;
    int stores = 0;
};

TEST_F(SegmentEditorsTest, TypedLetterOpensThePopupWithThatLetterAlone)
{
    Put(Slot(CL_SysMes_OK), std::string("DONE\0", 5));
    KeyOn(CL_SysMes_OK, 'x');
    ASSERT_NE(Popup(), nullptr);
    EXPECT_EQ(MemoText(), "x");
    const QTextCursor caret = Popup()->Memo()->textCursor();
    EXPECT_FALSE(caret.hasSelection());
    EXPECT_EQ(caret.position(), 1);
    EXPECT_EQ(Popup()->Working(), "x");
}

TEST_F(SegmentEditorsTest, EnterOpensOnTheWholeTextSelected)
{
    Put(Slot(CL_SysMes_OK), std::string("50%\x10\0", 5));
    KeyOn(CL_SysMes_OK, 13);
    ASSERT_NE(Popup(), nullptr);
    EXPECT_EQ(MemoText(), "50%%%10");
    Shot(Popup(), "text_popup");
    EXPECT_EQ(Popup()->Memo()->textCursor().selectedText().toStdString(), "50%%%10");
    // Backspace opens it the same way.
    delete Popup();
    KeyOn(CL_SysMes_OK, 8);
    ASSERT_NE(Popup(), nullptr);
    EXPECT_TRUE(Popup()->Memo()->textCursor().hasSelection());
}

TEST_F(SegmentEditorsTest, TypedTextAndEnterStoreTheFieldBytes)
{
    struct Case {
        std::int32_t cellId;
        const char* typed;
        std::vector<std::uint8_t> stored;
    };
    const Case cases[] = {
        {CL_SysMes_Low, "A%1FB", {0x41, 0x1F, 0x42, 0x00, 0x00}},  // 5 characters, zero-terminated
        {CL_SysMes_Queue, "50%", {'5', '0', '%'}},
        {CL_SysMes_Queue, "%zz", {'%', 'z', 'z'}},
        {CL_SysMes_Queue, "%%", {'%', 0, 0}},
    };
    for (const Case& c : cases) {
        KeyOn(c.cellId, 13);
        ASSERT_NE(Popup(), nullptr) << c.typed;
        Type(Popup()->Memo(), c.typed);  // replaces the selected text
        EXPECT_EQ(MemoText(), c.typed);
        Key(Popup()->Memo(), Qt::Key_Return);
        EXPECT_TRUE(Popup()->Committed());
        DeleteClosed();
        EXPECT_EQ(Popup(), nullptr) << c.typed;
        EXPECT_EQ(At(Slot(c.cellId), static_cast<int>(c.stored.size())), c.stored) << c.typed;
    }
}

TEST_F(SegmentEditorsTest, ListTextIsStoredBlankPadded)
{
    Put(kDirectoryRow3, "HELLO     ");
    Put(kDirectoryRow3 + 10, std::string(16, '\x12'));  // the row's number: the row is in use
    KeyOn(CL_DirM_Text, 13, 3, CT_DirM);
    ASSERT_NE(Popup(), nullptr);
    EXPECT_EQ(MemoText(), "HELLO");
    Type(Popup()->Memo(), "HI");
    Popup()->OkButton()->click();
    const std::string expected = "HI        ";
    EXPECT_EQ(At(kDirectoryRow3, 10), std::vector<std::uint8_t>(expected.begin(), expected.end()));
}

TEST_F(SegmentEditorsTest, HighCodesShowAsEscapesAndComeBackAsThreeCharacters)
{
    Put(Slot(CL_SysMes_Low), std::string("\x81\0\0\0\0", 5));
    KeyOn(CL_SysMes_Low, 13);
    ASSERT_NE(Popup(), nullptr);
    EXPECT_EQ(MemoText(), "%81");
    Key(Popup()->Memo(), Qt::Key_Return);
    EXPECT_EQ(At(Slot(CL_SysMes_Low), 5), (std::vector<std::uint8_t>{0x25, 0x38, 0x31, 0, 0}));
}

TEST_F(SegmentEditorsTest, PickerInsertsAtTheCaretAndPreviewFollows)
{
    KeyOn(CL_SysMes_Low, 'A');
    ASSERT_NE(Popup(), nullptr);
    EXPECT_TRUE(Popup()->PickerKey(' ', 0x1F));  // Space: the picked character
    EXPECT_EQ(MemoText(), "A%1F");
    Popup()->PickerClick('%');
    EXPECT_EQ(MemoText(), "A%1F%%");
    EXPECT_TRUE(Popup()->PickerKey('B', 0x1F));  // a typed character goes in itself
    EXPECT_EQ(MemoText(), "A%1F%%B");
    EXPECT_EQ(Popup()->Working(), "A\x1F%B");
    EXPECT_TRUE(Popup()->PickerKey(8, 0x1F));
    EXPECT_FALSE(Popup()->PickerKey(0x2500, 0x1F));
    EXPECT_EQ(MemoText(), "A%1F%%B");
    EXPECT_TRUE(Popup()->PickerKey(13, 0x1F));  // Enter commits
    EXPECT_EQ(At(Slot(CL_SysMes_Low), 5), (std::vector<std::uint8_t>{'A', 0x1F, '%', 'B', 0}));
}

TEST_F(SegmentEditorsTest, PickerSlotShowsFiveEighthsOfThePicker)
{
    KeyOn(CL_SysMes_Low, 'A');
    ASSERT_NE(Popup(), nullptr);
    auto* picker = new QScrollArea;
    Popup()->SetPicker(picker, 320, 400);
    Popup()->show();
    QCoreApplication::processEvents();
    EXPECT_EQ(picker->viewport()->size(), QSize(320, 250));
    EXPECT_GE(Popup()->width(), picker->width());
    // Replacing the picker takes the old one out.
    QPointer<QScrollArea> old = picker;
    Popup()->SetPicker(nullptr, 0, 0);
    DeleteClosed();
    EXPECT_TRUE(old.isNull());
    EXPECT_EQ(Popup()->Picker(), nullptr);
}

TEST_F(SegmentEditorsTest, CommitsAtMostOnce)
{
    KeyOn(CL_SysMes_Low, 'Q');
    ASSERT_NE(Popup(), nullptr);
    QPointer<ui::cuiFSegText> popup = Popup();
    popup->OkButton()->click();
    EXPECT_EQ(stores, 1);
    // Losing activation and the commit event come after the OK: no second store.
    QEvent deactivate(QEvent::WindowDeactivate);
    QApplication::sendEvent(popup, &deactivate);
    EvMan().Send(kEvCommitEdit, 0, 0);
    EXPECT_EQ(stores, 1);
    DeleteClosed();
    EXPECT_TRUE(popup.isNull());
}

TEST_F(SegmentEditorsTest, DeactivationAndTheCommitEventStore)
{
    KeyOn(CL_SysMes_Low, 'Q');
    QEvent deactivate(QEvent::WindowDeactivate);
    QApplication::sendEvent(Popup(), &deactivate);
    EXPECT_EQ(At(Slot(CL_SysMes_Low), 2), (std::vector<std::uint8_t>{'Q', 0}));
    DeleteClosed();

    KeyOn(CL_SysMes_Low, 'R');
    EvMan().Send(kEvCommitEdit, 0, 0);
    EXPECT_EQ(At(Slot(CL_SysMes_Low), 2), (std::vector<std::uint8_t>{'R', 0}));
    EXPECT_EQ(stores, 2);
}

TEST_F(SegmentEditorsTest, EscapeCancelAndTheOwnersEndStoreNothing)
{
    Put(Slot(CL_SysMes_Low), std::string("KEEP\0", 5));
    const std::vector<std::uint8_t> before = At(Slot(CL_SysMes_Low), 5);

    KeyOn(CL_SysMes_Low, 'Q');
    Key(Popup()->Memo(), Qt::Key_Escape);
    EXPECT_TRUE(Popup()->Cancelled());
    EvMan().Send(kEvCommitEdit, 0, 0);
    DeleteClosed();
    EXPECT_EQ(Popup(), nullptr);

    KeyOn(CL_SysMes_Low, 'Q');
    Popup()->CancelButton()->click();
    DeleteClosed();

    // The grid the popup belongs to announces its end.
    editors.SetLocateCell([](const cmcCellCapsule&) {
        ui::QtSegmentEditors::CellPlace place;
        place.ownerId = 7;
        return place;
    });
    KeyOn(CL_SysMes_Low, 'Q');
    EvMan().Send(kEvReleaseWindow, 0, 8);  // another window
    EXPECT_FALSE(Popup()->Cancelled());
    EvMan().Send(kEvReleaseWindow, 0, 7);
    EXPECT_TRUE(Popup()->Cancelled());
    DeleteClosed();

    EXPECT_EQ(stores, 0);
    EXPECT_EQ(At(Slot(CL_SysMes_Low), 5), before);
}

TEST_F(SegmentEditorsTest, CharacterEditorStoresTheLitSegments)
{
    KeyOn(CL_CEdit, 13, 4);
    ui::cuiSegEdit* editor = editors.CharacterEditor();
    ASSERT_NE(editor, nullptr);
    EXPECT_FALSE(form.enabled);
    EXPECT_EQ(editor->Mask(), 0U);
    // The top bar of the drawing: the editor draws 10 pixels in at scale 1.8.
    Press(editor->PaintBox(), QPoint(60, 17), Qt::RightButton);
    EXPECT_EQ(editor->Mask(), 0U);
    Press(editor->PaintBox(), QPoint(60, 17), Qt::LeftButton);
    EXPECT_EQ(editor->Mask(), 0x2000U);
    // Cells drawn behind the editor use the same font; the editor's
    // segments stay as the user set them.
    App().SegmentFont().SetMask(0x3FFF);
    editor->OkButton()->click();
    EXPECT_EQ(At(kUserCharMasks + 8, 2), (std::vector<std::uint8_t>{0x20, 0x00}));  // 8192
    DeleteClosed();
    EXPECT_EQ(editors.CharacterEditor(), nullptr);
    EXPECT_TRUE(form.enabled);
}

TEST_F(SegmentEditorsTest, CharacterEditorCancelKeepsTheMask)
{
    Put(kUserCharMasks, "\x3C\x18");
    KeyOn(CL_CEdit, 13, 0);
    ui::cuiSegEdit* editor = editors.CharacterEditor();
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->Mask(), 0x3C18U);
    EXPECT_EQ(editor->PaintBox()->size(), QSize(190, 190));
    Shot(editor, "character_editor");
    Press(editor->PaintBox(), QPoint(60, 17), Qt::LeftButton);
    editor->CancelButton()->click();
    DeleteClosed();
    EXPECT_EQ(At(kUserCharMasks, 2), (std::vector<std::uint8_t>{0x3C, 0x18}));
    EXPECT_TRUE(form.enabled);
}

}  // namespace
}  // namespace xtr::test
