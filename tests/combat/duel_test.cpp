#include "combat/duel.h"

#include <gtest/gtest.h>

#include "kit/crt.h"
#include "kit/ending.h"
#include "store/herofile.h"
#include "tests/combat/combat_world.h"

class DuelTest : public CombatTest {
 protected:
  // Adds a hero to the roster, ranked below those already there.
  PLAYERTYPE& add(const std::string& name, double level, double experience) {
    PLAYERTYPE& h = PLAYER[++NUMBER_OF_PLAYERS];
    plainHero(h, name);
    h.R = level;
    h.EXPERIENCE = experience;
    return h;
  }
};

TEST_F(DuelTest, ListShowsHeroesWithinReachAndAsksAgainForOneOutOfReach) {
  hero().R = 8;
  hero().EXPERIENCE = 500;
  add("Bram", 4, 400);
  PLAYERTYPE& tarn = add("Tarn", 5, 300);
  tarn.WINS = 2;
  tarn.LOSES = 1;
  add("Slain", 9, 200).STATUS = 1;
  add(std::string(30, 'L'), 12, 100);
  // A stop key left over from an earlier list does not hide this one.
  ABORT = true;
  // 99 names no hero and 2 one out of reach: the list again; 4 is slain: back silently.
  screen.type("99\r2\r4\r");
  DOGGIE();
  EXPECT_EQ(timesWritten("Battle Another Hero:"), 3);
  EXPECT_EQ(screen.row(1), "********************");
  EXPECT_EQ(screen.row(3), " 1.  ARNE..........................Lev= 8  W= 0  L= 0  S=ALIVE");
  EXPECT_EQ(screen.row(4), " 3.  Tarn..........................Lev= 5  W= 2  L= 1  S=ALIVE");
  EXPECT_EQ(screen.row(5), " 4.  Slain.........................Lev= 9  W= 0  L= 0  S=SLAIN");
  EXPECT_EQ(screen.row(6), " 5.  " + std::string(30, 'L') + "Lev=12  W= 0  L= 0  S=ALIVE");
  EXPECT_EQ(screen.row(7), "Enter the rank # of your opponent: 4");
  EXPECT_FALSE(wrote("Bram"));
  EXPECT_EQ(screen.cell(0, 3).fore, 5);
  EXPECT_EQ(DOG, 0);
  EXPECT_FALSE(DOGA);

  // Four challenges a visit: the fifth does nothing at all.
  DOG = 4;
  screen.clearTranscript();
  DOGGIE();
  EXPECT_EQ(screen.transcript(), "");
}

TEST_F(DuelTest, WinnerTakesSteelWeaponAndRecordAndTheLoserIsSlain) {
  hero().EXPERIENCE = 500;
  hero().WEAPON = 3;
  hero().VEHICLE = 7;
  hero().STRENGTH = 48;
  hero().PSEUDO = "Arne";
  PLAYERTYPE& victor = add("VIC", 1, 300);
  victor.PSEUDO = "Victor";
  victor.GASPD = "Avenge me!";
  victor.WEAPON = 5;
  victor.PLUS = 7;
  victor.VEHICLE = 4;
  victor.GOLD = 50;
  victor.SHIELD = 10;
  screen.type("2\rB");
  random.scriptPick(2, 4);
  random.script({swing(2), swing(4), swing(4)});
  random.scriptPick(0, 3);
  random.scriptPick(1, 4);
  random.scriptPick(50, 99);
  random.scriptPick(0, 4);
  DOGGIE();
  EXPECT_EQ(random.left(), 0u);
  EXPECT_EQ(DOG, 1);
  EXPECT_FALSE(DOGA);
  EXPECT_TRUE(wrote("You take his 50 Steel pieces."));
  EXPECT_TRUE(wrote("The Last Words He Utters Are...\r\n\r\n\"Avenge me!\"\r\n"));
  EXPECT_TRUE(wrote("You Hath Taken His Weapon."));
  EXPECT_FALSE(wrote("You Hath Taken His Armour."));
  EXPECT_TRUE(wrote("You obtain 24 exp points."));
  const PLAYERTYPE& arne = PLAYER[1];
  EXPECT_EQ(arne.GOLD, 150);
  EXPECT_EQ(arne.WINS, 1);
  EXPECT_DOUBLE_EQ(arne.EXPERIENCE, 524);
  EXPECT_EQ(arne.WEAPON, 5);
  EXPECT_EQ(arne.PLUS, 7);
  EXPECT_EQ(arne.VEHICLE, 7);
  EXPECT_EQ(victor.WEAPON, 3);
  EXPECT_EQ(victor.PLUS, 0);
  EXPECT_EQ(victor.VEHICLE, 4);
  EXPECT_EQ(victor.GOLD, 0);
  EXPECT_EQ(victor.LOSES, 1);
  EXPECT_EQ(victor.EXPERIENCE, 300);
  EXPECT_EQ(readFile("data/record.hlw"), "1\nArne conquered Victor\n");
  EXPECT_THROW(LEAVE(), VisitEnd);
  EXPECT_NE(readFile("data/characte.hlw").find("VIC\nVictor\nAvenge me!\n1\nARNE\n"),
            std::string::npos);
}

TEST_F(DuelTest, LoserHandsOverAllSteelAndTheVisitEnds) {
  hero().EXPERIENCE = 500;
  hero().SHIELD = 2;
  PLAYERTYPE& victor = add("VIC", 1, 300);
  victor.DEXTERITY = 13;
  victor.GOLD = 50;
  screen.type("2\rB");
  random.scriptPick(2, 4);
  random.script({swing(2), swing(1), swing(1)});
  random.scriptPick(0, 3);
  random.scriptPick(1, 4);
  EXPECT_THROW(DOGGIE(), VisitEnd);
  EXPECT_EQ(random.left(), 0u);
  const PLAYERTYPE& arne = PLAYER[1];
  EXPECT_EQ(arne.GOLD, 0);
  EXPECT_EQ(arne.LOSES, 1);
  EXPECT_EQ(arne.STATUS, 0);
  EXPECT_EQ(victor.GOLD, 150);
  EXPECT_EQ(victor.WINS, 1);
  EXPECT_EQ(victor.STATUS, 0);
  EXPECT_EQ(readFile("data/record.hlw"), "1\nARNE killed VIC\n");
  const std::string roster = readFile("data/characte.hlw");
  EXPECT_NE(roster.find(" 0  2 0 0 1 0\n"), std::string::npos) << roster;
  EXPECT_NE(roster.find(" 150  2 0 1 0 0\n"), std::string::npos) << roster;
}
