#pragma once

#include "controls/core/PropertyBag.h"

#include <string>
#include <vector>

namespace pennoc::test {

// A property bag that remembers which keys were read, in order.
class RecordingPropertyBag : public PropertyBag {
public:
    explicit RecordingPropertyBag(const PropertyBag& contents)
        : PropertyBag(contents) {}

    PropertyValue readValue(std::string_view key, const PropertyValue& defaultValue) const override {
        readKeys.emplace_back(key);
        return PropertyBag::readValue(key, defaultValue);
    }

    mutable std::vector<std::string> readKeys;
};

inline std::vector<std::string> storedKeys(const PropertyBag& bag) {
    std::vector<std::string> keys;
    for (const PropertyBag::Entry& entry : bag.entries()) {
        keys.push_back(entry.key);
    }
    return keys;
}

} // namespace pennoc::test
