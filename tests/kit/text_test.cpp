#include "kit/text.h"

#include <gtest/gtest.h>

#include "tests/support/world.h"

TEST(Value, ReadsTheWholeNumberAtTheStart) {
  struct Case {
    const char* text;
    int value;
  } cases[] = {{"12", 12},        {"12AB", 12}, {"AB", 0},
               {"", 0},           {" 7", 7},    {"-5", -5},
               {"1 2", 1},        {"-", 0},     {"$1F", 31},
               {"%101", 5},       {"&17", 15},  {"32767", 32767},
               {"32768", -32768}, {"65536", 0}, {"40000", -25536},
               {"\t+9x", 9},      {"$ff", 255}, {"99999999999", -13825},
               {"-2147483648", 0}};
  for (const Case& c : cases) {
    EXPECT_EQ(VALUE(c.text), c.value) << "VALUE(\"" << c.text << "\")";
  }
}

TEST(Tch, GivesTwoCharacters) {
  EXPECT_EQ(TCH("7"), "07");
  EXPECT_EQ(TCH("2026"), "26");
  EXPECT_EQ(TCH("12"), "12");
  EXPECT_EQ(TCH(""), "");
}

class DateTest : public WorldTest {};

TEST_F(DateTest, IsMonthDayYear) {
  clock.date = {2000, 1, 1};
  EXPECT_EQ(DATE(), "01/01/00");
  clock.date = {2026, 12, 31};
  EXPECT_EQ(DATE(), "12/31/26");
}

TEST(NumberForms, RoundTiesToEvenWholeTiesAway) {
  EXPECT_EQ(ROUNDED(14.5), 14);
  EXPECT_EQ(ROUNDED(15.5), 16);
  EXPECT_EQ(ROUNDED(14.6), 15);
  EXPECT_EQ(ROUNDED(-2.5), -2);
  EXPECT_EQ(WHOLE(14.5), "15");
  EXPECT_EQ(WHOLE(15.5), "16");
  EXPECT_EQ(WHOLE(-2.5), "-3");
  EXPECT_EQ(WHOLE(-0.4), "0");
  EXPECT_EQ(WHOLE(1e6), "1000000");
  EXPECT_EQ(PADL("7", 2), " 7");
  EXPECT_EQ(PADL("100", 2), "100");
}
