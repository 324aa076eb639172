// The command-line tool and the desktop program number alike: a file the
// desktop program's save command wrote, set again through xtr450ctl with a
// value it already holds, comes back byte for byte, directory entries that
// dial a full number with a prefix included. The demonstration files hold
// such entries in both numberings.
#include "ctl_process.h"

#include "appmain/app_fixture.h"
#include "app/environ.h"
#include "app/globals.h"
#include "app/main/image_file.h"
#include "image/demo_files.h"
#include "platform/executable_path.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace xtr::test {
namespace {

// The first directory entry's derived prefix and ident (bytes 26-28).
constexpr int kDirectoryAddress = 0x061C + 26;

class CtlNumbering : public AppTest {
protected:
    void SetUp() override
    {
        if (ProgramDirectory().empty()) {
            GTEST_SKIP() << "xtr450ctl is not built";
        }
    }

    // Opens the demonstration file in the desktop program's application
    // object, its window attached, and saves it as the desktop program does.
    void SaveAsTheDesktopDoes(int modelType, const std::string& path)
    {
        Start();
        Env().modelType = static_cast<std::uint8_t>(modelType);
        App().AttachForm(&form);
        ASSERT_EQ(OpenImageFile(App(), DataDirectory() + DemoFileName(modelType)), 0);
        ASSERT_EQ(SaveImageFile(App(), path), 0);
        const cmcEeprom& saved = App().CurrentImage();
        EXPECT_TRUE(saved.GetByte(kDirectoryAddress) != 0 || saved.GetByte(kDirectoryAddress + 1) != 0 ||
                    saved.GetByte(kDirectoryAddress + 2) != 0)
            << "the directory entry dials an address";
        objects.reset();
    }

    TempDir dir;
};

TEST_F(CtlNumbering, DesktopSaveAndCommandLineSetAgreeByteForByte)
{
    for (int modelType : {0, 1}) {
        SCOPED_TRACE(modelType);
        const std::string desktop = dir.File("desktop.kcl");
        SaveAsTheDesktopDoes(modelType, desktop);
        const std::string ctl = dir.Write("ctl.kcl", ReadWholeFile(desktop));
        const CtlRun set = RunCtl({"set", "--variant", modelType == 1 ? "cps" : "mpt", ctl, "CL_Set_BeepLevel=4"},
                                  dir.Path().string());
        ASSERT_EQ(set.status, 0) << set.err;
        EXPECT_EQ(ReadWholeFile(ctl), ReadWholeFile(desktop));
    }
}

}  // namespace
}  // namespace xtr::test
