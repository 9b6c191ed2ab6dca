// Micro-benchmarks of the game's hot spots, in-process on the screen model: the roster of
// 30 heroes read and written, the word wrap of a long coloured line, a long battle.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "combat/battle.h"
#include "kit/crt.h"
#include "kit/display.h"
#include "kit/door.h"
#include "kit/ending.h"
#include "kit/screen_model.h"
#include "store/herofile.h"
#include "store/state.h"

namespace fs = std::filesystem;

namespace {
// Every benchmark runs on the screen model in a game folder of its own.
class World {
 public:
  World() {
    folder_ = fs::temp_directory_path() / ("stormhallow-bench-" + std::to_string(getpid()));
    fs::create_directories(folder_ / "data");
    fs::create_directories(folder_ / "text");
    fs::current_path(folder_);
    RESETSTATE();
    HANGUP = 0;
    CRT = &screen;
    DATAPATH = "data/";
    GFILESPATH = "text/";
    OKANSI = true;
    THISUSER.LINELEN = 80;
  }
  ~World() {
    fs::current_path(fs::temp_directory_path());
    fs::remove_all(folder_);
  }
  World(const World&) = delete;
  World& operator=(const World&) = delete;

  ScreenModel screen;

 private:
  fs::path folder_;
};

void fillRoster() {
  NUMBER_OF_PLAYERS = MAXPLAYERS;
  for (int i = 1; i <= MAXPLAYERS; ++i) {
    PLAYERTYPE& p = PLAYER[i];
    p.NAME = "Caller Number " + std::to_string(i);
    p.PSEUDO = "Sir Hero the " + std::to_string(i) + "th";
    p.GASPD = "For the glory of Esmor and the " + std::to_string(i) + "th banner!";
    p.STATUS = i % 3 == 0 ? 1 : 0;
    p.KILLER = "Caller Number 1";
    p.STRENGTH = 10 + i % 7;
    p.INTELLIGENCE = 9 + i % 5;
    p.LUCK = 11;
    p.DEXTERITY = 12;
    p.CONSTITUTION = 13;
    p.CHARISMA = 14;
    p.EXPERIENCE = 1234.5 * i;
    p.R = 1 + i % 20;
    p.SHIELD = 40 + i;
    p.WEAPON = 1 + i % 25;
    p.VEHICLE = 1 + (i * 7) % 25;
    p.GOLD = 98765.5;
    p.FLIGHTS = 3;
    p.BANK = 123456;
    p.WINS = i;
    p.LOSES = i / 2;
    p.PLUS = i % 4;
  }
}

// LEAVE saves the roster and ends the visit.
void saveRoster() {
  try {
    LEAVE();
  } catch (const VisitEnd&) {
  }
}

void BM_ReadRoster(benchmark::State& state) {
  World world;
  fillRoster();
  saveRoster();
  for (auto _ : state) {
    READROSTER();
    benchmark::DoNotOptimize(PLAYER[MAXPLAYERS].BANK);
  }
}
BENCHMARK(BM_ReadRoster);

void BM_WriteRoster(benchmark::State& state) {
  World world;
  fillRoster();
  for (auto _ : state) {
    saveRoster();
    world.screen.clearTranscript();
  }
}
BENCHMARK(BM_WriteRoster)->Unit(benchmark::kMicrosecond);

// 240 characters of words with Ctrl-C and Ctrl-A colour codes among them.
std::string colouredLine() {
  std::string line;
  const std::string words[] = {
      "\x03"
      "4Esmor",
      "the",
      "\x01"
      "Hbright",
      "\x01"
      "Rred",
      "banner",
      "\x03"
      "7flies",
      "over",
      "\x01"
      "2the",
      "old",
      "keep",
      "\x01"
      "Nand",
      "its",
      "walls"};
  for (std::size_t i = 0; line.size() < STRTMAX; ++i) {
    line += words[i % std::size(words)] + " ";
  }
  return line.substr(0, STRTMAX);
}

void BM_WordWrapColouredLine(benchmark::State& state) {
  World world;
  const std::string line = colouredLine();
  bool abort = false;
  bool next = false;
  for (auto _ : state) {
    PRINTA(line, abort, next);
    world.screen.clearTranscript();
  }
}
BENCHMARK(BM_WordWrapColouredLine);

// Neither side can fall, and fleeing always works: 500 passes of B are 1,000 blows.
void setUpEndlessBattle() {
  NUMBER_OF_PLAYERS = 1;
  B = 1;
  PLAYERTYPE& hero = PLAYER[B];
  hero.NAME = "Bench";
  hero.STRENGTH = 10;
  hero.DEXTERITY = 10;
  hero.LUCK = 10;
  hero.ATTACK = 5;
  hero.POWER = 5;
  hero.VEHICLE = 5;
  hero.SHIELD = 1e12;
  hero.DAMAGE = 0;
  OPP.NAME = "Training Dummy";
  OPP.SHIELD = 1e12;
  OPP.WEAPON = 2;
  OPP.WEAPON2 = 2;
  OPP.VEHICLE = 5;
  OPP.LUCK = 5;
  OPP.STRENGTH = 5;
  OPP.DEXTERITY = 1;
  VARY = 1;
  VARY2 = 1;
  PLAY = true;
  DOGA = false;
}

void BM_Battle1000Blows(benchmark::State& state) {
  World world;
  const std::string keys = std::string(500, 'B') + "F";
  for (auto _ : state) {
    state.PauseTiming();
    setUpEndlessBattle();
    world.screen.clearTranscript();
    world.screen.type(keys);
    state.ResumeTiming();
    BATTLE();
  }
  state.counters["blows"] = benchmark::Counter(1000, benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_Battle1000Blows)->Unit(benchmark::kMillisecond);
}  // namespace

BENCHMARK_MAIN();
