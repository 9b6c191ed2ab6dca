#include "flow/visit.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "kit/ending.h"
#include "store/state.h"
#include "tests/flow/game_world.h"

namespace {
class VisitTest : public GameWorld {
 protected:
  // The draws of a visit that rolls a hero: the form, then steel 203, bank 57, hit points 15.
  void scriptRoll() {
    random.scriptPick(2, 4);
    random.scriptPick(28, 100);
    random.scriptPick(56, 199);
    random.script({0.5});
  }
  static std::string played(const std::string& user) {
    return "   #*#*# " + user + " Played Stormhallow.\n";
  }
};

const std::string kRolled = "12 12 12 12 12 12 0 1 15 1 1 203  2 57 0 0 0\n";
// The credits' pause and the pause after the login.
const std::string kStart = "  ";

TEST_F(VisitTest, ANewCallerGetsAHeroAfterTheBattleCryLoop) {
  installGame();
  scriptRoll();
  screen.type(" ");
  snapshotKey('C');
  EXPECT_EQ(visit("Newbie", "ry one\rNCry two\rNCry three\rY QY"), 0);

  EXPECT_EQ(readFile("data/characte.hlw"), "1\nNewbie\nNewbie\nCry three\n0\n" + kRolled);
  EXPECT_EQ(sysopLog(), played("Newbie"));
  EXPECT_EQ(timesWritten("Enter your new Battle Cry."), 3);
  EXPECT_EQ(screen.row(0), "Name: Newbie   Level: 1");

  // The title banner and the news, as they stood when the first cry was typed.
  const std::vector<std::string> banner = {
      "----------   -=-=STORMHALLOW=-=-          /\\",
      "\\        /       Version 2.0              ||",
      " \\      /                                 ||",
      "  \\    /    Welcome To The World of       ||",
      "   |  |     Esmor, Where the gods         ||",
      "  /    \\    of good and evil battle.    \\ || /",
      " /      \\   Help the People Of Esmor.    \\==/",
      "/        \\                                ##",
      "----------        ON WARD!!!              ##",
  };
  for (int y = 0; y < 9; ++y) {
    EXPECT_EQ(snapshot.row(y), banner[static_cast<std::size_t>(y)]) << "banner row " << y;
  }
  struct Colour {
    int x, y, fore;
  } colours[] = {{0, 0, 14}, {13, 0, 12}, {42, 0, 14}, {17, 1, 7}, {12, 3, 9}, {12, 4, 11}};
  for (const Colour& c : colours) {
    EXPECT_EQ(snapshot.cell(c.x, c.y).fore, c.fore) << c.x << "," << c.y;
  }
  EXPECT_EQ(snapshot.row(10), "News Bulletin:");
  EXPECT_EQ(snapshot.cell(0, 10).fore, 7);
  EXPECT_EQ(snapshot.row(12), "The bridge at Karn is open again.");
}

TEST_F(VisitTest, AReturningCallerIsFoundExactlyAndSeesItsDefeatOnce) {
  HeroSpec lower{.name = "anna"};
  HeroSpec anna{.name = "Anna", .experience = 500, .status = 1, .killer = "Brom"};
  installGame(rosterFile({lower, anna}));
  screen.type(" ");
  snapshotKey(' ');
  EXPECT_EQ(visit("Anna", "QY"), 0);

  EXPECT_EQ(snapshot.row(snapshot.cursorY()), "[Pause]");
  const int defeat = snapshot.cursorY() - 2;
  EXPECT_EQ(snapshot.row(defeat), "A defeat was lead over you by Brom.");
  EXPECT_EQ(snapshot.cell(0, defeat).fore, 11);
  // Ranked first now, the mark cleared and one visit taken.
  anna.status = 0;
  anna.flights = 2;
  EXPECT_EQ(readFile("data/characte.hlw"), rosterFile({anna, lower}));
  EXPECT_EQ(B, 1);
  EXPECT_EQ(NAME, "Anna");
}

TEST_F(VisitTest, TheLastOfTwoEqualNamesIsTheCallers) {
  HeroSpec first{.name = "Anna", .flights = 3};
  HeroSpec second{.name = "Anna", .flights = 1};
  installGame(rosterFile({first, second}));
  EXPECT_EQ(visit("Anna", kStart + "QY"), 0);
  second.flights = 0;
  EXPECT_EQ(readFile("data/characte.hlw"), rosterFile({first, second}));
}

TEST_F(VisitTest, TheSheetShowsTheVisitAllowance) {
  struct Case {
    int flights;
    const char* battles;
    int flightsAfter, trips, dog;
  } cases[] = {
      {1, "Battles: 3   Retreats: 0    Fights: 10   Hps: 20(20)", 0, 0, 0},
      {0, "Battles: -1   Retreats: -1    Fights: -2   Hps: 20(20)", -1, 12, 4},
      {-1, "Battles: -1   Retreats: -2    Fights: -2   Hps: 20(20)", -2, 12, 4},
  };
  for (const Case& c : cases) {
    installGame(rosterFile({{.name = "Anna", .flights = c.flights}}));
    EXPECT_EQ(visit("Anna", kStart + "QY"), 0);
    EXPECT_EQ(screen.row(6), c.battles);
    EXPECT_EQ(readFile("data/characte.hlw"),
              rosterFile({{.name = "Anna", .flights = c.flightsAfter}}));
    EXPECT_EQ(TRIPS, c.trips);
    EXPECT_EQ(DOG, c.dog);
  }
}

TEST_F(VisitTest, ANewDayGivesEveryHeroItsVisitsBackAndClearsTheRecords) {
  HeroSpec anna{.name = "Anna", .flights = -2};
  HeroSpec brom{.name = "Brom", .flights = 0, .status = 1, .killer = "Anna"};
  installGame(rosterFile({anna, brom}));
  writeFile("data/date.hlw", "12/10/26\n");
  writeFile("data/record.hlw", "1\nAnna conquered Brom\n");
  EXPECT_EQ(visit("Anna", kStart + "QY"), 0);
  anna.flights = 2;
  brom.flights = 3;
  brom.status = 0;
  EXPECT_EQ(readFile("data/characte.hlw"), rosterFile({anna, brom}));
  EXPECT_EQ(readFile("data/date.hlw"), "12/11/26\n");
  EXPECT_EQ(readFile("data/record.hlw"), "0\n");
}

TEST_F(VisitTest, AFullRosterTurnsANewCallerAway) {
  std::vector<HeroSpec> heroes;
  for (int i = 1; i <= 30; ++i) {
    heroes.push_back({.name = "Hero " + std::to_string(i)});
  }
  installGame(rosterFile(heroes));
  writeFile("data/date.hlw", "12/10/26\n");
  EXPECT_EQ(visit("Zed", " "), 0);
  EXPECT_TRUE(onScreen("The Gods of Esmor Disapprove of your actions!"));
  EXPECT_EQ(readFile("data/characte.hlw"), rosterFile(heroes));
  EXPECT_EQ(readFile("data/date.hlw"), "12/10/26\n");
  EXPECT_EQ(sysopLog(), "");
}

TEST_F(VisitTest, TheThirtiethHeroStillFits) {
  std::vector<HeroSpec> heroes;
  for (int i = 1; i <= 29; ++i) {
    heroes.push_back({.name = "Hero " + std::to_string(i)});
  }
  installGame(rosterFile(heroes));
  scriptRoll();
  EXPECT_EQ(visit("Zed", " Last\rY QY"), 0);
  EXPECT_EQ(readFile("data/characte.hlw"),
            "30" + rosterFile(heroes).substr(2) + "Zed\nZed\nLast\n0\n" + kRolled);
}

TEST_F(VisitTest, TheEvilWizardComesOnlyAfterOneLossTooMany) {
  for (double loses : {4.0, 5.0}) {
    installGame(rosterFile({{.name = "Anna", .experience = 700, .loses = loses, .weapon = 9}}));
    const bool wizard = loses > 4;
    if (wizard) {
      scriptRoll();
    }
    screen.type(kStart);
    if (wizard) {
      snapshotKey(' ');
    }
    EXPECT_EQ(visit("Anna", "QY"), 0);
    EXPECT_EQ(timesWritten("Evil Wizard Confronted You.  When you tried to fight"), wizard ? 1 : 0);
    if (!wizard) {
      continue;
    }
    // Re-rolled in place with no cry, and the re-roll costs the visit it was given back.
    EXPECT_EQ(readFile("data/characte.hlw"), "1\nAnna\nAnna\n\n0\n" + kRolled);
    const int first = snapshot.cursorY() - 6;
    EXPECT_EQ(snapshot.row(first), "As you were Travelling along a Wilderness Path an");
    EXPECT_EQ(snapshot.row(first + 4), "as nothing more than a pile of ashes.  Re-Rolled!");
    EXPECT_EQ(snapshot.cell(0, first).fore, 7);
  }
}

TEST_F(VisitTest, ARerollKeepsTheNamesAndTheCryTypedInThisVisit) {
  installGame(rosterFile({{.name = "Anna", .experience = 900, .wins = 3, .weapon = 12}}));
  random.scriptPick(2, 4);
  EXPECT_EQ(visit("Anna", kStart + "XN#New cry\rY"), 0);
  // Refused first: nothing changed; the cry was not yet confirmed either.
  installGame(rosterFile({{.name = "Anna", .experience = 900, .wins = 3, .weapon = 12}}));
  scriptRoll();
  EXPECT_EQ(visit("Anna", kStart + "#New cry\rYXYQY"), 0);
  EXPECT_EQ(readFile("data/characte.hlw"), "1\nAnna\nAnna\nNew cry\n0\n" + kRolled);
  EXPECT_TRUE(onScreen("your current hero of all atributes!"));
  // The old weapon's values stay until they are next set.
  EXPECT_EQ(PLAYER[B].WEAPON, 1);
  EXPECT_EQ(PLAYER[B].ATTACK, 12);
  EXPECT_EQ(PLAYER[B].POWER, 13);
}

TEST_F(VisitTest, ANewCrestChangesTheShownNameOnly) {
  installGame(rosterFile({{.name = "Anna"}}));
  // An empty name reads no answer: the next key is a command again.
  EXPECT_EQ(visit("Anna", kStart + "*\r*Sir hal\rYQY"), 0);
  EXPECT_EQ(timesWritten("Are you sure?"), 3);
  EXPECT_EQ(readFile("data/characte.hlw"),
            "1\nAnna\nSIR HAL\nFor Esmor!\n0\n12 12 12 12 12 12 0 1 20 1 1 100  2 50 0 0 0\n");
}

TEST_F(VisitTest, TheSysopRerollsTheGameAndNothingIsSaved) {
  installGame(rosterFile({{.name = "Anna"}}));
  writeFile("data/record.hlw", "1\nAnna conquered Brom\n");
  EXPECT_EQ(visit("Anna", kStart + "@Y", true), 0);
  for (const char* line :
       {"Character Sheets RE-ROLLED", "Fight Records Re-initialized", "Bulletin Re-initiazled"}) {
    EXPECT_TRUE(onScreen(line)) << line;
  }
  EXPECT_EQ(readFile("data/characte.hlw"), "0\n");
  EXPECT_EQ(readFile("data/record.hlw"), "0\n");
  EXPECT_TRUE(exists("text/bullet.hlw"));
  EXPECT_EQ(readFile("text/bullet.hlw"), "");
  EXPECT_EQ(readFile("data/date.hlw"), std::string(kToday) + "\n");
  EXPECT_EQ(sysopLog(), played("Anna"));
}

TEST_F(VisitTest, TheRerollKeyDoesNothingForOtherCallers) {
  installGame(rosterFile({{.name = "Anna"}}));
  EXPECT_EQ(visit("Anna", kStart + "@QY"), 0);
  EXPECT_EQ(timesWritten("re-roll the game"), 0);
  EXPECT_EQ(readFile("data/characte.hlw"), rosterFile({{.name = "Anna", .flights = 2}}));
}

TEST_F(VisitTest, VersionPlugAndMenuReturnToThePrompt) {
  installGame(rosterFile({{.name = "Anna"}}));
  writeFile("text/plug.hlw", "Visit the Quiet Lantern.\n");
  writeFile("text/menu.hlw", "(Q)uit  (V)ersion\n");
  EXPECT_EQ(visit("Anna", kStart + "v P?QY"), 0);
  EXPECT_EQ(timesWritten("This Is Stormhallow version 2.0"), 1);
  EXPECT_EQ(timesWritten("Visit the Quiet Lantern."), 1);
  EXPECT_EQ(timesWritten("(Q)uit  (V)ersion"), 1);
  EXPECT_EQ(timesWritten("Command (?): "), 4);
}

TEST_F(VisitTest, AHangUpAtThePromptSavesAndLogs) {
  installGame(rosterFile({{.name = "Anna"}}));
  screen.type(kStart);
  screen.hangupHere();
  EXPECT_EQ(visit("Anna"), 0);
  EXPECT_EQ(readFile("data/characte.hlw"), rosterFile({{.name = "Anna", .flights = 2}}));
  EXPECT_EQ(sysopLog(), played("Anna"));
}

TEST_F(VisitTest, AHangUpBeforeTheRosterIsReadWritesNothing) {
  installGame(rosterFile({{.name = "Anna"}}));
  writeFile("data/date.hlw", "12/10/26\n");
  screen.hangupHere();
  EXPECT_EQ(visit("Anna"), 0);
  EXPECT_EQ(readFile("data/characte.hlw"), rosterFile({{.name = "Anna"}}));
  EXPECT_EQ(readFile("data/date.hlw"), "12/10/26\n");
  EXPECT_EQ(sysopLog(), "");
}

TEST_F(VisitTest, AHangUpDuringTheBattleCrySavesTheNewHeroUnlogged) {
  installGame();
  scriptRoll();
  screen.type(" ");
  screen.hangupHere();
  EXPECT_EQ(visit("Newbie"), 0);
  EXPECT_EQ(readFile("data/characte.hlw"), "1\nNewbie\nNewbie\n\n0\n" + kRolled);
  EXPECT_EQ(sysopLog(), "");
}

TEST_F(VisitTest, ABrokenNumberStopsTheVisitAndChangesNothing) {
  const std::string broken = "1\nAnna\nAnna\n\n0\n12 12 12 12 12 12 0 1 1O 1 1 203  2 57 0 0 0\n";
  installGame(broken);
  writeFile("data/date.hlw", "12/10/26\n");
  testing::internal::CaptureStderr();
  EXPECT_EQ(visit("Anna", kStart + "QY"), kFatalStatus);
  const std::string report = testing::internal::GetCapturedStderr();
  EXPECT_NE(report.find("data/characte.hlw, line 6: expected the hit points of hero 1"),
            std::string::npos)
      << report;
  EXPECT_EQ(readFile("data/characte.hlw"), broken);
  EXPECT_EQ(readFile("data/date.hlw"), "12/10/26\n");
  EXPECT_EQ(sysopLog(), "");
}

TEST_F(VisitTest, TheDemoInstallationPlaysTwoVisits) {
  installDemo();
  scriptRoll();
  EXPECT_EQ(visit("Newbie", " Onward\rY SQY"), 0);
  EXPECT_EQ(readFile("data/characte.hlw"), "1\nNewbie\nNewbie\nOnward\n0\n" + kRolled);
  EXPECT_EQ(readFile("data/date.hlw"), std::string(kToday) + "\n");
  EXPECT_EQ(screen.row(0), "Name: Newbie   Level: 1");

  screen.clearTranscript();
  EXPECT_EQ(visit("Newbie", kStart + "QY"), 0);
  EXPECT_NE(readFile("data/characte.hlw").find("203  1 57"), std::string::npos);
  EXPECT_EQ(sysopLog(), played("Newbie") + played("Newbie"));
}
}  // namespace
