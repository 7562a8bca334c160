#pragma once
#include <memory>
#include <string>
#include <vector>

// The first item of the list with the exact name, other than skip; null when none.
template <class Item>
Item* FindNamed(const std::vector<std::unique_ptr<Item>>& list, const std::string& name, const Item* skip)
{
    for (const auto& item : list)
        if (item.get() != skip && item->Name == name)
            return item.get();
    return nullptr;
}
