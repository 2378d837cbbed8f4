#include "runtime/core/layout_description.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "runtime/core/exceptions.h"

namespace rt {
namespace {

using namespace std::string_literals;

TEST(LayoutDescription, RoundTripsEveryType) {
  const std::vector<Property> properties = {
      {"Name", String("ResultsFld")},
      {"Index", std::int64_t{-2147483648}},
      {"Width", std::int64_t{460}},
      {"Top", std::int64_t{-9}},
      {"Period", std::numeric_limits<std::int64_t>::max()},
      {"Visible", true},
      {"Enabled", false},
      {"FontName", String("Courier")},
      {"FontSize", 10.5f},
      {"FontUnit", FontUnit{3}},
      {"LineSpacing", 1.0},
      {"LineHeight", -0.0},
      {"BackgroundColor", Colour{{0xFF, 0xFF, 0xFF, 0x00}}},
      {"TextColor", Colour{{0x06, 0x01, 0xFB, 0x00}}},
      {"Value", String("Gr\xc3\xbc\xc3\x9f"
                       "e \xe2\x82\xac \xf0\x9f\x98\x80\r\n")},
      {"Format", String("")},
      {"InitialParent", String("")},
  };
  const std::vector<Property> decoded = DecodeLayout(EncodeLayout(properties));
  EXPECT_EQ(decoded, properties);
}

TEST(LayoutDescription, EncodesEachEntryAsNameSpaceAndLittleEndianValue) {
  EXPECT_EQ(EncodeLayout({{"Width", std::int64_t{500}}}),
            "Width \xF4\x01\x00\x00\x00\x00\x00\x00"s);
  EXPECT_EQ(EncodeLayout({{"Index", std::int64_t{-2147483648}}}),
            "Index \x00\x00\x00\x80\xFF\xFF\xFF\xFF"s);
  EXPECT_EQ(EncodeLayout({{"Caption", String("Get Data")}}), "Caption \x08\x00\x00\x00Get Data"s);
  // A text's count is of UTF-8 bytes, not characters.
  EXPECT_EQ(EncodeLayout({{"Title", String("\xe2\x82\xac")}}),
            "Title \x03\x00\x00\x00\xe2\x82\xac"s);
  EXPECT_EQ(EncodeLayout({{"TextColor", Colour{{0x06, 0x01, 0xFB, 0x00}}}}),
            "TextColor \x06\x01\xFB\x00"s);
  EXPECT_EQ(EncodeLayout({{"Visible", true}, {"LockRight", false}}), "Visible \x01LockRight \x00"s);
  EXPECT_EQ(EncodeLayout({{"FontSize", 12.0f}}), "FontSize \x00\x00\x40\x41"s);
  EXPECT_EQ(EncodeLayout({{"LineSpacing", 1.0}}), "LineSpacing \x00\x00\x00\x00\x00\x00\xF0\x3F"s);
  EXPECT_EQ(EncodeLayout({{"FontUnit", FontUnit{0}}}), "FontUnit \x00"s);
  EXPECT_EQ(EncodeLayout({}), "");
}

TEST(LayoutDescription, KnowsTheTypeOfEachPropertyByName) {
  PropertyType type{};
  ASSERT_TRUE(PropertyTypeOf("HasVerticalScrollbar", type));
  EXPECT_EQ(type, PropertyType::Boolean);
  ASSERT_TRUE(PropertyTypeOf("RunMode", type));
  EXPECT_EQ(type, PropertyType::Integer);
  ASSERT_TRUE(PropertyTypeOf("LineHeight", type));
  EXPECT_EQ(type, PropertyType::LineMeasure);
  ASSERT_TRUE(PropertyTypeOf("DataSource", type));
  EXPECT_EQ(type, PropertyType::Text);
  EXPECT_FALSE(PropertyTypeOf("width", type));  // names are case-sensitive
  EXPECT_FALSE(PropertyTypeOf("", type));
  EXPECT_FALSE(PropertyTypeOf("Widths", type));
}

TEST(LayoutDescription, DecodesInvalidUtf8InATextAsReplacementCharacters) {
  const std::vector<Property> decoded = DecodeLayout(
      "Value \x03\x00\x00\x00"
      "a\xFF"
      "b"s);
  ASSERT_EQ(decoded.size(), 1u);
  EXPECT_EQ(decoded[0].value, PropertyValue(String(std::u32string_view(U"a\uFFFDb"))));
}

TEST(LayoutDescription, RefusesToEncodeWhatItCouldNotDecode) {
  EXPECT_THROW(EncodeLayout({{"Colour", true}}), UnsupportedFormatException);
  EXPECT_THROW(EncodeLayout({{"Width", 500.0}}), UnsupportedFormatException);
  EXPECT_THROW(EncodeLayout({{"Visible", std::int64_t{1}}}), UnsupportedFormatException);
}

struct MalformedCase {
  const char* name;
  std::string bytes;
};

TEST(LayoutDescription, RefusesMalformedBytes) {
  const MalformedCase cases[] = {
      {"truncated name", "Wid"s},
      {"missing space", "Visible\x01"s},
      {"unknown name", "Colour \x01"s},
      {"empty name", " \x01"s},
      {"name with a character outside letters and digits", "Lock_Top \x01"s},
      {"name of 65 characters", std::string(65, 'A') + " \x01"s},
      {"no value after the space", "Visible "s},
      {"truncated integer", "Width \xF4\x01\x00"s},
      {"truncated font size", "FontSize \x00\x00"s},
      {"truncated line measure", "LineHeight \x00\x00\x00\x00\x00\x00\x00"s},
      {"truncated colour", "TextColor \x06\x01\xFB"s},
      {"truncated text count", "Name \x05\x00"s},
      {"text length beyond the end",
       "Name \x05\x00\x00\x00"
       "abc"s},
      {"huge text length",
       "Name \xFF\xFF\xFF\xFF"
       "abc"s},
      {"Boolean byte 2", "Visible \x02"s},
      {"Boolean byte 255", "Visible \xFF"s},
      {"valid entry followed by a truncated one",
       "Visible \x01"
       "Enabled"s},
  };
  for (const MalformedCase& c : cases) {
    EXPECT_THROW(DecodeLayout(c.bytes), UnsupportedFormatException) << c.name;
  }
}

TEST(LayoutDescription, NamesTheOffsetOfAFault) {
  try {
    DecodeLayout("Visible \x01Width \xF4\x01"s);
    FAIL() << "no exception";
  } catch (const UnsupportedFormatException& e) {
    EXPECT_EQ(std::string(e.what()),
              "malformed layout description at offset 15: the integer of \"Width\" needs 8 "
              "bytes, 2 are left");
  }
}

}  // namespace
}  // namespace rt
