// Fights in the real game: a monster fight won and one lost, and a hero fight between two
// callers, with the hero file and the fight records afterwards.
#include <gtest/gtest.h>

#include <string>

#include "tests/e2e/game_folder.h"
#include "tests/e2e/hero_visit.h"
#include "tests/e2e/terminal.h"

using hero_visit::fightToTheEnd;
using hero_visit::quit;
using hero_visit::reachCommandPrompt;
using hero_visit::shownAfter;

namespace {
// A hero's numbers in the hero file: strength, intelligence, luck, dexterity, constitution,
// charisma, experience, level, hit points, weapon, armour, Steel, visits left, bank, wins,
// losses, plus.
std::string numbers(long strength, long luck, long dexterity, long experience, int level,
                    int hitPoints, int weapon, long steel, int visits, int wins = 0,
                    int losses = 0) {
  return std::to_string(strength) + " 12 " + std::to_string(luck) + " " +
         std::to_string(dexterity) + " 12 12 " + std::to_string(experience) + " " +
         std::to_string(level) + " " + std::to_string(hitPoints) + " " + std::to_string(weapon) +
         " 1 " + std::to_string(steel) + "  " + std::to_string(visits) + " 10 " +
         std::to_string(wins) + " " + std::to_string(losses) + " 0\n";
}

bool showsOneOf(const PtyTerminal& term, std::initializer_list<const char*> texts) {
  for (const char* text : texts) {
    if (term.find(text).first != -1) {
      return true;
    }
  }
  return false;
}

constexpr std::initializer_list<const char*> kAreaOne = {
    "Grey Field Rat.", "Mud Goblin.", "Thornback Toad.", "Lost Scarecrow.",
    "Hedge Sprite.",   "Bog Leech.",  "Wild Dog.",       "Goblin Cutpurse."};
}  // namespace

// However the draws fall, a hero of 60 in strength, dexterity and luck with the best
// weapon cannot lose in area 1, and one of 1 who holds 1 hit point cannot win.
TEST(MonsterFightTest, AStrongHeroWinsSteelAndExperienceAndAFeebleOneDiesSaved) {
  const struct {
    const char* hero;
    long strength;
    int hitPoints;
    int weapon;
    bool wins;
  } cases[] = {{"strong", 60, 500, 25, true}, {"feeble", 1, 1, 1, false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.hero);
    GameFolder game;
    game.writeParams("Tess");
    const std::string before = "1\nTess\nTess\nOnward!\n0\n";
    game.write("data/characte.hlw", before + numbers(c.strength, c.strength, c.strength, 0, 1,
                                                     c.hitPoints, c.weapon, 100, 3));
    PtyTerminal term;
    reachCommandPrompt(term, game.path());
    ASSERT_TRUE(term.answer("Command (?):", "1"));
    ASSERT_TRUE(term.waitFor("Combat (" + std::to_string(c.hitPoints) + " hps): (B,F,S):"))
        << term.screenText();
    fightToTheEnd(term);
    EXPECT_TRUE(showsOneOf(term, kAreaOne)) << term.screenText();
    if (c.wins) {
      ASSERT_EQ(term.lastLine(), "Command (?):") << term.screenText();
      EXPECT_TRUE(showsOneOf(term, {"A Painless Death!", "It Hath died!", "A Smooth killing!",
                                    "It has gone to the Abyss!"}))
          << term.screenText();
      const long steel = shownAfter(term, "You take his ");
      const long experience = shownAfter(term, "You obtain ");
      EXPECT_GT(steel, 0);
      EXPECT_GT(experience, 0);
      quit(term);
      ASSERT_EQ(term.waitExit(), 0);
      EXPECT_EQ(game.read("data/characte.hlw"),
                before + numbers(60, 60, 60, experience, 1, 500, 25, 100 + steel, 2));
      EXPECT_NE(game.read("text/sysop.log").find("Tess Played Stormhallow."), std::string::npos);
    } else {
      ASSERT_EQ(term.waitExit(), 0) << term.screenText();
      EXPECT_TRUE(
          showsOneOf(term, {"Return This Knight To Orvane's Breast....", "You Hath Been Slain!!",
                            "Return Soon Brave Warrior!", "May Valmire Be With You!!"}))
          << term.screenText();
      // Saved as it was, less the visit; a death is no ordinary end of a visit.
      EXPECT_EQ(game.read("data/characte.hlw"), before + numbers(1, 1, 1, 0, 1, 1, 1, 100, 2));
      EXPECT_EQ(game.read("text/sysop.log").find("Played"), std::string::npos);
    }
  }
}

// Anna buys a better weapon and leaves; Brom comes, challenges her and takes it, with her
// Steel; the day's records show it.
TEST(HeroFightTest, TheSecondCallerBeatsTheFirstAndBothHeroesAndTheRecordsShowIt) {
  GameFolder game;
  const std::string brom = "Brom\nBrom\nStand aside.\n0\n";
  const std::string anna = "Anna\nAnna\nRemember me!\n";
  game.write("data/characte.hlw", "2\n" + brom + numbers(60, 60, 60, 3000, 4, 500, 1, 100, 3) +
                                      anna + "0\n" + numbers(12, 12, 12, 1000, 3, 15, 1, 500, 3));

  game.writeParams("Anna");
  {
    PtyTerminal term;
    reachCommandPrompt(term, game.path());
    ASSERT_TRUE(term.answer("Command (?):", "w"));
    ASSERT_TRUE(term.answer("(Q)uit?", "p"));
    ASSERT_TRUE(term.answer("Enter weapon/armour # you wish buy:", "2\r"));
    ASSERT_TRUE(term.answer("(W)eapon or (A)rmour:", "w"));
    ASSERT_TRUE(term.answer("Are you sure you want buy it?", "y"));
    ASSERT_TRUE(term.answer("You've bought a Fisherman's Gaff", "q"));
    ASSERT_EQ(term.lastLine(), "Command (?):") << term.screenText();
    quit(term);
    ASSERT_EQ(term.waitExit(), 0);
  }

  game.writeParams("Brom");
  PtyTerminal term;
  reachCommandPrompt(term, game.path());
  ASSERT_TRUE(term.answer("Command (?):", "a"));
  ASSERT_TRUE(term.waitFor(" 2.  Anna..........................Lev= 3  W= 0  L= 0  S=ALIVE"))
      << term.screenText();
  ASSERT_TRUE(term.answer("Enter the rank # of your opponent:", "2\r"));
  ASSERT_TRUE(term.waitFor("You are attacked by a Anna.")) << term.screenText();
  fightToTheEnd(term);
  ASSERT_EQ(term.lastLine(), "Command (?):") << term.screenText();
  EXPECT_NE(term.find("You take his 380 Steel pieces.").first, -1) << term.screenText();
  EXPECT_NE(term.find("\"Remember me!\"").first, -1) << term.screenText();
  EXPECT_NE(term.find("You Hath Taken His Weapon.").first, -1) << term.screenText();
  // A tenth of her experience, times the day's form of the victor.
  const long experience = shownAfter(term, "You obtain ");
  EXPECT_TRUE(experience == 80 || experience == 90 || experience == 100 || experience == 110)
      << experience;
  term.send("f");
  ASSERT_TRUE(term.waitFor("Heroes That Have Been Defeated")) << term.screenText();
  // The title may reach the screen before the record does: wait for the record too.
  EXPECT_TRUE(term.waitFor("Brom conquered Anna")) << term.screenText();
  quit(term);
  ASSERT_EQ(term.waitExit(), 0);

  EXPECT_EQ(game.read("data/characte.hlw"),
            "2\n" + brom + numbers(60, 60, 60, 3000 + experience, 4, 500, 2, 480, 2, 1, 0) + anna +
                "1\nBrom\n" + numbers(12, 12, 12, 1000, 3, 15, 1, 0, 2, 0, 1));
  EXPECT_EQ(game.read("data/record.hlw"), "1\nBrom conquered Anna\n");
}
