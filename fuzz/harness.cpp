#include "fuzz/harness.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <sstream>

#include "kit/crt.h"
#include "kit/display.h"
#include "kit/door.h"
#include "kit/ending.h"
#include "store/state.h"

namespace fs = std::filesystem;

namespace {
std::unique_ptr<ScreenModel> screen;
std::map<std::string, std::string> demo;
std::string scratch;

void removeScratchFolder() {
  std::error_code ignored;
  fs::remove_all(scratch, ignored);
}

std::string slurp(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

// tmpfs where there is one: every save of the game flushes to disk.
void enterScratchFolder() {
  std::string base = fs::is_directory("/dev/shm") ? "/dev/shm" : "/tmp";
  std::string pattern = base + "/stormhallow-fuzz-XXXXXX";
  if (mkdtemp(pattern.data()) == nullptr) {
    std::perror("mkdtemp");
    std::abort();
  }
  scratch = pattern;
  std::atexit(removeScratchFolder);
  fs::current_path(scratch);
  for (const char* folder : {"data", "text"}) {
    fs::create_directories(folder);
    for (const auto& entry : fs::directory_iterator(fs::path(DEMO_DIR) / folder)) {
      demo[std::string(folder) + "/" + entry.path().filename().string()] = slurp(entry.path());
    }
  }
}
}  // namespace

void putFile(const std::string& path, const std::string& contents) {
  std::ofstream(path, std::ios::binary | std::ios::trunc) << contents;
}

std::string demoFile(const std::string& path) {
  return demo.at(path);
}

std::string asText(const std::uint8_t* data, std::size_t size) {
  return std::string(reinterpret_cast<const char*>(data), size);
}

ScreenModel& freshVisit() {
  if (demo.empty()) {
    enterScratchFolder();
  }
  for (const auto& [path, contents] : demo) {
    putFile(path, contents);
  }
  CLOSELOG();
  HANGUP = 0;
  ADDTOFORE = 0;
  THISUSER = USERREC{};
  THISUSER.NAME = "Fuzz";
  THISUSER.LINELEN = 80;
  OKANSI = true;
  SO = false;
  GFILESPATH = "text/";
  DATAPATH = "data/";
  SYSOPFFN = "text/fuzz.log";
  PARAMFN.clear();
  RESETSTATE();
  screen = std::make_unique<ScreenModel>();
  CRT = screen.get();
  return *screen;
}

void survive(std::initializer_list<const char*> files, const std::function<void()>& reader) {
  try {
    reader();
  } catch (const VisitEnd&) {
  } catch (const FatalError& error) {
    const std::string what = error.what();
    for (const char* file : files) {
      if (what.rfind(file, 0) == 0) {
        CLOSELOG();
        return;
      }
    }
    std::fprintf(stderr, "fatal error without the file it is about: %s\n", what.c_str());
    std::abort();
  }
  CLOSELOG();
}
