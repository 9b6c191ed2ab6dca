#include "flow/check.h"

#include <unistd.h>

#include <array>
#include <functional>
#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "combat/areas.h"
#include "kit/crt.h"
#include "kit/door.h"
#include "kit/ending.h"
#include "kit/textfile.h"
#include "store/daily.h"
#include "store/herofile.h"
#include "store/records.h"
#include "store/state.h"
#include "store/tables.h"

namespace {
constexpr const char* kScreens[] = {"menu.hlw", "docs.hlw", "plug.hlw", "guards.hlw", "bullet.hlw"};

class Checker {
 public:
  explicit Checker(std::ostream& out) : out_(out) {}

  void error(const std::string& problem) {
    out_ << "error: " << problem << "\n";
    ++errors_;
  }
  void warning(const std::string& problem) {
    out_ << "warning: " << problem << "\n";
    ++warnings_;
  }

  // Runs one of the game's readers; its fatal error is this file's error.
  bool readWith(const std::function<void()>& reader) {
    try {
      reader();
      return true;
    } catch (const FatalError& e) {
      error(e.what());
      return false;
    }
  }

  int verdict(const std::string& folder) {
    out_ << folder << ": " << (errors_ == 0 ? "playable" : "not playable") << " ("
         << counted(errors_, "error") << ", " << counted(warnings_, "warning") << ")\n";
    return errors_ == 0 ? 0 : 1;
  }

 private:
  static std::string counted(int n, const char* what) {
    return std::to_string(n) + " " + what + (n == 1 ? "" : "s");
  }

  std::ostream& out_;
  int errors_ = 0;
  int warnings_ = 0;
};

std::string at(const std::string& path, int line) {
  return path + ", line " + std::to_string(line) + ": ";
}

std::vector<std::string> linesOf(const std::string& path) {
  std::vector<std::string> lines;
  TextFile f;
  if (f.open(path)) {
    while (!f.eof()) {
      lines.push_back(f.readLine(std::string::npos));
    }
  }
  return lines;
}

bool blank(const std::string& line) {
  return line.find_first_not_of(" \t") == std::string::npos;
}

// The line of the first text left after a reader is done with the file; 0 if none.
int textLeftIn(TextFile& f) {
  while (!f.eof()) {
    const int line = f.line();
    if (!blank(f.readLine(std::string::npos))) {
      return line;
    }
  }
  return 0;
}

// The readers cut a text line silently; a text read at its full length may have been
// longer in the file, so every line that starts with it and goes on is reported.
void reportCuts(Checker& check, const std::string& path, const std::vector<std::string>& texts,
                std::size_t max, const std::string& what) {
  const std::vector<std::string> lines = linesOf(path);
  std::set<std::size_t> reported;
  for (const std::string& text : texts) {
    if (text.size() != max) {
      continue;
    }
    for (std::size_t i = 0; i < lines.size(); ++i) {
      if (lines[i].size() > max && lines[i].compare(0, max, text) == 0 &&
          reported.insert(i).second) {
        check.warning(at(path, static_cast<int>(i + 1)) + what + " is cut at " +
                      std::to_string(max) + " characters to \"" + text + "\"");
      }
    }
  }
}

// Entries 1 to count of a table.
template <std::size_t S>
std::vector<std::string> listed(const std::array<std::string, S>& table, int count) {
  return {table.begin() + 1, table.begin() + 1 + count};
}

void checkRoster(Checker& check) {
  const std::string path = DATAPATH + "characte.hlw";
  TextFile f;
  if (!check.readWith([&] {
        f.openOrDie(path);
        READHEROES(f);
      })) {
    return;
  }
  if (const int line = textLeftIn(f)) {
    check.error(at(path, line) + "expected the end of the file after the heroes line 1 counts (" +
                std::to_string(NUMBER_OF_PLAYERS) + "): the rest would be lost at the next save");
  }
  std::vector<std::string> names;
  std::vector<std::string> cries;
  for (int i = 1; i <= NUMBER_OF_PLAYERS; ++i) {
    names.insert(names.end(), {PLAYER[i].NAME, PLAYER[i].PSEUDO});
    if (PLAYER[i].STATUS == 1) {
      names.push_back(PLAYER[i].KILLER);
    }
    cries.push_back(PLAYER[i].GASPD);
  }
  reportCuts(check, path, names, NAMEMAX, "a name");
  reportCuts(check, path, cries, CRYMAX, "a battle cry");
}

void checkTables(Checker& check) {
  if (check.readWith(READWEAPONS)) {
    reportCuts(check, DATAPATH + "weapons.hlw", listed(WNAME, MAXITEMS), NAMEMAX, "a name");
  }
  if (check.readWith(READARMOUR)) {
    reportCuts(check, DATAPATH + "armor.hlw", listed(SNAME, MAXITEMS), NAMEMAX, "a name");
  }
  check.readWith(READPRICES);
  check.readWith(READLEVELS);
}

bool isDate(const std::string& text) {
  auto two = [&](std::size_t at, int low, int high) {
    if (text[at] < '0' || text[at] > '9' || text[at + 1] < '0' || text[at + 1] > '9') {
      return false;
    }
    const int n = (text[at] - '0') * 10 + (text[at + 1] - '0');
    return n >= low && n <= high;
  };
  return text.size() == 8 && text[2] == '/' && text[5] == '/' && two(0, 1, 12) && two(3, 1, 31) &&
         two(6, 0, 99);
}

void checkDay(Checker& check) {
  std::string day;
  if (check.readWith([&] { day = READDAY(); }) && !day.empty() && !isDate(day)) {
    check.warning(at(DATAPATH + "date.hlw", 1) +
                  "expected the last game day as MM/DD/YY, found \"" + day +
                  "\": the next visit takes it for an old day");
  }
}

void checkRecords(Checker& check) {
  const std::string path = DATAPATH + "record.hlw";
  if (!check.readWith(READLA)) {
    return;
  }
  std::vector<std::string> lines = linesOf(path);
  while (lines.size() > 1 && blank(lines.back())) {
    lines.pop_back();
  }
  const std::size_t held = lines.size() - 1;
  if (held > static_cast<std::size_t>(NUMBER)) {
    check.warning(
        at(path, NUMBER + 2) + "expected the end of the file after the fight records read (" +
        std::to_string(NUMBER) + "; line 1 counts them, 30 at most): the rest are not shown");
  }
  reportCuts(check, path, listed(RESULT, NUMBER), RECORDMAX, "a fight record");
}

void checkMonsters(Checker& check) {
  for (int area = 1; area <= 5; ++area) {
    const std::string path = DATAPATH + "junkm" + std::to_string(area) + ".hlw";
    TextFile f;
    std::vector<std::string> names;
    if (!check.readWith([&] {
          f.openOrDie(path);
          const int count = READMONSTERCOUNT(f);
          for (int k = 1; k <= count; ++k) {
            READMONSTER(f, k);
            names.push_back(OPP.NAME);
          }
        })) {
      continue;
    }
    if (const int line = textLeftIn(f)) {
      check.warning(at(path, line) +
                    "expected the end of the file after the monsters line 1 counts (" +
                    std::to_string(names.size()) + "): the rest are never met");
    }
    reportCuts(check, path, names, NAMEMAX, "a name");
  }
}

void checkScreens(Checker& check) {
  for (const char* screen : kScreens) {
    const std::string path = GFILESPATH + screen;
    TextFile f;
    if (!f.open(path)) {
      check.warning(path + ": missing: the game shows \"File not found.\" in its place");
      continue;
    }
    while (!f.eof()) {
      const int line = f.line();
      if (f.readLine(std::string::npos).size() > STRTMAX) {
        check.warning(at(path, line) + "expected at most 240 characters: the rest is not shown");
      }
    }
  }
}

// The game saves a file by writing a new one beside it.
void checkWritable(Checker& check, const std::string& path, const char* saves) {
  if (::access(path.c_str(), W_OK | X_OK) != 0) {
    check.error(path + ": cannot be written: the game saves " + saves + " there");
  }
}
}  // namespace

int CHECKFOLDER(const std::string& FOLDER, std::ostream& OUT) {
  Checker check(OUT);
  const std::string base = FOLDER.empty() || FOLDER.back() == '/' ? FOLDER : FOLDER + "/";
  RESETSTATE();
  DATAPATH = base + "data/";
  GFILESPATH = base + "text/";
  if (!DIREXIST(FOLDER.empty() ? "." : FOLDER)) {
    check.error(FOLDER + ": not a folder");
  } else {
    const std::string data = base + "data";
    if (!DIREXIST(data)) {
      check.error(data +
                  ": missing: it holds the roster, the tables, the monsters and the game day");
    } else {
      checkWritable(check, data, "the roster, the game day and the fight records");
      checkRoster(check);
      checkTables(check);
      checkDay(check);
      checkRecords(check);
      checkMonsters(check);
    }
    // The game makes a missing text folder, but no screen in it.
    const std::string text = base + "text";
    if (!DIREXIST(text)) {
      check.warning(text + ": missing: every screen would show \"File not found.\"");
    } else {
      checkWritable(check, text, "the news and the sysop log");
      checkScreens(check);
    }
  }
  return check.verdict(FOLDER);
}
