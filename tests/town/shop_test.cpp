#include "town/shop.h"

#include <gtest/gtest.h>

#include "kit/crt.h"
#include "kit/ending.h"
#include "store/tables.h"
#include "tests/town/town_world.h"

namespace {
constexpr std::string_view kMenu = "(B)rowse, (S)ell, (P)urchase, or (Q)uit? ";
}

class ShopTest : public TownTest {};

TEST_F(ShopTest, ListKeepsItsColumnsAndLongNamesShiftTheirRow) {
  WNAME[24] = "Two-handed Runic Claymore";  // 25 characters: the widest that keeps the columns
  SNAME[24] = "Plate";
  COST[24] = 1234.5;
  WNAME[25] = "Thirty Character Weapon Name!!";
  COST[25] = 100000;
  screen.type("BQ");
  WEAPONSHOP();

  const std::string& t = screen.transcript();
  EXPECT_NE(
      t.find("\r\n\r\n  Num. Weapon                      Armour                          Price   "
             "\r\n(-------------------------------------------------------------------------)"
             "\r\n"),
      std::string::npos);
  const int y4 = rowStarting("   4>");
  ASSERT_GE(y4, 0);
  EXPECT_EQ(screen.row(y4),
            "   4>  Weapon 4                    Armour 4                           40");
  const int y24 = y4 + 20;
  const std::string row24 = screen.row(y24);
  EXPECT_EQ(row24, "  24>  Two-handed Runic Claymore   Plate                            1235");
  EXPECT_EQ(row24.size(), 72u);
  EXPECT_EQ(screen.row(y24 + 1),
            "  25>  Thirty Character Weapon Name!!   Armour 25                      100000");
  for (int x : {2, 4, 7, 35, 71}) {
    EXPECT_EQ(screen.cell(x, y24).fore, 14) << "column " << x + 1;
  }
  EXPECT_EQ(screen.row(y24 + 3), std::string(kMenu) + "Q");
}

TEST_F(ShopTest, StopKeyEndsTheListAndTheMenuFollows) {
  screen.type("B");
  screen.typeAhead(" ");
  screen.type("Q");
  WEAPONSHOP();
  EXPECT_EQ(timesWritten(kMenu), 2);
  EXPECT_EQ(timesWritten(" 2>  "), 0);
  EXPECT_FALSE(HANGUP);
}

TEST_F(ShopTest, Purchase) {
  struct Case {
    std::string keys;
    double gold;
    double wantGold;
    double wantWeapon;
    double wantVehicle;
    std::string said;
  } cases[] = {
      {"P5\rWY", 50, 0, 5, 1, "You've bought a Weapon 5\r\n"},
      {"P5\rAY", 51, 1, 1, 5, "You've bought a Armour 5\r\n"},
      {"P5\r", 49, 49, 1, 1, "You don not have enough Steel .\r\n"},
      {"P5\rWN", 50, 50, 1, 1, "Are you sure you want buy it? No\r\n"},
      {"P26\r", 1000, 1000, 1, 1, "There is no item of that number.\r\n"},
      {"P99\r", 1000, 1000, 1, 1, "There is no item of that number.\r\n"},
      {"P-1\r", 1000, 1000, 1, 1, "There is no item of that number.\r\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.keys);
    resetHero();
    hero().GOLD = c.gold;
    screen.type(c.keys + "Q");
    WEAPONSHOP();
    EXPECT_EQ(hero().GOLD, c.wantGold);
    EXPECT_EQ(hero().WEAPON, c.wantWeapon);
    EXPECT_EQ(hero().VEHICLE, c.wantVehicle);
    EXPECT_EQ(timesWritten(c.said), 1);
    EXPECT_EQ(timesWritten(kMenu), 2) << "back at the menu";
    EXPECT_EQ(screen.keysLeft(), 0u);
    if (c.wantWeapon == 5) {
      EXPECT_EQ(hero().ATTACK, FIND1());
      EXPECT_EQ(hero().POWER, FIND2());
    } else {
      EXPECT_EQ(hero().ATTACK, 99);
      EXPECT_EQ(hero().POWER, 98);
    }
  }
}

TEST_F(ShopTest, BoughtItemIsNamedInMagenta) {
  screen.type("P5\rWYQ");
  WEAPONSHOP();
  const int y = rowStarting("You've bought a Weapon 5");
  ASSERT_GE(y, 0);
  EXPECT_EQ(screen.cell(0, y).fore, 5);
}

TEST_F(ShopTest, ItemNumberZeroOrNoNumberLeavesTheShopSilently) {
  for (const char* typed : {"0", "", "X", "00"}) {
    SCOPED_TRACE(typed);
    resetHero();
    screen.type(std::string("P") + typed + "\r");
    WEAPONSHOP();
    EXPECT_EQ(timesWritten(kMenu), 1);
    const std::string& t = screen.transcript();
    EXPECT_EQ(t.substr(t.rfind("buy: ")), std::string("buy: ") + typed + "\r\n");
    EXPECT_EQ(hero().GOLD, 100);
    EXPECT_FALSE(HANGUP);
  }
}

TEST_F(ShopTest, Sale) {
  struct Case {
    std::string keys;
    double charisma;
    double weapon;
    double vehicle;
    double wantGold;
    double wantWeapon;
    double wantVehicle;
    std::string offer;
  } cases[] = {
      // Charisma 13 on a price of 150 pays 97.5, shown rounded.
      {"SWY", 13, 15, 1, 197.5, 1, 1, "I will purchase it for 98, okay? Y\r\n"},
      // Charisma 20 pays the list price; the armour offer is in width 7.
      {"SAY", 20, 1, 2, 120, 1, 1, "I will purchase it for      20, okay? Y\r\n"},
      // Item 1 can be sold, and is still held.
      {"SWY", 12, 1, 1, 106, 1, 1, "I will purchase it for 6, okay? Y\r\n"},
      {"SWN", 13, 15, 3, 100, 15, 3, "I will purchase it for 98, okay? N\r\n"},
      {"SAN", 13, 15, 3, 100, 15, 3, "I will purchase it for      20, okay? N\r\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.keys + " " + c.offer);
    resetHero();
    hero().CHARISMA = c.charisma;
    hero().WEAPON = c.weapon;
    hero().VEHICLE = c.vehicle;
    screen.type(c.keys + "Q");
    WEAPONSHOP();
    EXPECT_EQ(hero().GOLD, c.wantGold);
    EXPECT_EQ(hero().WEAPON, c.wantWeapon);
    EXPECT_EQ(hero().VEHICLE, c.wantVehicle);
    EXPECT_EQ(timesWritten(c.offer), 1);
    EXPECT_EQ(timesWritten(kMenu), 2);
    // The sold weapon's values stay until the next purchase.
    EXPECT_EQ(hero().ATTACK, 99);
    EXPECT_EQ(hero().POWER, 98);
  }
}

TEST_F(ShopTest, SaleRemarksAndTheirColours) {
  hero().VEHICLE = 2;
  hero().WEAPON = 2;
  screen.type("SWYSAYQ");
  WEAPONSHOP();
  const int dwarven = rowStarting("Is it Dwarven Made?");
  const int fine = rowStarting("Fine Craftsmanship!");
  ASSERT_GE(dwarven, 0);
  ASSERT_GE(fine, 0);
  EXPECT_EQ(screen.cell(0, dwarven).fore, 2);
  EXPECT_EQ(screen.cell(0, fine).fore, 7);
}

TEST_F(ShopTest, QuitAtTheSalePromptLeavesTheShop) {
  screen.type("SQ");
  WEAPONSHOP();
  EXPECT_EQ(timesWritten(kMenu), 1);
  EXPECT_EQ(screen.keysLeft(), 0u);
  EXPECT_FALSE(HANGUP);
}

TEST_F(ShopTest, HangUpAfterAnyAnswerEndsTheVisitWithoutADeal) {
  for (const char* keys : {"", "P", "P5\r", "P5\rW", "S", "SW", "SA"}) {
    SCOPED_TRACE(keys);
    resetHero();
    hero().WEAPON = 3;
    hero().VEHICLE = 3;
    screen.type(keys);
    screen.hangupHere();
    EXPECT_THROW(WEAPONSHOP(), VisitEnd);
    EXPECT_TRUE(exists("data/characte.hlw")) << "the roster is saved";
    EXPECT_EQ(hero().GOLD, 100);
    EXPECT_EQ(hero().WEAPON, 3);
    EXPECT_EQ(hero().VEHICLE, 3);
    EXPECT_EQ(screen.keysLeft(), 0u);
  }
}
