#include "combat/formulas.h"

#include <gtest/gtest.h>

#include "tests/combat/combat_world.h"

class FormulasTest : public CombatTest {};

TEST_F(FormulasTest, HitValuesMirrorEachOtherWithTheFormsOfBothSides) {
  hero().STRENGTH = 18;
  hero().ATTACK = 3;
  OPP.VEHICLE = 2;
  OPP.WEAPON = 5;
  VARY = 1.1;
  VARY2 = 0.8;
  random.script({swing(2), swing(4)});
  EXPECT_DOUBLE_EQ(PLAYERATTACK(), 2 * 1.1 * 3 * 18 * 12 / (2 * 12 * 12 * 0.8));
  EXPECT_DOUBLE_EQ(OPPONENTATTACK(), 4 * 0.8 * 5 * 12 * 12 / (1 * 12 * 12 * 1.1));
  EXPECT_EQ(random.left(), 0u);
}

TEST_F(FormulasTest, DamageUsesTwoSwingsAndRoundsOnceTiesToEven) {
  // With both swings 1 and strength, armour and luck 1, the damage is Round(power).
  hero().STRENGTH = 1;
  OPP.VEHICLE = OPP.LUCK = 1;
  OPP.STRENGTH = 1;
  hero().VEHICLE = 1;
  hero().LUCK = 1;
  for (auto [rating, want] : {std::pair{2.5, 2.0}, {3.5, 4.0}, {4.49, 4.0}, {4.5, 4.0}}) {
    SCOPED_TRACE(rating);
    hero().POWER = rating;
    OPP.WEAPON2 = rating;
    random.script({0, 0, 0, 0});
    EXPECT_EQ(PLAYERATTACK2(), want);
    EXPECT_EQ(OPPONENTATTACK2(), want);
  }
  // The two swings multiply: 2 x 3 x 2.5 = 15.
  hero().POWER = 2.5;
  random.script({swing(2), swing(3)});
  EXPECT_EQ(PLAYERATTACK2(), 15);
}
