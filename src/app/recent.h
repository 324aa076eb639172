// cmcRecent: the recent-file list, newest first. The file commands add a
// path after every successful open and save; the settings store loads and
// saves the list; the file menu shows it relative to the current directory.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace xtr {

class cmcRecent {
public:
    explicit cmcRecent(int32_t capacity);

    // Removes every entry equal to path (without regard to case), puts path
    // at the front, then drops entries from the back beyond the capacity.
    void AddNewest(const std::string& path);
    // The same, but path goes to the back (used when loading, oldest last).
    void AddOldest(const std::string& path);

    int32_t Count() const { return static_cast<int32_t>(entries_.size()); }
    int32_t Capacity() const { return capacity_; }

    // Entry i as the menu shows it: only the file name when the entry lies
    // in directory (compared without regard to case, trailing separator
    // ignored), else the full path. An empty directory gives every entry as
    // stored. Empty for i outside the list.
    std::string DisplayText(int32_t i, const std::string& directory) const;

    void Clear() { entries_.clear(); }

private:
    void RemoveEqual(const std::string& path);
    void Trim();

    int32_t capacity_;
    std::vector<std::string> entries_;
};

}  // namespace xtr
