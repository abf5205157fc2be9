#include "controls/core/PropertyBag.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace pennoc {
namespace {

std::vector<std::string> keysOf(const PropertyBag& bag) {
    std::vector<std::string> keys;
    for (const PropertyBag::Entry& entry : bag.entries()) {
        keys.push_back(entry.key);
    }
    return keys;
}

TEST(PropertyBagTest, StoresOnlyValuesThatDifferFromTheirDefaults) {
    PropertyBag bag;
    bag.write("Caption", std::u16string(u"SButton"), std::u16string(u"SButton"));
    bag.write("Enabled", false, true);
    bag.write<std::int32_t>("BorderStyle", 0, 0);
    bag.write("Font", FontDescription{{u"等线"}, 14.0}, FontDescription{{u"等线"}, 12.0});

    EXPECT_EQ(keysOf(bag), (std::vector<std::string>{"Enabled", "Font"}));
    EXPECT_FALSE(bag.read("Enabled", true));
    EXPECT_EQ(bag.read("Font", FontDescription{}).pointSize, 14.0);
}

TEST(PropertyBagTest, RewritingKeepsTheKeysPlaceAndTheDefaultRemovesIt) {
    PropertyBag bag;
    bag.write<std::int32_t>("A", 1, 0);
    bag.write<std::int32_t>("B", 2, 0);
    bag.write<std::int32_t>("A", 3, 0);
    EXPECT_EQ(keysOf(bag), (std::vector<std::string>{"A", "B"}));
    EXPECT_EQ(bag.read<std::int32_t>("A", 0), 3);

    // A value set back to its default must not come back from an earlier write.
    bag.write<std::int32_t>("A", 0, 0);
    EXPECT_EQ(keysOf(bag), (std::vector<std::string>{"B"}));
    EXPECT_EQ(bag.read<std::int32_t>("A", 7), 7);
}

TEST(PropertyBagTest, ReadGivesTheDefaultForMissingKeysAndOtherTypes) {
    PropertyBag bag;
    bag.write("Caption", std::u16string(u"常用"), std::u16string(u"SButton"));

    EXPECT_EQ(bag.read("Missing", std::u16string(u"x")), u"x");
    EXPECT_EQ(bag.read<std::int32_t>("Caption", 5), 5);
    EXPECT_EQ(bag.read("Caption", std::u16string(u"SButton")), u"常用");
}

TEST(PropertyBagTest, SystemColoursSurviveAsThirtyTwoBitIntegers) {
    PropertyBag bag;
    bag.writeColor("Back", colors::kSystemButtonFace, colors::kWhite);
    bag.writeColor("Fore", colors::kAccent, colors::kWhite);

    EXPECT_EQ(std::get<std::int32_t>(bag.entries().front().value), static_cast<std::int32_t>(0x8000000F));
    EXPECT_EQ(bag.readColor("Back", colors::kWhite), colors::kSystemButtonFace);
    EXPECT_EQ(bag.readColor("Fore", colors::kWhite), colors::kAccent);
}

} // namespace
} // namespace pennoc
