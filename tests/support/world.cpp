#include "tests/support/world.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "flow/entry.h"
#include "kit/console.h"
#include "kit/crt.h"
#include "kit/display.h"
#include "kit/door.h"
#include "store/state.h"

namespace fs = std::filesystem;

double ScriptedRandom::next() {
  if (draws_.empty()) {
    return fallback_.next();
  }
  double d = draws_.front();
  draws_.pop_front();
  return d;
}

namespace {
void resetKit() {
  HANGUP = 0;
  ADDTOFORE = 0;
  THISUSER = USERREC{};
  USERNUM = 0;
  CS = SO = OKANSI = INCOM = false;
  TIMELEFT = TIMEON = 0;
  GFILESPATH = "text/";
  DATAPATH = "data/";
  SYSOPFFN.clear();
  CLOSELOG();
  PARAMFN.clear();
}
}  // namespace

void WorldTest::SetUp() {
  previousFolder_ = fs::current_path();
  char pattern[] = "/tmp/stormhallow-test-XXXXXX";
  folder = mkdtemp(pattern);
  fs::current_path(folder);
  fs::create_directories("data");
  fs::create_directories("text");
  resetKit();
  RESETSTATE();
  THISUSER.LINELEN = 80;
  OKANSI = true;
  CRT = &screen;
  CLOCK = &clock;
  RNG = &random;
  screen.onKeyTime = [this](double s) { clock.seconds += s; };
}

void WorldTest::TearDown() {
  CLOSELOG();
  CRT = nullptr;
  fs::current_path(previousFolder_);
  fs::remove_all(folder);
}

void WorldTest::writeFile(const std::string& path, const std::string& contents) {
  fs::path p = fs::path(folder) / path;
  fs::create_directories(p.parent_path());
  std::ofstream(p, std::ios::binary) << contents;
}

std::string WorldTest::readFile(const std::string& path) const {
  std::ifstream in(fs::path(folder) / path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

bool WorldTest::exists(const std::string& path) const {
  return fs::exists(fs::path(folder) / path);
}

void WorldTest::writeParams(const std::string& user, bool sysop, int width, bool colour) {
  std::ostringstream p;
  p << "1\n"
    << user << "\nReal Name\n\n30\nM\n100\n12/10/26\n"
    << width << "\n25\n"
    << (sysop ? 255 : 30) << "\n0\n"
    << (sysop ? 1 : 0) << "\n"
    << (colour ? 1 : 0) << "\n1\n3600\n/bbs/gfiles\n/bbs/data\nsysop.log\n";
  writeFile("params.txt", p.str());
  PARAMFN = folder + "/params.txt";
}

void WorldTest::installDemo() {
  for (const char* sub : {"data", "text"}) {
    fs::copy(fs::path(DEMO_DIR) / sub, fs::path(folder) / sub,
             fs::copy_options::recursive | fs::copy_options::overwrite_existing);
  }
}

int WorldTest::runVisit() {
  return RUNVISIT();
}

bool WorldTest::wrote(std::string_view text) const {
  return screen.transcript().find(text) != std::string::npos;
}

int WorldTest::timesWritten(std::string_view text) const {
  int n = 0;
  const std::string& t = screen.transcript();
  for (std::size_t at = t.find(text); at != std::string::npos; at = t.find(text, at + 1)) {
    ++n;
  }
  return n;
}

bool WorldTest::onScreen(std::string_view text) const {
  return screen.screenText().find(text) != std::string::npos;
}

int WorldTest::rowOf(std::string_view text) const {
  for (int y = 0; y < screen.height(); ++y) {
    if (screen.row(y).find(text) != std::string::npos) {
      return y;
    }
  }
  return -1;
}

int WorldTest::rowStarting(std::string_view start) const {
  for (int y = 0; y < screen.height(); ++y) {
    if (screen.row(y).starts_with(start)) {
      return y;
    }
  }
  return -1;
}
