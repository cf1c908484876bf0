#include <gtest/gtest.h>

#include "control/Variant.h"
#include "platform/errors.h"

using scribbet::Variant;
using scribbet::VariantText;
using scribbet::VariantToLong;

TEST(Variant, TextFormsOfEachKind) {
  EXPECT_EQ(VariantText(Variant{}), u"");
  EXPECT_EQ(VariantText(Variant{std::u16string(u"abc")}), u"abc");
  EXPECT_EQ(VariantText(Variant{std::int16_t{7}}), u"7");
  EXPECT_EQ(VariantText(Variant{std::int32_t{-2147483647 - 1}}), u"-2147483648");
}

TEST(Variant, ConvertsToLongAsAutomationDoes) {
  EXPECT_EQ(VariantToLong(Variant{}), 0);
  EXPECT_EQ(VariantToLong(Variant{std::int16_t{-7}}), -7);
  EXPECT_EQ(VariantToLong(Variant{std::u16string(u"  42 ")}), 42);
  EXPECT_EQ(VariantToLong(Variant{std::u16string(u"2.5")}), 2);  // half to even
  EXPECT_EQ(VariantToLong(Variant{std::u16string(u"3.5")}), 4);
  EXPECT_EQ(VariantToLong(Variant{std::u16string(u"-2147483648")}), -2147483647 - 1);
}

TEST(Variant, TextThatIsNoNumberOrTooLargeRaises) {
  auto number = [](const char16_t* text) {
    try {
      VariantToLong(Variant{std::u16string(text)});
    } catch (const platform::RuntimeError& error) {
      return static_cast<int>(error.number());
    }
    return 0;
  };
  EXPECT_EQ(number(u"abc"), 13);
  EXPECT_EQ(number(u""), 13);
  EXPECT_EQ(number(u"1 2"), 13);
  // Text that only starts like a number is no number.
  EXPECT_EQ(number(u"1.2.3"), 13);
  EXPECT_EQ(number(u"1e"), 13);
  EXPECT_EQ(number(u"--1"), 13);
  EXPECT_EQ(number(u"2147483648"), 6);
  EXPECT_EQ(number(u"1e300"), 6);
}

TEST(Variant, TextAtBothEndsOfThe32BitRange) {
  struct Case {
    const char16_t* text;
    std::int32_t number;  // when it fits
    bool overflows;
  };
  const Case cases[] = {
      {u"2147483647", 2147483647, false},
      {u"-2147483648", -2147483647 - 1, false},
      {u"2147483648", 0, true},
      {u"-2147483649", 0, true},
  };
  for (const Case& c : cases) {
    const Variant text{std::u16string(c.text)};
    if (!c.overflows) {
      EXPECT_EQ(VariantToLong(text), c.number);
      continue;
    }
    try {
      VariantToLong(text);
      ADD_FAILURE() << "no overflow";
    } catch (const platform::RuntimeError& error) {
      EXPECT_EQ(error.number(), platform::ErrorNumber::Overflow);
    }
  }
}
