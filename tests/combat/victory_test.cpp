#include "combat/victory.h"

#include <gtest/gtest.h>

#include "kit/crt.h"
#include "tests/combat/combat_world.h"

class VictoryTest : public CombatTest {};

TEST_F(VictoryTest, LevelRisesOnlyAboveTheThresholdAndOneAtATime) {
  struct Case {
    double level;
    double experience;
    double wantLevel;
    const char* wantText;
  } cases[] = {
      {1, 100, 1, ""},
      {1, 100.5, 2, "Welcome to level  2!"},
      {1, 5000, 2, "Welcome to level  2!"},
      {9, 900.5, 10, "Welcome to level 10!"},
      // The table ends at level 28.
      {28, 1e9, 28, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.wantLevel);
    plainHero(hero(), "ARNE");
    hero().R = c.level;
    hero().EXPERIENCE = c.experience;
    screen.clearTranscript();
    const bool rises = c.wantLevel > c.level;
    if (rises) {
      random.scriptPick(4, 6);
      random.script({0.5});
    }
    LEVELUPDATE();
    EXPECT_EQ(hero().R, c.wantLevel);
    EXPECT_EQ(wrote("Welcome"), rises);
    if (rises) {
      EXPECT_TRUE(wrote(c.wantText));
      EXPECT_EQ(hero().CONSTITUTION, 13);
      // 15 + 0.5 x 5 + 1 + 13 / 4, with the new constitution.
      EXPECT_DOUBLE_EQ(hero().SHIELD, 21.75);
    }
    EXPECT_EQ(random.left(), 0u);
  }
}

TEST_F(VictoryTest, DropsTakenOrLeft) {
  struct Case {
    const char* answer;
    int okea;
    double weapon;
    double wantWeapon;
    double wantGold;
    const char* wantText;
  } cases[] = {
      {"N", 0, 5, 5, 100, "I wonder what it was?!?"},
      {"Y", 9, 5, 6, 100, "you have found a Weapon 6."},
      {"Y", 1, 25, 25, 100, "it's gone!!!!"},
      {"Y", 10, 5, 5, 100, "it's gone!!!!"},
      {"Y", 11, 5, 5, 100, "it's gone!!!!"},
      {"Y", 12, 5, 5, 140, "you have come across 40 Steel pieces"},
      {"Y", 39, 5, 5, 140, "you have come across 40 Steel pieces"},
      {"Y", 40, 5, 5, 100, "it's gone!!!!"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.okea);
    plainHero(hero(), "ARNE");
    hero().WEAPON = c.weapon;
    screen.clearTranscript();
    screen.type(c.answer);
    if (c.okea > 0) {
      random.scriptPick(c.okea - 1, 99);
    }
    FINDO();
    EXPECT_EQ(hero().WEAPON, c.wantWeapon);
    EXPECT_EQ(hero().GOLD, c.wantGold);
    // A found weapon is not yet the one fought with.
    EXPECT_EQ(hero().ATTACK, 1);
    EXPECT_TRUE(wrote(c.wantText)) << screen.transcript();
    EXPECT_EQ(random.left(), 0u);
  }
}

TEST_F(VictoryTest, MonsterPaysScaledSteelAndExperience) {
  random.scriptPick(0, 4);
  random.scriptPick(3, 4);
  MUTANTVICTORY();
  EXPECT_EQ(hero().GOLD, 180);
  EXPECT_DOUBLE_EQ(hero().EXPERIENCE, 27.5);
  EXPECT_TRUE(wrote("You take his 80 Steel pieces."));
  EXPECT_TRUE(wrote("You obtain 28 exp points."));
  EXPECT_FALSE(wrote("Last Words"));
}
