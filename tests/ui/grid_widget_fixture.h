// The main window over the real application object on the offscreen
// platform, with a page shown in its right panel, for tests that drive the
// grid with key and mouse events.
#pragma once

#include "qt_app.h"

#include "app/globals.h"
#include "app/local_instance_guard.h"
#include "app/main/image_file.h"
#include "app/main/ind_main.h"
#include "app/main/process_objects.h"
#include "app/memory_settings.h"
#include "cells/cell_names.h"
#include "image/demo_files.h"
#include "image/eeprom.h"
#include "platform/executable_path.h"
#include "overlay/gtex.h"
#include "support/manual_time.h"
#include "support/scripted_messages.h"
#include "ui/cui_grid.h"
#include "ui/drop_down_list.h"
#include "ui/main_form.h"
#include "ui/model/sheet_table.h"
#include "ui/qt_cell_ui.h"
#include "ui/sheet_panel.h"

#include <QAccessible>
#include <QApplication>
#include <QScreen>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

namespace xtr::test {

constexpr const char* kConvChannels = "[St_Common]GI_Sheet_ConvCh";
// Columns of the conventional channel page.
constexpr int kReceive = 1;
constexpr int kBandwidth = 6;

inline std::vector<std::uint8_t> Bytes(cmcEeprom& image)
{
    std::vector<std::uint8_t> bytes;
    for (std::int32_t a = 0; a < image.Size(); ++a) {
        bytes.push_back(image.GetByte(a));
    }
    return bytes;
}

class GridWidgetTest : public ::testing::Test {
protected:
    GridWidgetTest()
    {
        QtApp();
        SetCellUi(&cellUi);
        ProcessServices services;
        services.environ = EnvironServices{&settings, &guard, ScreenSize{1024, 768}};
        services.commandLine = {"xtr450"};
        objects = std::make_unique<ProcessObjects>(services);
        form = std::make_unique<ui::TForm1>();
        form->resize(1000, 700);
        // The pages show a radio in use: channels, lists and texts filled in.
        EXPECT_EQ(OpenImageFile(objects->Application(), DataDirectory() + DemoFileName(Env().modelType)), 0);
    }
    ~GridWidgetTest() override
    {
        form.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        objects.reset();
        SetCellUi(nullptr);
    }

    ui::cuiGrid* Show(const std::string& reference)
    {
        EXPECT_TRUE(App().RunCommand(AppCommand::ShowSheet, 0, reference));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        ui::cuiGrid* grid = form->Page()->Grid();
        form->activateWindow();
        grid->setFocus();
        EXPECT_TRUE(QTest::qWaitForWindowActive(form.get()));
        // The layout settles (scroll bars shown or hidden) before anything is
        // looked at.
        QCoreApplication::processEvents();
        return grid;
    }

    // Keys go where the focus is, as they would from the keyboard.
    static void Type(const QString& text)
    {
        for (QChar c : text) {
            QTest::keyClick(QApplication::focusWidget(), c.toLatin1());
        }
    }
    static void Press(Qt::Key key) { QTest::keyClick(QApplication::focusWidget(), key); }

    static std::string Text(ui::cuiGrid* grid, int column, int row) { return grid->Model().CellText(column, row); }

    ManualTimeGuard time;
    ScriptedMessages messages;
    MemorySettings settings;
    LocalInstanceGuard guard;
    ui::QtCellUi cellUi;
    std::unique_ptr<ProcessObjects> objects;
    std::unique_ptr<ui::TForm1> form;
};

}  // namespace xtr::test
