// A day in town in the real game: every service the hero pays or is paid by, and the
// hero file afterwards to the last Steel piece.
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
// Tess, level 5, with the best weapon and armour, 20,000 Steel in hand and 1,000 in the
// bank; her armour and luck keep every blow of area 4 below its cap, so her wounds are
// whole numbers. GRIM is there to be spied on.
constexpr const char* kTess = "Tess\nTess\nOnward!\n0\n";
constexpr const char* kGrim =
    "GRIM\nGRIM\nHa!\n0\n"
    "12 12 12 12 12 12 100 1 15 3 2 70  3 5 0 0 0\n";

struct Step {
  const char* shown;
  const char* keys;
};

void take(PtyTerminal& term, std::initializer_list<Step> steps) {
  for (const Step& s : steps) {
    ASSERT_TRUE(term.answer(s.shown, s.keys)) << s.shown << "\n" << term.screenText();
  }
}

// The Shooting Gallery's answer to a wager: what the hero's Steel changed by.
long galleryGain(const PtyTerminal& term, long wager) {
  for (const char* won :
       {"You shot all the targets and win ", "You shot 50% of the targets and win ",
        "You shot %25 of the targets and win "}) {
    if (term.find(won).first != -1) {
      return shownAfter(term, won);
    }
  }
  EXPECT_NE(term.find("Sorry You Hath Lost!").first, -1) << term.screenText();
  return -wager;
}
}  // namespace

TEST(TownVisitTest, AVisitToEveryServiceLeavesTheHeroWithExactlyWhatItPaidAndEarned) {
  GameFolder game;
  game.writeParams("Tess");
  game.write("data/characte.hlw", std::string("2\n") + kTess +
                                      "60 12 20 6 12 12 5000 5 500 25 25 20000  3 1000 0 0 0\n" +
                                      kGrim);
  PtyTerminal term;
  reachCommandPrompt(term, game.path());
  long steel = 20000;

  take(term, {{"Command (?):", "-"}});
  ASSERT_TRUE(term.waitFor("You are now carring 21000 Steel pieces.")) << term.screenText();
  steel += 1000;

  // Wounds for the clerics, and the spoils of the fight.
  take(term, {{"Command (?):", "4"}});
  fightToTheEnd(term);
  ASSERT_EQ(term.lastLine(), "Command (?):") << term.screenText();
  steel += shownAfter(term, "You take his ");
  const long experience = 5000 + shownAfter(term, "You obtain ");

  take(term, {{"Command (?):", "h"}});
  ASSERT_TRUE(term.waitFor("Clerics want 40 Steel pieces per wound.")) << term.screenText();
  const long wounds = shownAfter(term, "You have ");
  take(term, {{"How many do points do you want healed?", "\r"}});
  ASSERT_TRUE(term.waitFor(std::to_string(wounds) + " hit points healed.")) << term.screenText();
  steel -= 40 * wounds;

  take(term, {{"Command (?):", "w"},
              {"(Q)uit?", "s"},
              {"(W)eapon,(A)rmour,(Q)uit :", "w"},
              {"I will purchase it for 336000, okay?", "y"},
              {"Is it Dwarven Made?", "p"},
              {"Enter weapon/armour # you wish buy:", "3\r"},
              {"(W)eapon or (A)rmour:", "w"},
              {"Are you sure you want buy it?", "y"},
              {"You've bought a Rusted Shortsword", "p"},
              {"Enter weapon/armour # you wish buy:", "2\r"},
              {"(W)eapon or (A)rmour:", "a"},
              {"Are you sure you want buy it?", "y"},
              {"You've bought a Quilted Jerkin", "q"}});
  steel += 336000 - 300 - 120;

  take(term, {{"Command (?):", "g"}, {"How many Steel pieces do you wish to wager?", "100\r"}});
  ASSERT_EQ(term.lastLine(), "Command (?):") << term.screenText();
  steel += galleryGain(term, 100);

  // The screen names a price of 1,000,000; 10,000 is taken.
  take(term, {{"Command (?):", "t"},
              {"will cost 1,000,000 Steel pieces per point.", ""},
              {"Do you wish to upgrade a stat?", "y"},
              {"Which stat do you wish to increase?", "1\r"},
              {"Are you sure?", "y"}});
  steel -= 10000;

  take(term, {{"Command (?):", "c"},
              {"Increase which stat?", "2"},
              {"Decrease which stat?", "6"},
              {"Is this correct?", "y"}});

  take(term, {{"Command (?):", "z"}, {"Who do you wish to spy on?", "grim\r"}});
  ASSERT_TRUE(term.waitFor("Level  :1")) << term.screenText();
  EXPECT_NE(term.find("Steel  (in hand):70").first, -1) << term.screenText();
  take(term, {{"[Pause]", " "}});
  steel -= 20;

  take(term, {{"Command (?):", "r"}});
  ASSERT_TRUE(term.waitFor(" 2.  GRIM..........................Lev= 1  W= 0  L= 0  S=ALIVE"))
      << term.screenText();
  EXPECT_NE(term.find(" 1.  Tess..........................Lev= 5  W= 0  L= 0  S=ALIVE").first, -1)
      << term.screenText();

  take(term, {{"Command (?):", "+"}});
  ASSERT_TRUE(term.waitFor(std::to_string(steel) + " Steel pieces are in the bank."))
      << term.screenText();
  quit(term);
  ASSERT_EQ(term.waitExit(), 0);

  EXPECT_EQ(game.read("data/characte.hlw"), std::string("2\n") + kTess + "61 13 20 6 12 10 " +
                                                std::to_string(experience) + " 5 500 3 2 0  2 " +
                                                std::to_string(steel) + " 0 0 0\n" + kGrim);
}
