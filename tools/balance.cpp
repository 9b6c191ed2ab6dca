// The balance report: heroes of the demo game played by a simple bot on the real combat
// code, over the screen model with a seeded random source. Prints how long heroes take to
// rise, and for each level band the outcome of fights in each area.
//
//   balance DEMO_FOLDER [CAREERS]

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "combat/areas.h"
#include "combat/victory.h"
#include "kit/crt.h"
#include "kit/door.h"
#include "kit/ending.h"
#include "kit/random.h"
#include "kit/screen_model.h"
#include "store/state.h"
#include "store/tables.h"

namespace fs = std::filesystem;

namespace {
constexpr int kAreas = 5;
constexpr int kDays = 200;
constexpr int kVisitsPerDay = 3;
constexpr int kEncounters = 11;
// The lowest level at which the bot hunts in each area.
constexpr int kAreaLevel[kAreas] = {1, 3, 6, 10, 16};
constexpr int kBands[] = {1, 3, 5, 8, 10, 13, 16, 20, 24};
constexpr int kBandVisits = 200;
// The bot flees below this share of its hit points.
constexpr double kFleeBelow = 0.35;
constexpr double kHealAbove = 0.5;

void (*const AREA[kAreas])() = {AFIGHT, BFIGHT, CFIGHT, DFIGHT, EFIGHT};

// Plays the caller: fights on while it has the strength, flees when it has not, and picks
// up whatever a monster drops.
class Bot : public ScreenModel {
 public:
  unsigned char READKEY() override {
    const std::string& seen = transcript();
    const bool combat = seen.size() >= 9 && seen.compare(seen.size() - 9, 9, "(B,F,S): ") == 0;
    clearTranscript();
    if (!combat) {
      return 'Y';
    }
    const PLAYERTYPE& hero = PLAYER[B];
    // A monster too quick to outrun is fought to the end.
    if (hero.SHIELD - hero.DAMAGE < kFleeBelow * hero.SHIELD && fleeKeys - fleesAtStart < 20) {
      ++fleeKeys;
      return 'F';
    }
    return 'B';
  }
  int fleeKeys = 0;
  int fleesAtStart = 0;
};

struct Tally {
  long won = 0, fled = 0, lost = 0, visits = 0;
  double experience = 0, steel = 0, healing = 0;
};

Bot bot;

// The bot's hero alone on the roster, with a fresh form for the visit.
void enter(const PLAYERTYPE& hero) {
  NUMBER_OF_PLAYERS = 1;
  B = 1;
  PLAYER[1] = hero;
  PLAY = true;
  VARY = SUPPLANT();
}

void newHero() {
  enter(PLAYERTYPE{});
  PLAYERTYPE& hero = PLAYER[1];
  hero.NAME = hero.PSEUDO = "Bot";
  for (double* stat : {&hero.STRENGTH, &hero.INTELLIGENCE, &hero.LUCK, &hero.DEXTERITY,
                       &hero.CONSTITUTION, &hero.CHARISMA}) {
    *stat = 12;
  }
  hero.R = hero.WEAPON = hero.VEHICLE = 1;
  hero.SHIELD = 13 + Random() * 4;
  hero.GOLD = 175 + Random(100);
}

// The clerics' price: eight Steel a point per level. The bot sees them only when half
// its hit points are gone.
void heal(Tally& tally) {
  PLAYERTYPE& hero = PLAYER[B];
  if (hero.DAMAGE < kHealAbove * hero.SHIELD) {
    return;
  }
  const double rate = 8 * hero.R;
  const double points = std::min(hero.DAMAGE, std::max(0.0, hero.GOLD) / rate);
  hero.DAMAGE -= points;
  hero.GOLD -= points * rate;
  tally.healing += points * rate;
}

// Buys the next weapon or armour, the lower first, while the Steel lasts.
void shop() {
  PLAYERTYPE& hero = PLAYER[B];
  for (;;) {
    double& item = hero.WEAPON <= hero.VEHICLE ? hero.WEAPON : hero.VEHICLE;
    const int next = static_cast<int>(item) + 1;
    // Keep something for the clerics.
    if (next > MAXITEMS || COST[next] + 2 * hero.R * hero.SHIELD > hero.GOLD) {
      break;
    }
    hero.GOLD -= COST[next];
    item = next;
  }
  hero.ATTACK = FIND1();
  hero.POWER = FIND2();
}

// One visit of 11 encounters in one area; false when the hero died.
bool visit(int area, Tally& tally) {
  PLAYERTYPE& hero = PLAYER[B];
  TRIPS = 0;
  hero.DAMAGE = 0;
  ++tally.visits;
  for (int n = 0; n < kEncounters; ++n) {
    heal(tally);
    const double experience = hero.EXPERIENCE;
    const double steel = hero.GOLD;
    const int flees = bot.fleeKeys;
    bot.fleesAtStart = flees;
    try {
      AREA[area]();
    } catch (const VisitEnd&) {
      ++tally.lost;
      tally.experience += hero.EXPERIENCE - experience;
      return false;
    }
    tally.experience += hero.EXPERIENCE - experience;
    tally.steel += hero.GOLD - steel;
    if (hero.EXPERIENCE > experience) {
      ++tally.won;
    } else if (bot.fleeKeys > flees) {
      ++tally.fled;
    }
    LEVELUPDATE();
  }
  return true;
}

// Up an area after a visit mostly won, once the level allows it; down after a poor one.
int nextArea(int area, const Tally& last) {
  const long fights = last.won + last.fled + last.lost;
  const double won = fights == 0 ? 0 : static_cast<double>(last.won) / static_cast<double>(fights);
  if (won >= 0.8 && area + 1 < kAreas && kAreaLevel[area + 1] <= PLAYER[B].R) {
    return area + 1;
  }
  if (won < 0.5 && area > 0) {
    return area - 1;
  }
  return area;
}

struct Career {
  std::map<int, int> dayOfLevel;
  std::map<int, PLAYERTYPE> heroAtLevel;
};

Career career() {
  Career c;
  newHero();
  int area = 0;
  for (int day = 1; day <= kDays; ++day) {
    for (int v = 0; v < kVisitsPerDay; ++v) {
      VARY = SUPPLANT();
      shop();
      Tally ignored;
      visit(area, ignored);
      area = nextArea(area, ignored);
      LEVELUPDATE();
      const int level = static_cast<int>(PLAYER[B].R);
      if (c.dayOfLevel.count(level) == 0) {
        c.dayOfLevel[level] = day;
        c.heroAtLevel[level] = PLAYER[B];
      }
    }
  }
  return c;
}

Tally band(const PLAYERTYPE& profile, int area) {
  Tally tally;
  for (int v = 0; v < kBandVisits; ++v) {
    enter(profile);
    PLAYER[1].GOLD = 1e9;
    PLAYER[1].ATTACK = FIND1();
    PLAYER[1].POWER = FIND2();
    visit(area, tally);
  }
  return tally;
}

double percent(long part, long whole) {
  return whole == 0 ? 0 : 100.0 * static_cast<double>(part) / static_cast<double>(whole);
}

// Deaths save the roster; a folder in memory keeps that quick where there is one.
fs::path scratch() {
  return fs::is_directory("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path();
}

void install(const fs::path& demo, const fs::path& folder) {
  fs::create_directories(folder);
  fs::copy(demo / "data", folder / "data", fs::copy_options::recursive);
  fs::copy(demo / "text", folder / "text", fs::copy_options::recursive);
  fs::current_path(folder);
}
}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: balance DEMO_FOLDER [CAREERS]\n");
    return 1;
  }
  const int careers = argc > 2 ? std::max(1, std::atoi(argv[2])) : 25;
  const fs::path folder = scratch() / ("stormhallow-balance-" + std::to_string(::getpid()));
  install(fs::absolute(argv[1]), folder);
  SeededRandom seeded;
  RNG = &seeded;
  CRT = &bot;
  RESETSTATE();
  DATAPATH = "data/";
  GFILESPATH = "text/";
  LOADTABLES();

  std::map<int, std::vector<int>> days;
  std::map<int, PLAYERTYPE> profiles;
  for (int k = 0; k < careers; ++k) {
    const Career c = career();
    for (const auto& [level, day] : c.dayOfLevel) {
      days[level].push_back(day);
      profiles.try_emplace(level, c.heroAtLevel.at(level));
    }
  }
  std::printf("Days of play (3 visits a day) to reach a level, median of %d heroes:\n\n", careers);
  std::printf("| level | median day | reached by |\n|---|---|---|\n");
  for (auto& [level, list] : days) {
    std::sort(list.begin(), list.end());
    std::printf("| %d | %d | %zu of %d |\n", level, list[list.size() / 2], list.size(), careers);
  }
  std::printf(
      "\nFights by level band and area (%d visits of 11 encounters each, healed when half "
      "the hit points are gone, fleeing below a third of them):\n\n",
      kBandVisits);
  std::printf(
      "| level | weapon/armour | area | won %% | fled %% | lost %% | exp/visit | Steel/visit |\n");
  std::printf("|---|---|---|---|---|---|---|---|\n");
  for (int level : kBands) {
    if (profiles.count(level) == 0) {
      continue;
    }
    const PLAYERTYPE& hero = profiles[level];
    for (int area = 0; area < kAreas; ++area) {
      const Tally t = band(hero, area);
      const long fights = t.won + t.fled + t.lost;
      std::printf("| %d | %.0f/%.0f | %d | %.0f | %.0f | %.0f | %.0f | %.0f |\n", level,
                  hero.WEAPON, hero.VEHICLE, area + 1, percent(t.won, fights),
                  percent(t.fled, fights), percent(t.lost, fights),
                  t.experience / static_cast<double>(t.visits),
                  t.steel / static_cast<double>(t.visits));
    }
  }
  fs::current_path(fs::temp_directory_path());
  fs::remove_all(folder);
  return 0;
}
