#include "ui/model/sheet_items.h"

#include "cells/cell_description_text.h"

namespace xtr {

std::vector<std::string_view> ParenItems(std::string_view text)
{
    std::vector<std::string_view> items;
    std::size_t start = std::string_view::npos;
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t length = CharLength(text, i);
        if (length == 1) {
            if (start == std::string_view::npos && text[i] == '(') {
                start = i + 1;
            } else if (start != std::string_view::npos && text[i] == ')') {
                items.push_back(text.substr(start, i - start));
                start = std::string_view::npos;
            }
        }
        i += length;
    }
    if (start != std::string_view::npos) {
        items.push_back(text.substr(start));
    }
    return items;
}

bool ItemHasKey(std::string_view item, std::string_view key) { return item.substr(0, key.size()) == key; }

std::optional<std::string_view> ItemValue(std::string_view item)
{
    const std::size_t equals = item.find('=');
    if (equals == std::string_view::npos) {
        return std::nullopt;
    }
    return item.substr(equals + 1);
}

std::optional<int> ItemCount(std::string_view item, std::string_view key)
{
    if (!ItemHasKey(item, key) || item.size() < key.size() + 2 || item[key.size()] != ' ') {
        return std::nullopt;
    }
    return ParseDecimal(item.substr(key.size() + 1));
}

}  // namespace xtr
