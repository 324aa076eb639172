// The shipped overlay against what the program reads from it: an entry for
// every name the program asks for (a missing one ends the program the first
// time it is needed), entries with the lines their readers count on, styles
// and pop-up menus that descriptions refer to, and a segment outline that
// draws the radio's characters.
#include "support/overlay_guard.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <string>
#include <vector>

namespace xtr {
namespace {

using test::OverlayGuard;

// Every index name the program uses. Sheets are read through the entries
// named after them, menus and the tree through their basic cell and body.
const char* const kProgramNames[] = {
    "GI_AppInd_AbbreviatedPSTN_Disable", "GI_AppInd_Button_OkCancel", "GI_AppInd_CLIM_NoLimit",
    "GI_AppInd_CharacterEditorCaption", "GI_AppInd_CpsOnly", "GI_AppInd_DirM_Dyn_Cps", "GI_AppInd_FallbackChOff",
    "GI_AppInd_MptOnly", "GI_AppInd_NameNetOpid", "GI_AppInd_NoQuery", "GI_AppInd_OutofCh", "GI_AppInd_ScrmCodeOff",
    "GI_AppInd_TimerOff", "GI_AppInd_TimerOff2", "GI_AppItem_Ctcss", "GI_AppMess_Confirm_CpsFleet",
    "GI_AppMess_Conv_Clear", "GI_AppMess_Conv_Delete", "GI_AppMess_Conv_Overflow", "GI_AppMess_Conv_Overwrite",
    "GI_AppMess_S_Clear", "GI_AppMess_S_Copy", "GI_AppMess_S_Delete", "GI_AppMess_S_Insert", "GI_AppMess_S_Paste",
    "GI_App_About_Button", "GI_App_About_Caption", "GI_App_InitialFile", "GI_Form_Main_BasicCell",
    "GI_Menu_Main", "GI_Mess_Backup_Failed", "GI_Mess_Backup_None", "GI_Mess_Backup_ReadFailed",
    "GI_Mess_Backup_Saved", "GI_Mess_Backup_WriteRefused", "GI_Mess_CloneErr_Check", "GI_Mess_CloneErr_Head", "GI_Mess_CloneInfo_Opt_Qd301",
    "GI_Mess_CloneInfo_Opt_Qd302", "GI_Mess_CloneInfo_OverVolt", "GI_Mess_CloneWrite_Succeeded",
    "GI_Mess_Confirm_CloneWrite", "GI_Mess_Confirm_WriteAnother", "GI_Mess_Confirm_WriteFile", "GI_Mess_DataError",
    "GI_Mess_FileErr_Coverage", "GI_Mess_FileErr_Data", "GI_Mess_FileErr_Extra", "GI_Mess_FileErr_FileAccess",
    "GI_Mess_FileErr_FileOpen", "GI_Mess_FileErr_Format", "GI_Mess_FileErr_Headline", "GI_Mess_FileErr_MapRev",
    "GI_Mess_FileErr_Model", "GI_Mess_FileErr_Newer", "GI_Mess_Import_Partial",
    "GI_Mess_Import_Refused", "GI_Mess_Maker_Caution", "GI_Mess_Ports_None", "GI_Mess_Text_CannotRead",
    "GI_Mess_Text_CannotWrite", "GI_Mess_Trace_CannotWrite", "GI_Mess_Verify_Bytes", "GI_Mess_Verify_Failed",
    "GI_Mess_Verify_Ok", "GI_Mess_Verify_ReadFailed", "GI_PCG_Seg_Data",
    "GI_PMenu_NoItem", "GI_Sheet_CloneInfo", "GI_Sheet_Sel_AadType", "GI_Sheet_Sel_Backlight",
    "GI_Sheet_Sel_CLIME", "GI_Sheet_Sel_ChSpacing", "GI_Sheet_Sel_ChStep", "GI_Sheet_Sel_Ch_Lockout",
    "GI_Sheet_Sel_Ch_Nar", "GI_Sheet_Sel_Ch_RfPower", "GI_Sheet_Sel_Ch_TxInh", "GI_Sheet_Sel_Comm_RfPower",
    "GI_Sheet_Sel_Comm_RxAfSw", "GI_Sheet_Sel_Comm_StartScr", "GI_Sheet_Sel_ControlCategory", "GI_Sheet_Sel_Ctcss",
    "GI_Sheet_Sel_Ctcss_Burst", "GI_Sheet_Sel_DynGrp_Cps", "GI_Sheet_Sel_DynGrp_Mpt",
    "GI_Sheet_Sel_FFSK_Modulation", "GI_Sheet_Sel_Hook", "GI_Sheet_Sel_KeyAssign_Conve",
    "GI_Sheet_Sel_KeyAssign_Trunk", "GI_Sheet_Sel_Maker_DtcsPolar", "GI_Sheet_Sel_Maker_PllType",
    "GI_Sheet_Sel_Map27Baud", "GI_Sheet_Sel_MicGain", "GI_Sheet_Sel_Misc_Enable", "GI_Sheet_Sel_Misc_Enable_I",
    "GI_Sheet_Sel_Misc_OnOff", "GI_Sheet_Sel_Misc_OnOff2", "GI_Sheet_Sel_Misc_OnOff_I", "GI_Sheet_Sel_Misc_YesNo",
    "GI_Sheet_Sel_NetworkType", "GI_Sheet_Sel_Pers_RfPower", "GI_Sheet_Sel_Query", "GI_Sheet_Sel_QueueDel",
    "GI_Sheet_Sel_Ringer", "GI_Sheet_Sel_Scrambler", "GI_Sheet_Sel_Scrm_Syn", "GI_Sheet_Sel_Scrm_Timing",
    "GI_Sheet_Sel_Scrm_Type", "GI_Sheet_Sel_Send8PABX", "GI_Sheet_Sel_StepCLIM_Cps", "GI_Sheet_Sel_StepCLIM_Mpt",
    "GI_Sheet_Sel_SyncCodeword", "GI_Sheet_Sel_TSCLIM", "GI_Sheet_Sel_Text", "GI_StatusPanel_Maker",
    "GI_Sys_AppTitle", "GI_Sys_AppTitleRev", "GI_Sys_Dialog_FOpen", "GI_Sys_Maker", "GI_Sys_MyHelpFile",
    "GI_Sys_Printer_FontPoints", "GI_Sys_Printer_FrameFont", "GI_Sys_Printer_Margins", "GI_Sys_Printer_NoPrinter",
    "GI_Sys_Printer_PrintingDialog", "GI_Sys_TreeChangeDelay", "GI_ToolBar_Main", "GI_Tree_Main",
    "GI_WarningCheckList"};

std::vector<std::string> EntriesRead(const std::string& name)
{
    static const std::set<std::string> built = {"GI_Menu_Main", "GI_ToolBar_Main", "GI_Tree_Main", "GI_PMenu_NoItem"};
    if (built.count(name) != 0) {
        return {name + "_BasicCell", name + "_Body"};
    }
    if (name.rfind("GI_Sheet_", 0) == 0) {
        return {name + "_Style", name + "_BasicCell", name + "_Cells"};
    }
    return {name};
}

// Body lines of an entry, up to the header of the next one.
std::vector<std::string> BodyLines(cmcGTex& texts, const std::string& entry)
{
    std::vector<std::string> lines;
    std::string line;
    for (int n = 0; texts.TryText(entry, n, line) && (line.empty() || line[0] != '#'); ++n) {
        lines.push_back(line);
    }
    return lines;
}

// The lines of the overlay file from its first entry on (the notes above
// it are never read).
std::vector<std::string> FileLines()
{
    std::ifstream file(std::string(XTR_SOURCE_DATA_DIR) + "/XTR450.OVL");
    std::vector<std::string> lines;
    for (std::string line; std::getline(file, line);) {
        if (!lines.empty() || (line.size() > 1 && line[0] == '#')) {
            lines.push_back(line);
        }
    }
    return lines;
}

// How many printf conversions a message line carries ("%%" is none).
int Conversions(const std::string& text, char kind)
{
    int count = 0;
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] == '%') {
            count += text[i + 1] == kind ? 1 : 0;
            ++i;
        }
    }
    return count;
}

TEST(ShippedOverlay, HoldsEveryEntryTheProgramReads)
{
    auto overlay = OverlayGuard::Shipped();
    for (const char* name : kProgramNames) {
        for (const std::string& entry : EntriesRead(name)) {
            EXPECT_TRUE(overlay->Store().HasEntry(entry)) << entry;
        }
    }
    // Names are found at their first place only: a second entry of the same
    // name would be silently dead, and the end marker closes the file.
    std::set<std::string> names;
    std::string last;
    for (const std::string& line : FileLines()) {
        if (line.size() > 1 && line[0] == '#') {
            EXPECT_TRUE(names.insert(line.substr(1)).second) << "defined twice: " << line;
            last = line;
        }
    }
    EXPECT_EQ(last, "#End_Of_Ovl");
}

TEST(ShippedOverlay, StylesAndPopupMenusNamedInDescriptionsExist)
{
    auto overlay = OverlayGuard::Shipped();
    const std::regex style(R"(\(\$([A-Za-z0-9_]+)\))");
    const std::regex popup(R"(\(PopupMenu=([A-Za-z0-9_]+)\))");
    int references = 0;
    for (const std::string& line : FileLines()) {
        for (std::sregex_iterator m(line.begin(), line.end(), style), end; m != end; ++m, ++references) {
            EXPECT_TRUE(overlay->Store().HasEntry("CellModel_" + (*m)[1].str())) << line;
        }
        for (std::sregex_iterator m(line.begin(), line.end(), popup), end; m != end; ++m, ++references) {
            EXPECT_TRUE(overlay->Store().HasEntry((*m)[1].str() + "_BasicCell")) << line;
            EXPECT_FALSE(BodyLines(overlay->Store(), (*m)[1].str() + "_Body").empty()) << line;
        }
    }
    EXPECT_GT(references, 100);
}

// Lines that are formats, numbers, file names and lists of a fixed length.
TEST(ShippedOverlay, EntriesHoldTheLinesTheirReadersCount)
{
    auto overlay = OverlayGuard::Shipped();
    cmcGTex& texts = overlay->Store();

    // One head line per clone result code (up to 16), the port line naming
    // the port once; six hint lines.
    const std::vector<std::string> heads = BodyLines(texts, "GI_Mess_CloneErr_Head");
    ASSERT_GE(heads.size(), 17u);
    EXPECT_EQ(Conversions(heads[2], 'd'), 1);
    EXPECT_GE(BodyLines(texts, "GI_Mess_CloneErr_Check").size(), 6u);

    // Formatted with one file name: any other conversion would read past it.
    const std::string save = texts.FirstLine("GI_Mess_Confirm_WriteFile");
    EXPECT_EQ(Conversions(save, 's'), 1);
    EXPECT_EQ(std::count(save.begin(), save.end(), '%'), 1);

    // Four margins in millimetres, and the font sizes, as numbers.
    const std::string margins = texts.FirstLine("GI_Sys_Printer_Margins");
    EXPECT_TRUE(std::regex_match(margins, std::regex(R"(\s*\d+\s*(,\s*\d+\s*){3})"))) << margins;
    for (const char* number : {"GI_Sys_Printer_FontPoints", "GI_Sys_Printer_FrameFont", "GI_Sys_TreeChangeDelay"}) {
        EXPECT_TRUE(std::regex_match(texts.FirstLine(number), std::regex(R"(\d+)"))) << number;
    }
    EXPECT_EQ(BodyLines(texts, "GI_Sys_Printer_PrintingDialog").size(), 3u);

    // One initial file per numbering variant, each supplied beside the
    // program; the dialogs' default extension and filter.
    const std::vector<std::string> initial = BodyLines(texts, "GI_App_InitialFile");
    ASSERT_EQ(initial.size(), 2u);
    for (const std::string& file : initial) {
        EXPECT_TRUE(std::filesystem::exists(std::string(XTR_SOURCE_DATA_DIR) + "/" + file)) << file;
    }
    const std::vector<std::string> dialog = BodyLines(texts, "GI_Sys_Dialog_FOpen");
    ASSERT_GE(dialog.size(), 2u);
    EXPECT_EQ(dialog[0], "kcl");
    EXPECT_EQ(std::count(dialog[1].begin(), dialog[1].end(), '|') % 2, 1) << "description|pattern pairs";
    EXPECT_TRUE(std::filesystem::exists(std::string(XTR_SOURCE_DATA_DIR) + "/" + texts.FirstLine("GI_Sys_MyHelpFile")));

    // Two-item indications and buttons.
    for (const char* pair : {"GI_AppInd_Button_OkCancel", "GI_AppInd_OutofCh", "GI_AppInd_NameNetOpid"}) {
        EXPECT_EQ(BodyLines(texts, pair).size(), 2u) << pair;
    }
    // Typed tone texts: one line per tone item up to DTCS (53).
    EXPECT_EQ(BodyLines(texts, "GI_AppItem_Ctcss").size(), 54u);
}

// The outline of the radio's 14-segment characters.
struct Point {
    double x;
    double y;
};
using Triangle = std::array<Point, 3>;

double Area(Point a, Point b, Point c)
{
    return std::abs((b.x - a.x) * (c.y - a.y) - (c.x - a.x) * (b.y - a.y)) / 2;
}

bool Inside(Point z, const Triangle& t)
{
    return Area(t[0], t[1], t[2]) + 1e-9 >= Area(z, t[1], t[2]) + Area(t[0], z, t[2]) + Area(t[0], t[1], z);
}

std::vector<std::vector<Triangle>> Segments(cmcGTex& texts)
{
    std::vector<std::vector<Triangle>> segments;
    const std::regex group(R"(\|\s*\(([-\d\s]+),([-\d\s]+)\)\s*\(([-\d\s]+),([-\d\s]+)\)\s*\(([-\d\s]+),([-\d\s]+)\))");
    for (const std::string& line : BodyLines(texts, "GI_PCG_Seg_Data")) {
        if (line.rfind("//", 0) == 0 || line.find_first_not_of(" \t") == std::string::npos) {
            continue;
        }
        std::vector<Triangle> triangles;
        for (std::sregex_iterator m(line.begin(), line.end(), group), end; m != end; ++m) {
            Triangle t;
            for (int p = 0; p < 3; ++p) {
                t[p] = {std::stod((*m)[1 + 2 * p].str()), std::stod((*m)[2 + 2 * p].str())};
            }
            EXPECT_GT(Area(t[0], t[1], t[2]), 0) << line;
            triangles.push_back(t);
        }
        EXPECT_EQ(triangles.size(), static_cast<std::size_t>(std::atoi(line.c_str()))) << line;
        segments.push_back(triangles);
    }
    return segments;
}

// The segment that holds a point, -1 for none.
int SegmentAt(const std::vector<std::vector<Triangle>>& segments, Point z)
{
    for (std::size_t s = 0; s < segments.size(); ++s) {
        for (const Triangle& t : segments[s]) {
            if (Inside(z, t)) {
                return static_cast<int>(s);
            }
        }
    }
    return -1;
}

TEST(ShippedOverlay, SegmentOutlineDrawsTheBuiltInCharacters)
{
    auto overlay = OverlayGuard::Shipped();
    const auto segments = Segments(overlay->Store());
    // The built-in masks have 14 bits: segment 0 is bit 13.
    ASSERT_EQ(segments.size(), 14u);

    // No two segments share a point: clicking one in the character editor
    // must never light another.
    double left = 1e9, right = -1e9, top = 1e9, bottom = -1e9;
    for (std::size_t s = 0; s < segments.size(); ++s) {
        for (const Triangle& t : segments[s]) {
            for (const Point& p : t) {
                left = std::min(left, p.x), right = std::max(right, p.x);
                top = std::min(top, p.y), bottom = std::max(bottom, p.y);
            }
            const Point centre{(t[0].x + t[1].x + t[2].x) / 3, (t[0].y + t[1].y + t[2].y) / 3};
            EXPECT_EQ(SegmentAt(segments, centre), static_cast<int>(s)) << "segment " << s;
        }
    }
    ASSERT_GT(right - left, 0);
    ASSERT_GT(bottom - top, right - left) << "characters are taller than wide";

    // Where a character lights its strokes, in fractions of the box: the
    // lit segments of a mask must cover these points and leave the others.
    auto lit = [&](std::uint16_t mask, double fx, double fy) {
        const int s = SegmentAt(segments, {left + fx * (right - left), top + fy * (bottom - top)});
        return s >= 0 && ((mask >> (13 - s)) & 1) != 0;
    };
    const std::uint16_t one = 0x1800, minus = 0x0018, plus = 0x005A, slash = 0x0024, zero = 0x3F24, tee = 0x2042;
    EXPECT_TRUE(lit(one, 0.96, 0.25) && lit(one, 0.96, 0.75));    // right edge, both halves
    EXPECT_FALSE(lit(one, 0.04, 0.25) || lit(one, 0.5, 0.02));     // nothing left or on top
    EXPECT_TRUE(lit(minus, 0.25, 0.5) && lit(minus, 0.75, 0.5));   // both halves of the bar
    EXPECT_TRUE(lit(plus, 0.5, 0.3) && lit(plus, 0.5, 0.7));       // the upright of the cross
    EXPECT_TRUE(lit(slash, 0.68, 0.3) && lit(slash, 0.32, 0.7));   // rising to the right
    EXPECT_FALSE(lit(slash, 0.32, 0.3) || lit(slash, 0.68, 0.7));
    EXPECT_TRUE(lit(zero, 0.5, 0.02) && lit(zero, 0.5, 0.98) && lit(zero, 0.04, 0.25));
    EXPECT_TRUE(lit(tee, 0.5, 0.02) && lit(tee, 0.5, 0.3) && !lit(tee, 0.96, 0.25));
}

}  // namespace
}  // namespace xtr
