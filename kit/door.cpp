#include "kit/door.h"

#include <sys/stat.h>

#include "kit/console.h"
#include "kit/crt.h"
#include "kit/dropfile.h"
#include "kit/ending.h"
#include "kit/textfile.h"

USERREC THISUSER;
int USERNUM = 0;
bool CS = false;
bool SO = false;
bool OKANSI = false;
bool INCOM = false;
double TIMELEFT = 0;
double TIMEON = 0;
std::string GFILESPATH;
std::string DATAPATH;
std::string SYSOPFFN;
std::FILE* SYSOPF = nullptr;
std::string PARAMFN;

namespace {
constexpr std::size_t kPathMax = 80;

unsigned char readByte(TextFile& f, const char* what) {
  auto v = static_cast<unsigned char>(f.readInt(what) & 0xff);
  f.skipLine();
  return v;
}

bool readFlag(TextFile& f, const char* what) {
  bool v = f.readInt(what) == 1;
  f.skipLine();
  return v;
}

void readParameters(TextFile& f) {
  USERNUM = static_cast<short>(f.readInt("the user number on line 1"));
  f.skipLine();
  THISUSER.NAME = f.readField(25, "the user name on line 2");
  THISUSER.REALNAME = f.readField(14, "the full name on line 3");
  THISUSER.CALLSIGN = f.readField(8, "the call sign on line 4");
  THISUSER.AGE = readByte(f, "the age on line 5");
  std::string sex = f.readField(1, "the sex on line 6");
  THISUSER.SEX = sex.empty() ? ' ' : sex[0];
  THISUSER.GOLD = f.readReal("the gold on line 7");
  f.skipLine();
  THISUSER.LASTON = f.readField(10, "the date of the last call on line 8");
  THISUSER.LINELEN = readByte(f, "the screen width on line 9");
  THISUSER.PAGELEN = readByte(f, "the screen length on line 10");
  THISUSER.SL = readByte(f, "the security level on line 11");
  CS = readFlag(f, "the co-sysop flag on line 12");
  SO = readFlag(f, "the sysop flag on line 13");
  OKANSI = readFlag(f, "the colour flag on line 14");
  INCOM = readFlag(f, "the remote flag on line 15");
  TIMELEFT = f.readReal("the time left on line 16");
  f.skipLine();
  GFILESPATH = f.readField(kPathMax, "the text files folder on line 17");
  DATAPATH = f.readField(kPathMax, "the data files folder on line 18");
  SYSOPFFN = f.readField(STRTMAX, "the sysop log name on line 19");
}

void writeStraight(std::string_view text) {
  for (char c : text) {
    CRT->WRITE(static_cast<unsigned char>(c));
  }
}
}  // namespace

bool DIREXIST(const std::string& ST_DIR) {
  struct stat st {};
  return ::stat(ST_DIR.substr(0, 255).c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

void IPORT() {
  UPDATETHESCREEN();
  CHECKHANGUP();
  TextFile f;
  if (PARAMFN.empty()) {
    f.openStream(stdin, "standard input");
  } else if (!f.open(PARAMFN)) {
    writeStraight("Parameter file not found.\r\n");
    UPDATETHESCREEN();
    throw VisitEnd{0};
  }
  if (ISDROPFILE(PARAMFN)) {
    READDROPFILE(f);
  } else {
    readParameters(f);
  }
  // A host that leaves the width 0 or unset would leave no room on a line.
  if (THISUSER.LINELEN < 3) {
    THISUSER.LINELEN = 80;
  }
  if (!DIREXIST("data")) {
    ::mkdir("data", 0777);
  }
  if (!DIREXIST("text")) {
    ::mkdir("text", 0777);
  }
  GFILESPATH = "text/";
  DATAPATH = "data/";
  SYSOPFFN = ("text/" + SYSOPFFN).substr(0, kPathMax);
  SYSOPF = std::fopen(SYSOPFFN.c_str(), "a");
  if (SYSOPF == nullptr) {
    SYSOPF = std::fopen(SYSOPFFN.c_str(), "w");
  }
  if (SYSOPF == nullptr) {
    FATAL(SYSOPFFN, 0, "the sysop log can neither be appended to nor created");
  }
  HANGUP = 0;
  TIMEON = TIMER();
}

void SL1(std::string_view I) {
  std::string line(I);
  line += '\n';
  if (SYSOPF == nullptr || std::fputs(line.c_str(), SYSOPF) < 0 || std::fflush(SYSOPF) != 0) {
    FATAL(SYSOPFFN, 0, "the sysop log cannot be written");
  }
}

void SYSOPLOG(std::string_view I) {
  SL1("   " + std::string(CUTSTRT(I)));
}

void CLOSELOG() {
  if (SYSOPF != nullptr) {
    std::fclose(SYSOPF);
    SYSOPF = nullptr;
  }
}

[[noreturn]] void RETURN() {
  CLOSELOG();
  throw VisitEnd{0};
}
