#pragma once

#include <utility>

namespace kw {

// Moves the value stored under `key` out of a map of owning pointers and erases its entry;
// an empty pointer when the key is not there.
template <typename Map, typename Key>
typename Map::mapped_type TakeFromMap(Map& map, const Key& key) {
    const auto found = map.find(key);
    if (found == map.end()) {
        return {};
    }
    typename Map::mapped_type value = std::move(found->second);
    map.erase(found);
    return value;
}

}  // namespace kw
