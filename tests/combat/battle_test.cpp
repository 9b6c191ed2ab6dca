#include "combat/battle.h"

#include <gtest/gtest.h>

#include <vector>

#include "kit/crt.h"
#include "kit/ending.h"
#include "tests/combat/combat_world.h"

class BattleTest : public CombatTest {
 protected:
  // The hero's blow that kills the even opponent: 32 capped at 10, no drop, the Steel as
  // carried and the experience times 1.1.
  void scriptHeroKills() {
    random.script({swing(2), swing(4), swing(4)});
    random.scriptPick(0, 3);
    random.scriptPick(1, 4);
    random.scriptPick(50, 99);
    random.scriptPick(2, 4);
    random.scriptPick(3, 4);
  }
  std::size_t at(std::string_view text) const { return screen.transcript().find(text); }
};

TEST_F(BattleTest, HeroStrikesFirstOnATieAndTheDeadOpponentNeverStrikes) {
  screen.type("B");
  scriptHeroKills();
  BATTLE();
  EXPECT_EQ(screen.row(2), "You are attacked by a Rat.");
  EXPECT_EQ(screen.row(3), "Combat (15 hps): (B,F,S): B");
  EXPECT_TRUE(wrote("You Sliced him for 10."));
  EXPECT_TRUE(wrote("It Hath died!"));
  EXPECT_TRUE(wrote("You take his 100 Steel pieces."));
  EXPECT_TRUE(wrote("You obtain 28 exp points."));
  EXPECT_FALSE(wrote("His attack") || wrote("He hammered"));
  EXPECT_EQ(OPP.SHIELD, 0);
  EXPECT_EQ(hero().GOLD, 200);
  EXPECT_DOUBLE_EQ(hero().EXPERIENCE, 27.5);
  EXPECT_EQ(random.left(), 0u);
}

TEST_F(BattleTest, QuickerOpponentStrikesFirstAndDiesToTheHerosAnswer) {
  OPP.DEXTERITY = 13;
  screen.type("B");
  random.script({swing(1)});
  scriptHeroKills();
  BATTLE();
  EXPECT_LT(at("His attack tears your armour."), at("You Sliced him for 10."));
  EXPECT_EQ(random.left(), 0u);
}

TEST_F(BattleTest, QuickerMonsterKillsTheHeroWhoKeepsEverythingAndTheVisitEnds) {
  OPP.DEXTERITY = 13;
  hero().DAMAGE = 13;
  hero().EXPERIENCE = 40;
  screen.type("B");
  random.script({swing(2), swing(1), swing(1)});
  random.scriptPick(0, 3);
  random.scriptPick(1, 4);
  EXPECT_THROW(BATTLE(), VisitEnd);
  // Damage exactly equal to the hit points kills.
  EXPECT_EQ(hero().DAMAGE, 15);
  EXPECT_LT(at("He hammered you for 2."), at("You Hath Been Slain!!"));
  EXPECT_FALSE(wrote("You Sliced") || wrote("Swish"));
  EXPECT_EQ(readFile("data/record.hlw"), "0\n");
  const std::string roster = readFile("data/characte.hlw");
  EXPECT_NE(roster.find("12 12 12 12 12 12 40 1 15 1 1 100  2 "), std::string::npos) << roster;
}

TEST_F(BattleTest, BlowRuleAtTheThresholdAndTheCap) {
  struct Case {
    double attack;
    double power;
    std::vector<double> heroDraws;
    double wantShield;
    const char* wantText;
  } cases[] = {
      {0.75, 2, {swing(2), swing(1), swing(1)}, 98, "You Sliced him for 2."},
      {0.74995, 2, {swing(2)}, 100, "Swish you missed!"},
      // 5 x 5 x 6.3 = 157.5, capped at 31.5: shown rounded, taken whole.
      {1, 6.3, {swing(2), swing(5), swing(5)}, 68.5, "You Sliced him for 32."},
      {1, 6.5, {swing(2), swing(5), swing(5)}, 67.5, "You Sliced him for 32."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.wantText + std::to_string(c.power));
    evenOpponent();
    OPP.SHIELD = 100;
    hero().ATTACK = c.attack;
    hero().POWER = c.power;
    screen.clearTranscript();
    HANGUP = 0;
    screen.type("B");
    for (double d : c.heroDraws) {
      random.script({d});
    }
    random.scriptPick(0, c.heroDraws.size() == 1 ? 4 : 3);
    random.script({swing(1)});
    EXPECT_THROW(BATTLE(), VisitEnd);
    EXPECT_DOUBLE_EQ(OPP.SHIELD, c.wantShield);
    EXPECT_TRUE(wrote(c.wantText)) << screen.transcript();
    EXPECT_EQ(random.left(), 0u);
  }
}

TEST_F(BattleTest, HelpFailedAndSuccessfulFlight) {
  hero().DAMAGE = 3.5;
  OPP.DEXTERITY = 16;
  screen.type("?FF");
  random.script({0, 0.99});
  BATTLE();
  EXPECT_EQ(screen.row(3), "Combat (12 hps): (B,F,S): ?");
  EXPECT_TRUE(wrote("(B)attle your opponent.\r\n(F)lee from your opponent.\r\n(S)tatus check."));
  // The failed flight prints nothing and the opponent does not strike.
  EXPECT_EQ(screen.transcript().find("You are attacked by a Rat.", at("F\r\n")), at("F\r\n") + 5);
  EXPECT_TRUE(wrote("You Ride away on a Silver Dragon."));
  EXPECT_FALSE(wrote("His attack") || wrote("He "));
  EXPECT_EQ(hero().DAMAGE, 3.5);
  EXPECT_EQ(random.left(), 0u);
}
