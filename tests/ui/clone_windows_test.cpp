// The transfer progress window and the clone information window, headless.
#include "process_objects_fixture.h"

#include "app/environ.h"
#include "app/globals.h"
#include "app/local_instance_guard.h"
#include "app/main/ind_main.h"
#include "app/main/process_objects.h"
#include "app/memory_settings.h"
#include "clone/clone_result.h"
#include "overlay/gtex.h"
#include "support/manual_time.h"
#include "support/scripted_messages.h"
#include "ui/clone_info_window.h"
#include "ui/main_form.h"
#include "ui/progress_window.h"
#include "ui/sheet_panel.h"

#include <QPushButton>
#include <QScrollBar>

#include <gtest/gtest.h>

namespace xtr::test {
namespace {

class CloneWindows : public ProcessObjectsTest {};

TEST_F(CloneWindows, ProgressWindowShowsReadsAndWritesWithABarOf32Cells)
{
    ui::TForm1 form;
    form.show();
    CloneProgressView* view = form.ProgressView();
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view, form.ProgressView());  // one window for every transfer
    ui::ProgressWindow* window = form.TransferWindow();

    view->CloneStarted(kCloneIdentify);
    EXPECT_FALSE(window->isVisible());
    view->CloneStarted(kCloneRead);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Cloning"));

    view->CloneProgress(16);
    EXPECT_EQ(window->Filled(), 16);
    const QImage half = window->grab().toImage();
    const QColor highlight = window->palette().color(QPalette::Active, QPalette::Highlight);
    const QColor empty = window->palette().color(QPalette::Active, QPalette::Base);
    // Cell 0 is filled, cell 20 is not; each cell's last column is a gap.
    EXPECT_EQ(half.pixelColor(17 + 3, 9 + 7), highlight);
    EXPECT_EQ(half.pixelColor(17 + 8 * 20 + 3, 9 + 7), empty);
    EXPECT_EQ(half.pixelColor(17 + 7, 9 + 7), empty);

    view->CloneProgress(33);  // the end of a transfer: the bar is full
    EXPECT_EQ(window->Filled(), 32);
    view->CloneEnded();
    EXPECT_FALSE(window->isVisible());
}

TEST_F(CloneWindows, InformationWindowShowsTheIdentitySheetSizedToItsGrid)
{
    ui::TForm1 form;
    ui::cuiInformation window(&form, "Caption", "GI_Sheet_CloneInfo");
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Caption"));
    ASSERT_NE(window.Page(), nullptr);
    ASSERT_NE(window.Page()->Sheet(), nullptr);
    // The whole grid shows: no scroll bars, every row and column inside.
    window.show();
    const ui::cuiGrid& grid = *window.Page()->Grid();
    const cuiSheet& sheet = *window.Page()->Sheet();
    EXPECT_FALSE(grid.horizontalScrollBar()->isVisible());
    EXPECT_FALSE(grid.verticalScrollBar()->isVisible());
    EXPECT_GE(grid.viewport()->width(), sheet.TotalWidth());
    EXPECT_GE(grid.viewport()->height(), sheet.TotalHeight());
    // The button sits inside the window, below the panel.
    const QRect button = window.OkButton()->geometry();
    EXPECT_GE(button.top(), window.Page()->geometry().bottom());
    EXPECT_EQ(window.width() - (button.left() + button.width()), 5);
    EXPECT_EQ(window.height() - (button.top() + button.height()), 5);
    const auto buttons = window.findChildren<QPushButton*>();
    ASSERT_EQ(buttons.size(), 1);
    EXPECT_EQ(buttons[0]->text().toStdString(), GTex().Text("GI_AppInd_Button_OkCancel", 0));
    EXPECT_TRUE(buttons[0]->isDefault());
    buttons[0]->click();
    EXPECT_EQ(window.result(), QDialog::Accepted);
}

TEST_F(CloneWindows, TheMainWindowIsDisabledWhileTheInformationWindowLives)
{
    ui::TForm1 form;
    {
        ui::cuiInformation window(&form, "Caption", "GI_Sheet_CloneInfo");
        window.show();
        EXPECT_FALSE(form.isEnabled());
        EXPECT_TRUE(window.isEnabled());
        EXPECT_TRUE(window.OkButton()->isEnabled());
        window.OkButton()->click();
    }
    EXPECT_TRUE(form.isEnabled());
}

}  // namespace
}  // namespace xtr::test
