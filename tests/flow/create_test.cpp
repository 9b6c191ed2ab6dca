#include "flow/create.h"

#include <gtest/gtest.h>

#include "kit/crt.h"
#include "kit/door.h"
#include "store/state.h"
#include "tests/support/world.h"

namespace {
class CreateTest : public WorldTest {
 protected:
  // Steel 274, bank 1, hit points just under 17: the draws' order shows in the values.
  void scriptDraws() {
    random.scriptPick(99, 100);
    random.scriptPick(0, 199);
    random.script({0.999});
  }
  static void expectFresh(const PLAYERTYPE& p) {
    const double twelve[] = {p.STRENGTH,  p.INTELLIGENCE, p.LUCK,
                             p.DEXTERITY, p.CONSTITUTION, p.CHARISMA};
    for (double v : twelve) {
      EXPECT_EQ(v, 12);
    }
    EXPECT_EQ(p.R, 1);
    EXPECT_EQ(p.WEAPON, 1);
    EXPECT_EQ(p.VEHICLE, 1);
    EXPECT_EQ(p.EXPERIENCE, 0);
    EXPECT_EQ(p.FLIGHTS, 3);
    EXPECT_EQ(p.WINS, 0);
    EXPECT_EQ(p.LOSES, 0);
    EXPECT_EQ(p.STATUS, 0);
    EXPECT_EQ(p.PLUS, 0);
    EXPECT_EQ(p.DAMAGE, 0);
    EXPECT_EQ(p.GOLD, 274);
    EXPECT_EQ(p.BANK, 1);
    EXPECT_DOUBLE_EQ(p.SHIELD, 13 + 4 * 0.999);
  }
};

TEST_F(CreateTest, ANewHeroIsAppendedWithTheCallersNameAndCry) {
  NUMBER_OF_PLAYERS = 2;
  THISUSER.NAME = "Newbie";
  scriptDraws();
  screen.type("\r\rNever yield\rY");
  CREATE(true);
  EXPECT_EQ(NUMBER_OF_PLAYERS, 3);
  EXPECT_EQ(B, 3);
  const PLAYERTYPE& p = PLAYER[3];
  EXPECT_EQ(p.NAME, "Newbie");
  EXPECT_EQ(p.PSEUDO, "Newbie");
  EXPECT_EQ(p.GASPD, "Never yield");
  expectFresh(p);
  EXPECT_EQ(random.left(), 0u);
  // Enter answers No, so the empty cry was asked again.
  EXPECT_EQ(screen.transcript().find("Never"), screen.transcript().rfind("Never"));
}

TEST_F(CreateTest, AnEmptyCryCanBeConfirmed) {
  screen.type("\rY");
  VIC();
  EXPECT_EQ(UGH3, "");
  EXPECT_EQ(screen.keysLeft(), 0u);
}

TEST_F(CreateTest, AHangUpEndsTheQuestionAndKeepsTheLastCry) {
  UGH3 = "Earlier";
  screen.hangupHere();
  VIC();
  EXPECT_EQ(UGH3, "");
  UGH3 = "Earlier";
  VIC();
  EXPECT_EQ(UGH3, "Earlier");
}

TEST_F(CreateTest, ARerollKeepsTheSlotNamesSlayerAndWeaponValues) {
  NUMBER_OF_PLAYERS = 2;
  B = 2;
  PLAYERTYPE& p = PLAYER[2];
  p.NAME = "Anna";
  p.PSEUDO = "Annie";
  p.KILLER = "Brom";
  p.GASPD = "Old cry";
  p.STATUS = 1;
  p.WEAPON = 12;
  p.ATTACK = 12;
  p.POWER = 13;
  p.EXPERIENCE = 900;
  p.DAMAGE = 5;
  UGH3 = "";
  scriptDraws();
  CREATE(false);
  EXPECT_EQ(NUMBER_OF_PLAYERS, 2);
  EXPECT_EQ(B, 2);
  EXPECT_EQ(p.NAME, "Anna");
  EXPECT_EQ(p.PSEUDO, "Annie");
  EXPECT_EQ(p.KILLER, "Brom");
  EXPECT_EQ(p.GASPD, "");
  EXPECT_EQ(p.ATTACK, 12);
  EXPECT_EQ(p.POWER, 13);
  expectFresh(p);
  EXPECT_EQ(screen.transcript().find("Battle Cry"), std::string::npos);
}
}  // namespace
