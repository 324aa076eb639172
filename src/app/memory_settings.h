// A settings backend held in memory. It behaves as the registry does: keys
// and values are found without regard to case, each value has a type (an
// integer does not read as a string or the reverse), and nothing persists.
// Tests use it directly; the file backend keeps its contents in one.
#pragma once

#include "app/settings_backend.h"

#include <variant>
#include <vector>

namespace xtr {

class MemorySettings : public SettingsBackend {
public:
    using Data = std::variant<int32_t, std::string>;
    struct Value {
        std::string name;
        Data data;
    };
    struct Key {
        std::string path;
        std::vector<Value> values;  // in the order first written
    };

    std::optional<int32_t> ReadInt(const std::string& keyPath, const std::string& name) override;
    std::optional<std::string> ReadString(const std::string& keyPath, const std::string& name) override;
    bool WriteInt(const std::string& keyPath, const std::string& name, int32_t value) override;
    bool WriteString(const std::string& keyPath, const std::string& name, const std::string& value) override;

    // Looks without counting as a read.
    const Data* Find(const std::string& keyPath, const std::string& name) const;
    bool HasKey(const std::string& keyPath) const { return FindKey(keyPath) != nullptr; }
    // Sets a value without counting as a write.
    void Put(const std::string& keyPath, const std::string& name, Data data);
    void RemoveKey(const std::string& keyPath);
    void RemoveValue(const std::string& keyPath, const std::string& name);
    void Clear() { keys_.clear(); }

    // Keys in the order first written.
    const std::vector<Key>& Keys() const { return keys_; }

    // How many reads and writes went through the backend interface.
    int ReadCount() const { return reads_; }
    int WriteCount() const { return writes_; }

private:
    const Key* FindKey(const std::string& keyPath) const;
    Key& KeyFor(const std::string& keyPath);

    std::vector<Key> keys_;
    int reads_ = 0;
    int writes_ = 0;
};

}  // namespace xtr
