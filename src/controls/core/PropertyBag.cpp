#include "controls/core/PropertyBag.h"

#include <algorithm>

namespace pennoc {

namespace {

auto findKey(auto& entries, std::string_view key) {
    return std::find_if(entries.begin(), entries.end(), [key](const auto& entry) { return entry.key == key; });
}

} // namespace

PropertyValue PropertyBag::readValue(std::string_view key, const PropertyValue& defaultValue) const {
    const auto entry = findKey(m_entries, key);
    if (entry == m_entries.end() || entry->value.index() != defaultValue.index()) {
        return defaultValue;
    }
    return entry->value;
}

void PropertyBag::writeValue(std::string_view key, const PropertyValue& value, const PropertyValue& defaultValue) {
    const auto entry = findKey(m_entries, key);
    if (value == defaultValue) {
        if (entry != m_entries.end()) {
            m_entries.erase(entry);
        }
    } else if (entry != m_entries.end()) {
        entry->value = value;
    } else {
        m_entries.push_back(Entry{std::string(key), value});
    }
}

ColorValue PropertyBag::readColor(std::string_view key, ColorValue defaultValue) const {
    return static_cast<ColorValue>(read(key, static_cast<std::int32_t>(defaultValue)));
}

void PropertyBag::writeColor(std::string_view key, ColorValue value, ColorValue defaultValue) {
    write(key, static_cast<std::int32_t>(value), static_cast<std::int32_t>(defaultValue));
}

} // namespace pennoc
