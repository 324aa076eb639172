#include "app/recent.h"

#include "app/text_util.h"

#include <algorithm>
#include <string_view>

namespace xtr {
namespace {

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

std::string_view WithoutTrailingSeparator(std::string_view dir)
{
    if (!dir.empty() && IsSeparator(dir.back())) {
        dir.remove_suffix(1);
    }
    return dir;
}

}  // namespace

cmcRecent::cmcRecent(int32_t capacity) : capacity_(std::max<int32_t>(capacity, 0)) {}

void cmcRecent::RemoveEqual(const std::string& path)
{
    std::erase_if(entries_, [&](const std::string& entry) { return EqualsIgnoreCase(entry, path); });
}

void cmcRecent::Trim()
{
    if (entries_.size() > static_cast<size_t>(capacity_)) {
        entries_.resize(static_cast<size_t>(capacity_));
    }
}

void cmcRecent::AddNewest(const std::string& path)
{
    RemoveEqual(path);
    entries_.insert(entries_.begin(), path);
    Trim();
}

void cmcRecent::AddOldest(const std::string& path)
{
    RemoveEqual(path);
    entries_.push_back(path);
    Trim();
}

std::string cmcRecent::DisplayText(int32_t i, const std::string& directory) const
{
    if (i < 0 || i >= Count()) {
        return std::string();
    }
    const std::string& entry = entries_[static_cast<size_t>(i)];
    // An empty directory asks for the entries as stored. Without this rule a
    // file in a root directory ("/a.dat", "\a.dat") would lose its directory,
    // since the root without its separator is empty as well.
    if (directory.empty()) {
        return entry;
    }
    const auto cut = std::find_if(entry.rbegin(), entry.rend(), IsSeparator);
    const std::string_view entryDir(entry.data(), static_cast<size_t>(entry.rend() - cut));
    if (!EqualsIgnoreCase(WithoutTrailingSeparator(entryDir), WithoutTrailingSeparator(directory))) {
        return entry;
    }
    return entry.substr(entryDir.size());
}

}  // namespace xtr
