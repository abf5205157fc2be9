#pragma once

#include "controls/core/ColorValue.h"
#include "controls/core/FontDescription.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

namespace pennoc {

using PropertyValue = std::variant<std::int32_t, bool, std::u16string, FontDescription>;

// The host's store of a control's design-time properties: named values, each read and written together with
// the property's default, so that only values that differ from their default take up room.
//
// Hosts that keep the values elsewhere derive and replace readValue and writeValue. The program itself stores
// no properties: the controls keep this for the hosts that do.
class PropertyBag {
public:
    struct Entry {
        std::string key;
        PropertyValue value;
    };

    virtual ~PropertyBag() = default;

    // The value stored under `key`, or `defaultValue` when none is stored or the stored one is of another type;
    // the result always has the default's type.
    virtual PropertyValue readValue(std::string_view key, const PropertyValue& defaultValue) const;

    // Stores `value` under `key`, where an earlier value keeps its place. A value equal to `defaultValue` is not
    // stored, and removes what an earlier write stored under the key.
    virtual void writeValue(std::string_view key, const PropertyValue& value, const PropertyValue& defaultValue);

    template <typename T> T read(std::string_view key, const T& defaultValue) const {
        return std::get<T>(readValue(key, PropertyValue(defaultValue)));
    }

    template <typename T> void write(std::string_view key, const T& value, const T& defaultValue) {
        writeValue(key, PropertyValue(value), PropertyValue(defaultValue));
    }

    // Colours are kept as 32-bit integers, system colours (top bit set) as negative ones.
    ColorValue readColor(std::string_view key, ColorValue defaultValue) const;
    void writeColor(std::string_view key, ColorValue value, ColorValue defaultValue);

    // The stored values in the order their keys were first stored.
    const std::vector<Entry>& entries() const { return m_entries; }

private:
    std::vector<Entry> m_entries;
};

} // namespace pennoc
