#include "kit/dropfile.h"

#include <algorithm>
#include <cstddef>
#include <string>
#include <vector>

#include "kit/crt.h"
#include "kit/door.h"
#include "kit/ending.h"
#include "kit/text.h"
#include "kit/textfile.h"

namespace {
constexpr int kSysopLevel = 255;
// Neither format names a sysop log.
constexpr const char* kLog = "sysop.log";

// What either format tells of the caller, in the game's units.
struct Caller {
  int aliasLine = 0;
  int number = 0;
  std::string alias;
  std::string realName;
  std::string lastOn;
  int level = 0;
  bool ansi = false;
  bool remote = false;
  double secondsLeft = 0;
  int pageLength = 0;
};

// A drop file's lines by number from 1; a line past the end is empty, so that the short
// files older boards write read as far as they go.
class Lines {
 public:
  explicit Lines(TextFile& f) {
    while (!f.eof()) {
      lines_.push_back(f.readLine(STRTMAX));
    }
  }
  std::string text(std::size_t n) const { return n <= lines_.size() ? lines_[n - 1] : ""; }
  // Boards pad numbers with blanks and may write decimals: the whole number is taken.
  int number(std::size_t n) const { return VALUE(text(n)); }
  bool blank(std::size_t n) const { return text(n).find_first_not_of(" \t") == std::string::npos; }

 private:
  std::vector<std::string> lines_;
};

std::string nameOf(const std::string& path) {
  std::size_t slash = path.find_last_of('/');
  std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
  for (char& c : name) {
    c = static_cast<char>(UPCASE(static_cast<unsigned char>(c)));
  }
  return name;
}

// DOOR32.SYS: 11 lines; the time left is in minutes, the emulation 0 for plain text.
Caller door32(const Lines& l) {
  Caller c;
  c.remote = l.number(1) != 0;
  c.number = l.number(5);
  c.realName = l.text(6);
  c.aliasLine = 7;
  c.alias = l.text(7);
  c.level = l.number(8);
  c.secondsLeft = l.number(9) * 60.0;
  c.ansi = l.number(10) >= 1;
  return c;
}

// DOOR.SYS: 52 lines (older boards stop after 31); the alias is line 36.
Caller doorSys(const Lines& l) {
  Caller c;
  c.remote = l.text(1) != "COM0" && l.text(1) != "COM0:";
  c.realName = l.text(10);
  c.level = l.number(15);
  c.lastOn = l.text(17);
  c.secondsLeft = l.blank(18) ? l.number(19) * 60.0 : l.number(18);
  const std::string graphics = l.text(20);
  c.ansi = graphics == "GR" || graphics == "RIP";
  c.pageLength = l.number(21);
  c.number = l.number(26);
  c.aliasLine = 36;
  c.alias = l.text(36);
  return c;
}

void useCaller(Caller c, const std::string& path) {
  if (c.alias.empty()) {
    c.alias = c.realName;
  }
  if (c.alias.empty()) {
    FATAL(path, c.aliasLine, "expected the caller's alias or real name");
  }
  THISUSER = USERREC{};
  THISUSER.NAME = c.alias.substr(0, 25);
  THISUSER.REALNAME = c.realName.substr(0, 14);
  THISUSER.LASTON = c.lastOn.substr(0, 10);
  THISUSER.LINELEN = 80;
  THISUSER.PAGELEN =
      static_cast<unsigned char>(c.pageLength > 0 && c.pageLength <= 255 ? c.pageLength : 25);
  THISUSER.SL = static_cast<unsigned char>(std::clamp(c.level, 0, kSysopLevel));
  USERNUM = c.number;
  CS = false;
  SO = c.level >= kSysopLevel;
  OKANSI = c.ansi;
  INCOM = c.remote;
  TIMELEFT = c.secondsLeft;
  GFILESPATH.clear();
  DATAPATH.clear();
  SYSOPFFN = kLog;
}
}  // namespace

bool ISDROPFILE(const std::string& PATH) {
  const std::string name = nameOf(PATH);
  return name == "DOOR32.SYS" || name == "DOOR.SYS";
}

void READDROPFILE(TextFile& F) {
  const Lines lines(F);
  useCaller(nameOf(F.name()) == "DOOR32.SYS" ? door32(lines) : doorSys(lines), F.name());
}
