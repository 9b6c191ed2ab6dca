#pragma once
// A returning caller driven through the real game: the roster it starts from, the road to
// the command prompt, and what the operating system says of the game's process.

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "tests/e2e/terminal.h"

namespace caller {
// Tess has 300 Steel in hand and 100 in the bank; Grim is another hero.
constexpr const char* kRoster =
    "2\n"
    "Tess\nTess\nOnward!\n0\n"
    "14 12 12 12 11 12 500 2 20 3 2 300  3 100 1 0 0\n"
    "Grim\nGrim\nNone shall pass.\n0\n"
    "12 12 12 12 12 12 90 1 15 1 1 210  3 57 2 1 0\n";
// Tess after a deposit, on the first visit of a new game day.
constexpr const char* kTessDeposited = "14 12 12 12 11 12 500 2 20 3 2 0  2 400 1 0 0\n";

// From the start, past the credits and the login's pause, to the command prompt.
inline void reachCommandPrompt(PtyTerminal& term, const std::string& folder) {
  term.start(folder, {"params.txt"});
  for (int pause = 0; pause < 2; ++pause) {
    ASSERT_TRUE(term.waitFor("[Pause]")) << term.screenText();
    term.settle();
    term.send(" ");
  }
  ASSERT_TRUE(term.waitFor("Command (?):")) << term.screenText();
  term.settle();
}

// A command key, and the wait for what it shows.
inline void command(PtyTerminal& term, const std::string& key, const std::string& shown) {
  term.send(key);
  ASSERT_TRUE(term.waitFor(shown)) << term.screenText();
  term.settle();
}

// The process whose working folder is `folder` (the game started there), other than
// `other`; -1 if none.
inline pid_t gameIn(const std::string& folder, pid_t other = -1) {
  const auto wanted = std::filesystem::canonical(folder);
  for (const auto& entry : std::filesystem::directory_iterator("/proc")) {
    std::error_code error;
    const auto cwd = std::filesystem::read_symlink(entry.path() / "cwd", error);
    const std::string name = entry.path().filename().string();
    if (!error && cwd == wanted && name != std::to_string(getpid()) &&
        name != std::to_string(other)) {
      return static_cast<pid_t>(std::stol(name));
    }
  }
  return -1;
}

// Processor time the process has used, user and system, in clock ticks.
inline long cpuTicks(pid_t pid) {
  std::ifstream in("/proc/" + std::to_string(pid) + "/stat");
  std::string stat((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  // Fields after the name in parentheses, which may hold blanks: utime and stime are the
  // 12th and 13th of them.
  std::istringstream rest(stat.substr(stat.rfind(')') + 2));
  std::string field;
  long utime = 0;
  long stime = 0;
  for (int n = 1; n <= 13 && rest >> field; ++n) {
    if (n == 12) {
      utime = std::stol(field);
    } else if (n == 13) {
      stime = std::stol(field);
    }
  }
  return utime + stime;
}

// Ticks used over one second of waiting.
inline long ticksOverASecond(pid_t pid) {
  const long before = cpuTicks(pid);
  sleep(1);
  return cpuTicks(pid) - before;
}
}  // namespace caller
