#include "app/memory_settings.h"

#include "app/text_util.h"

#include <algorithm>

namespace xtr {

const MemorySettings::Key* MemorySettings::FindKey(const std::string& keyPath) const
{
    const auto it = std::find_if(keys_.begin(), keys_.end(),
                                 [&](const Key& key) { return EqualsIgnoreCase(key.path, keyPath); });
    return it == keys_.end() ? nullptr : &*it;
}

MemorySettings::Key& MemorySettings::KeyFor(const std::string& keyPath)
{
    if (const Key* key = FindKey(keyPath)) {
        return const_cast<Key&>(*key);
    }
    keys_.push_back(Key{keyPath, {}});
    return keys_.back();
}

const MemorySettings::Data* MemorySettings::Find(const std::string& keyPath, const std::string& name) const
{
    const Key* key = FindKey(keyPath);
    if (key == nullptr) {
        return nullptr;
    }
    for (const Value& value : key->values) {
        if (EqualsIgnoreCase(value.name, name)) {
            return &value.data;
        }
    }
    return nullptr;
}

void MemorySettings::Put(const std::string& keyPath, const std::string& name, Data data)
{
    Key& key = KeyFor(keyPath);
    for (Value& value : key.values) {
        if (EqualsIgnoreCase(value.name, name)) {
            value.data = std::move(data);
            return;
        }
    }
    key.values.push_back(Value{name, std::move(data)});
}

void MemorySettings::RemoveKey(const std::string& keyPath)
{
    std::erase_if(keys_, [&](const Key& key) { return EqualsIgnoreCase(key.path, keyPath); });
}

void MemorySettings::RemoveValue(const std::string& keyPath, const std::string& name)
{
    if (const Key* key = FindKey(keyPath)) {
        std::erase_if(const_cast<Key*>(key)->values,
                      [&](const Value& value) { return EqualsIgnoreCase(value.name, name); });
    }
}

std::optional<int32_t> MemorySettings::ReadInt(const std::string& keyPath, const std::string& name)
{
    ++reads_;
    const Data* data = Find(keyPath, name);
    if (data == nullptr || !std::holds_alternative<int32_t>(*data)) {
        return std::nullopt;
    }
    return std::get<int32_t>(*data);
}

std::optional<std::string> MemorySettings::ReadString(const std::string& keyPath, const std::string& name)
{
    ++reads_;
    const Data* data = Find(keyPath, name);
    if (data == nullptr || !std::holds_alternative<std::string>(*data)) {
        return std::nullopt;
    }
    return std::get<std::string>(*data);
}

bool MemorySettings::WriteInt(const std::string& keyPath, const std::string& name, int32_t value)
{
    ++writes_;
    Put(keyPath, name, value);
    return true;
}

bool MemorySettings::WriteString(const std::string& keyPath, const std::string& name, const std::string& value)
{
    ++writes_;
    Put(keyPath, name, value);
    return true;
}

}  // namespace xtr
