#pragma once
// A small installation for whole visits: the four tables, today's day file, no fight
// records, a news file and a roster written from hero records.

#include <string>
#include <vector>

#include "tests/support/world.h"

struct HeroSpec {
  std::string name{};
  double experience = 0;
  int flights = 3;
  double wins = 0;
  double loses = 0;
  int status = 0;
  std::string killer{};
  std::string cry = "For Esmor!";
  int weapon = 1;
};

// One record as the hero file holds it.
inline std::string heroRecord(const HeroSpec& h) {
  std::string text = h.name + "\n" + h.name + "\n" + h.cry + "\n" + std::to_string(h.status) + "\n";
  if (h.status == 1) {
    text += h.killer + "\n";
  }
  return text + "12 12 12 12 12 12 " + std::to_string(static_cast<long>(h.experience)) + " 1 20 " +
         std::to_string(h.weapon) + " 1 100  " + std::to_string(h.flights) + " 50 " +
         std::to_string(static_cast<long>(h.wins)) + " " +
         std::to_string(static_cast<long>(h.loses)) + " 0\n";
}

inline std::string rosterFile(const std::vector<HeroSpec>& heroes) {
  std::string text = std::to_string(heroes.size()) + "\n";
  for (const HeroSpec& h : heroes) {
    text += heroRecord(h);
  }
  return text;
}

class GameWorld : public WorldTest {
 protected:
  static constexpr const char* kToday = "12/11/26";  // the test clock's date

  // Tables whose names and values follow the item number: weapon n attacks n and
  // powers n + 1, costs 100 n; level n needs 1000 n experience.
  void installGame(const std::string& roster = "0\n") {
    std::string weapons, armour, prices, levels;
    for (int n = 1; n <= 25; ++n) {
      const std::string k = std::to_string(n);
      weapons += "Weapon " + k + "\n" + k + " " + std::to_string(n + 1) + "\n";
      armour += "Armour " + k + "\n";
      prices += std::to_string(100 * n) + "\n";
    }
    for (int n = 1; n <= 28; ++n) {
      levels += std::to_string(1000 * n) + "\n";
    }
    writeFile("data/weapons.hlw", weapons);
    writeFile("data/armor.hlw", armour);
    writeFile("data/prices.hlw", prices);
    writeFile("data/experience.hlw", levels);
    writeFile("data/date.hlw", std::string(kToday) + "\n");
    writeFile("data/record.hlw", "0\n");
    writeFile("text/bullet.hlw", "The bridge at Karn is open again.\n");
    writeFile("data/characte.hlw", roster);
  }

  std::string sysopLog() const { return readFile("text/sysop.log"); }

  // A whole visit of a caller typing these keys (after any scripted before); the exit status.
  int visit(const std::string& user, const std::string& keys = "", bool sysop = false) {
    writeParams(user, sysop);
    screen.type(keys);
    return runVisit();
  }

  // Scripts a key that keeps in `snapshot` the screen as it stood when the key was read.
  void snapshotKey(unsigned char key) {
    screen.onKeyTime = [this](double seconds) {
      clock.seconds += seconds;
      snapshot = screen;
    };
    screen.press(key, 1);
  }
  ScreenModel snapshot;
};
