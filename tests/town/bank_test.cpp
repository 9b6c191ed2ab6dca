#include "town/bank.h"

#include <gtest/gtest.h>

#include "tests/town/town_world.h"

class BankTest : public TownTest {};

TEST_F(BankTest, MovesEverythingButNeverADebt) {
  struct Case {
    void (*operation)();
    double gold;
    double bank;
    double wantGold;
    double wantBank;
    const char* line;
  } cases[] = {
      {DEPOBANK, 100.5, 10, 0, 110.5, "111 Steel pieces are in the bank. \r\n"},
      {DEPOBANK, 0, 10, 0, 10, "10 Steel pieces are in the bank. \r\n"},
      {DEPOBANK, -5, 10, -5, 10, "10 Steel pieces are in the bank. \r\n"},
      {WITHDRAWBANK, 5, 20.5, 25.5, 0, "You are now carring 26 Steel pieces.\r\n"},
      {WITHDRAWBANK, 5, 0, 5, 0, "You are now carring 5 Steel pieces.\r\n"},
      {WITHDRAWBANK, 5, -3, 5, -3, "You are now carring 5 Steel pieces.\r\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line);
    resetHero();
    hero().GOLD = c.gold;
    hero().BANK = c.bank;
    c.operation();
    EXPECT_EQ(hero().GOLD, c.wantGold);
    EXPECT_EQ(hero().BANK, c.wantBank);
    EXPECT_EQ(screen.transcript(), std::string("\r\n") + c.line);
  }
}

TEST_F(BankTest, DepositThenWithdrawalInTheirColours) {
  hero().GOLD = 30;
  hero().BANK = 12;
  DEPOBANK();
  WITHDRAWBANK();
  EXPECT_EQ(hero().GOLD, 42);
  EXPECT_EQ(hero().BANK, 0);
  EXPECT_EQ(screen.row(1), "42 Steel pieces are in the bank.");
  EXPECT_EQ(screen.cell(0, 1).fore, 11);
  EXPECT_EQ(screen.row(3), "You are now carring 42 Steel pieces.");
  EXPECT_EQ(screen.cell(0, 3).fore, 5);
}
