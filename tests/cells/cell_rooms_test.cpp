// The rooms of the cell library: every file of src/cells includes the core
// and rooms of lower levels only, and a file whose name says its room lies
// in it.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

namespace xtr {
namespace {

namespace fs = std::filesystem;

// "" is the core at the top of the folder.
const std::map<std::string, int> kLevels = {
    {"", 0}, {"codecs", 1}, {"lists", 2}, {"numbering", 2}, {"map", 3}, {"prepare", 3}, {"checks", 4},
};

// The room a file's name puts it in, or none for the core's files.
std::optional<std::string> RoomOfName(const std::string& name)
{
    static const std::vector<std::pair<std::string, std::string>> kPrefixes = {
        {"check_", "checks"}, {"map_checks_", "checks"}, {"codec_", "codecs"},      {"packed_bcd", "codecs"},
        {"ch_", "lists"},     {"list_geometry", "lists"}, {"map_", "map"},           {"mpt_", "numbering"},
        {"prepare_image", "prepare"},
    };
    for (const auto& [prefix, room] : kPrefixes) {
        if (name.rfind(prefix, 0) == 0) {
            return room;
        }
    }
    return std::nullopt;
}

// The room of a path below src/cells ("codecs/codec_tone.h", "cell_obj.h").
std::string RoomOfPath(const std::string& relative)
{
    const std::size_t slash = relative.find('/');
    return slash == std::string::npos ? std::string() : relative.substr(0, slash);
}

std::string Shown(const std::string& room)
{
    return room.empty() ? "the core" : room + "/";
}

// Every fault found for one file: an include against the levels, a file in
// the wrong room, a room that has no level.
std::vector<std::string> FaultsOf(const std::string& relative, std::istream& text)
{
    std::vector<std::string> faults;
    const std::string room = RoomOfPath(relative);
    const auto level = kLevels.find(room);
    if (level == kLevels.end()) {
        return {relative + ": the room " + room + "/ has no level"};
    }
    const std::string name = fs::path(relative).filename().string();
    if (const auto named = RoomOfName(name); named.value_or("") != room) {
        faults.push_back(relative + ": by its name it belongs in " + Shown(named.value_or("")));
    }
    static const std::regex kInclude(R"re(^\s*#\s*include\s*"cells/([^"]+)")re");
    std::string line;
    while (std::getline(text, line)) {
        std::smatch match;
        if (!std::regex_search(line, match, kInclude)) {
            continue;
        }
        const std::string target = RoomOfPath(match[1].str());
        if (target == room) {
            continue;
        }
        const auto targetLevel = kLevels.find(target);
        if (targetLevel == kLevels.end() || targetLevel->second >= level->second) {
            faults.push_back(relative + " (" + Shown(room) + ") includes " + match[1].str());
        }
    }
    return faults;
}

std::vector<std::string> FaultsOfText(const std::string& relative, const std::string& text)
{
    std::istringstream stream(text);
    return FaultsOf(relative, stream);
}

TEST(CellRooms, TheRuleCatchesIncludesUpwardsAndSidewaysAndFilesInTheWrongRoom)
{
    EXPECT_TRUE(FaultsOfText("map/map_menu.cpp", "#include \"cells/codecs/codec_common.h\"\n"
                                                 "#include \"cells/lists/ch_record.h\"\n"
                                                 "#include \"cells/cell_names.h\"\n")
                    .empty());
    EXPECT_EQ(FaultsOfText("codecs/codec_tone.cpp", "#include \"cells/map/map_common.h\"\n").size(), 1u);
    EXPECT_EQ(FaultsOfText("lists/ch_record.cpp", " # include \"cells/numbering/mpt_plan.h\"\n").size(), 1u)
        << "same level";
    EXPECT_EQ(FaultsOfText("cell_obj.cpp", "#include \"cells/codecs/codec_common.h\"\n").size(), 1u)
        << "the core includes no room";
    EXPECT_EQ(FaultsOfText("codec_new.cpp", "").size(), 1u) << "a codec left at the top";
    EXPECT_EQ(FaultsOfText("map/cell_obj.cpp", "").size(), 1u) << "a core file in a room";
    EXPECT_EQ(FaultsOfText("extra/x.cpp", "").size(), 1u) << "a room without a level";
}

TEST(CellRooms, EveryFileOfTheCellsKeepsTheDirection)
{
    const fs::path top = fs::path(XTR_SOURCE_DATA_DIR).parent_path() / "src" / "cells";
    ASSERT_TRUE(fs::is_directory(top)) << top;
    int files = 0;
    std::vector<std::string> faults;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(top)) {
        const std::string extension = entry.path().extension().string();
        if (!entry.is_regular_file() || (extension != ".h" && extension != ".cpp")) {
            continue;
        }
        ++files;
        std::ifstream text(entry.path());
        const std::string relative = fs::relative(entry.path(), top).generic_string();
        for (std::string& fault : FaultsOf(relative, text)) {
            faults.push_back(std::move(fault));
        }
    }
    EXPECT_GT(files, 100);
    for (const std::string& fault : faults) {
        ADD_FAILURE() << fault;
    }
}

}  // namespace
}  // namespace xtr
