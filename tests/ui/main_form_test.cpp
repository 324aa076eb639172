// The main form over the real application object, headless.
#include "process_objects_fixture.h"

#include "app/environ.h"
#include "app/globals.h"
#include "app/local_instance_guard.h"
#include "app/main/ind_main.h"
#include "app/main/process_objects.h"
#include "app/memory_settings.h"
#include "overlay/gtex.h"
#include "support/manual_time.h"
#include "support/scripted_messages.h"
#include "ui/icons.h"
#include "ui/main_form.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QScreen>

#include <gtest/gtest.h>

namespace xtr::test {
namespace {

class MainFormTest : public ProcessObjectsTest {};

TEST_F(MainFormTest, FormIsBuiltFromOverlayAndSettings)
{
    ui::TForm1 form;
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(form.windowTitle().toStdString(), "Untitled - " + GTex().FirstLine("GI_Sys_AppTitle"));
    EXPECT_EQ(form.minimumSize(), QSize(400, 200));
    EXPECT_EQ(form.TreeImages().size(), ui::kTreeImageCount);
    EXPECT_EQ(form.ToolBarImages().size(), ui::kToolBarImageCount);
    for (const QPixmap& image : form.TreeImages() + form.ToolBarImages()) {
        EXPECT_EQ(image.deviceIndependentSize(), QSizeF(16, 16));
    }
    EXPECT_NE(form.LeftPanel(), nullptr);
    EXPECT_NE(form.RightPanel(), nullptr);
    EXPECT_EQ(form.StatusPanelCount(), 2);
}

TEST_F(MainFormTest, SavedPositionOutsideTheWorkAreaIsPulledBack)
{
    Env().windowLeft = -5000;
    Env().windowTop = 9000;
    Env().windowWidth = 640;
    Env().windowHeight = 480;
    ui::TForm1 form;
    const QRect work = QGuiApplication::primaryScreen()->availableGeometry();
    const QRect placed = form.geometry();
    EXPECT_EQ(placed.size(), QSize(640, 480));
    EXPECT_GE(placed.left() + placed.width(), work.left() + 16);
    EXPECT_LE(placed.top(), work.top() + work.height() - 16);
}

TEST_F(MainFormTest, TypedAccessWordReachesTheApplicationObject)
{
    ui::TForm1 form;
    for (char c : std::string("kestrel")) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(QChar(c)));
        QApplication::sendEvent(&form, &press);
    }
    EXPECT_EQ(messages.asked.size(), 1u);
    EXPECT_TRUE(App().MakerMode());
    EXPECT_GT(form.StatusPanelWidth(1), 0);
}

TEST_F(MainFormTest, ClosingStoresTheWindowBounds)
{
    ui::TForm1 form;
    form.setGeometry(50, 60, 700, 500);
    QCloseEvent close;
    QApplication::sendEvent(&form, &close);
    EXPECT_TRUE(close.isAccepted());
    EXPECT_EQ(Env().windowWidth, 700);
    EXPECT_EQ(Env().windowHeight, 500);
}

TEST_F(MainFormTest, CloseIsRefusedWhileDisabled)
{
    ui::TForm1 form;
    form.setEnabled(false);
    QCloseEvent close;
    QApplication::sendEvent(&form, &close);
    EXPECT_FALSE(close.isAccepted());
}

}  // namespace
}  // namespace xtr::test
