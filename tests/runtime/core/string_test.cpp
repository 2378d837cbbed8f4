#include "runtime/core/string.h"

#include <gtest/gtest.h>

namespace rt {
namespace {

TEST(String, CountsCharactersNotBytes) {
  const String text("Grüße €");
  EXPECT_EQ(text.Length(), 7);
  EXPECT_EQ(text.ToUtf8(), "Grüße €");
}

TEST(String, InvalidUtf8BecomesReplacementCharacters) {
  const String text(
      std::string_view("a\xff"
                       "b\xc3",
                       4));
  EXPECT_EQ(text.Characters(), std::u32string_view(U"a\uFFFDb\uFFFD"));
}

TEST(String, AppendingToAPrefixLeavesTheOlderStringUnchanged) {
  String whole("abc");
  const String before = whole;
  whole += String("def");
  EXPECT_EQ(before, String("abc"));
  EXPECT_EQ(whole, String("abcdef"));
  EXPECT_TRUE(whole.Extends(before));
  // A second append to the shorter String must not overwrite what `whole` appended.
  const String other = before + String("XYZ");
  EXPECT_EQ(whole, String("abcdef"));
  EXPECT_EQ(other, String("abcXYZ"));
  EXPECT_FALSE(other.Extends(whole));
  EXPECT_FALSE(whole.Extends(other));
}

TEST(String, SlicesShareAndClamp) {
  const String text("hello world");
  EXPECT_EQ(text.Slice(6, 5), String("world"));
  EXPECT_EQ(text.Slice(6, 50), String("world"));
  EXPECT_EQ(text.Slice(-3, 2), String("he"));
  EXPECT_EQ(text.Slice(20, 2), String(""));
  String slice = text.Slice(0, 5);
  slice += String("!");  // a slice that does not end its buffer copies before appending
  EXPECT_EQ(slice, String("hello!"));
  EXPECT_EQ(text, String("hello world"));
}

TEST(String, AppendingItselfDoublesIt) {
  String text("ab");
  text += text;
  EXPECT_EQ(text, String("abab"));
}

}  // namespace
}  // namespace rt
