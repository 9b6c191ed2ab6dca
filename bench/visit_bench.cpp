// The visit benchmark: a scripted visit of the demo game driven through a pseudo-terminal
// at every prompt, then the same visit replayed by the game and by the baseline door,
// measured side by side, and a table of ratios.
//   visit_bench --game BIN --baseline BIN --recorder BIN --demo DIR --work DIR
//               [--runs N] [--callgrind] [--quick] [--verbose]
// --quick: one run of each, peak memory not read; --verbose: the figures of every run.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <sstream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "bench/door_script.h"
#include "bench/pty_run.h"

namespace fs = std::filesystem;

namespace {
struct Options {
  std::string game;
  std::string baseline;
  std::string recorder;
  std::string demo;
  std::string work;
  int runs = 11;
  bool callgrind = false;
  bool quick = false;
  bool verbose = false;
};

// A key sent, and the line of the cursor it answered.
struct Key {
  unsigned char code;
  std::string line;
};

constexpr int kQuietMs = 5;
constexpr int kValgrindQuietMs = 60;
constexpr int kPromptTimeoutMs = 20000;
constexpr int kValgrindTimeoutMs = 180000;
constexpr int kFights = 11;
constexpr const char* kBattleCry = "Onward, for Esmor!";
constexpr const char* kUser = "Bench Caller";

[[noreturn]] void fail(const std::string& what) {
  std::fprintf(stderr, "visit_bench: %s\n", what.c_str());
  std::exit(1);
}

bool endsWith(const std::string& s, const std::string& tail) {
  return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}

std::string today() {
  std::time_t now = std::time(nullptr);
  char text[16];
  std::strftime(text, sizeof text, "%m/%d/%y", std::localtime(&now));
  return text;
}

// A fresh copy of the demo game with a caller's parameter file.
std::string freshGame(const Options& o, const std::string& name) {
  const fs::path folder = fs::path(o.work) / name;
  fs::remove_all(folder);
  fs::create_directories(folder);
  for (const char* part : {"data", "text"}) {
    fs::copy(fs::path(o.demo) / part, folder / part, fs::copy_options::recursive);
  }
  std::ofstream params(folder / "params.txt");
  params << "1\n"
         << kUser << "\n"
         << kUser << "\nBENCH\n30\nM\n0\n"
         << today() << "\n80\n25\n30\n0\n0\n1\n0\n3600\n/unused/\n/unused/\nsysop.log\n";
  return folder.string();
}

// The caller of the scripted visit: answers every prompt it knows; a prompt it does not
// know stops the benchmark with the screen shown.
class Caller {
 public:
  // The keys to answer the line of the cursor with; empty when it is no known prompt.
  std::string answer(const std::string& line) {
    if (endsWith(line, "[Pause]") || endsWith(line, "How many do points do you want healed? ")) {
      return "\r";
    }
    if (line == ">") {
      return std::string(kBattleCry) + "\r";
    }
    for (const char* yes : {"Is this correct? ", "Do you want to get it? ",
                            "Are you sure you want buy it? ", "LEAVE ESMOR? Are you sure?"}) {
      if (endsWith(line, yes)) {
        return "Y";
      }
    }
    if (endsWith(line, "Enter weapon/armour # you wish buy: ")) {
      return "2\r";
    }
    if (endsWith(line, "(W)eapon or (A)rmour: ")) {
      return "W";
    }
    if (endsWith(line, "(B)rowse, (S)ell, (P)urchase, or (Q)uit? ")) {
      return std::string(1, "BPQ"[std::min(shopVisits_++, 2)]);
    }
    if (line.rfind("Combat (", 0) == 0 && endsWith(line, "(B,F,S): ")) {
      return combat(std::atoi(line.c_str() + 8));
    }
    if (endsWith(line, "Command (?): ")) {
      return command();
    }
    return "";
  }
  bool planDone() const { return step_ >= plan().size(); }

 private:
  static const std::vector<std::string>& plan() {
    static const std::vector<std::string> kPlan = [] {
      std::vector<std::string> p(kFights, "1");
      for (const char* c : {"W", "H", "+", "-", "R", "F", "Q"}) {
        p.emplace_back(c);
      }
      return p;
    }();
    return kPlan;
  }
  // Flee below a quarter of the hit points; heal before a fight below half of them.
  std::string combat(int hps) {
    hps_ = hps;
    most_ = std::max(most_, hps);
    return hps * 4 < most_ ? "F" : "B";
  }
  std::string command() {
    if (step_ >= plan().size()) {
      return "Q";
    }
    if (plan()[step_] == "1" && hps_ * 2 < most_ && !healed_) {
      healed_ = true;
      return "H";
    }
    healed_ = false;
    return plan()[step_++];
  }

  std::size_t step_ = 0;
  int shopVisits_ = 0;
  int hps_ = 0;
  int most_ = 0;
  bool healed_ = false;
};

void stopWith(const PtyRun& run, const std::string& what) {
  fail(what + "; the screen:\n" + run.screenText());
}

// Drives the game at every prompt and writes down the keys.
std::vector<Key> scriptedVisit(const Options& o) {
  const std::string folder = freshGame(o, "scripted");
  PtyRun run({o.game, "params.txt"}, folder, kQuietMs, false);
  Caller caller;
  std::vector<Key> keys;
  std::string pending;
  for (;;) {
    // Asking a copy keeps the caller's own plan where it is until a key is sent.
    auto known = [&](const std::string& line) {
      Caller probe = caller;
      return !pending.empty() || !probe.answer(line).empty();
    };
    PtyRun::Wait w = run.awaitKeyWait(known, kPromptTimeoutMs);
    if (w == PtyRun::Wait::kEnded) {
      break;
    }
    if (w == PtyRun::Wait::kTimedOut) {
      stopWith(run, "no known prompt came");
    }
    const std::string reply = pending.empty() ? caller.answer(run.cursorLine()) : pending;
    keys.push_back({static_cast<unsigned char>(reply[0]), run.cursorLine()});
    run.send(static_cast<unsigned char>(reply[0]));
    pending = reply.substr(1);
  }
  if (!run.finish(kPromptTimeoutMs) || run.figures().exitStatus != 0) {
    stopWith(run, "the scripted visit did not end well");
  }
  if (!caller.planDone()) {
    std::printf("note: the visit ended before its plan did (the hero fell)\n");
  }
  std::ofstream(fs::path(o.work) / "transcript.bin", std::ios::binary) << run.transcript();
  std::ofstream out(fs::path(o.work) / "keys.tsv");
  for (const Key& k : keys) {
    out << static_cast<int>(k.code) << '\t' << k.line << '\n';
  }
  return keys;
}

// Runs a command to its end and gives its standard output.
std::string capture(const std::string& command) {
  std::string out;
  if (std::FILE* p = popen(command.c_str(), "r")) {
    char buf[256];
    while (std::fgets(buf, sizeof buf, p) != nullptr) {
      out += buf;
    }
    if (pclose(p) != 0) {
      fail("failed: " + command);
    }
  } else {
    fail("cannot run: " + command);
  }
  return out;
}

std::string quoted(const std::string& s) {
  return "'" + s + "'";
}

// The door script of the visit, made by the game itself from the same keys.
std::string doorScript(const Options& o, std::size_t keyCount) {
  const std::string folder = freshGame(o, "recorded");
  const std::string script = (fs::path(o.work) / "door.script").string();
  const std::string out =
      capture("cd " + quoted(folder) + " && " + quoted(o.recorder) + " " +
              quoted((fs::path(o.work) / "keys.tsv").string()) + " params.txt " + quoted(script));
  std::size_t waits = 0;
  std::size_t left = 0;
  std::istringstream(out) >> waits >> left;
  if (waits != keyCount || left != 0) {
    fail("the recorded visit went astray: " + std::to_string(waits) + " key waits for " +
         std::to_string(keyCount) + " keys");
  }
  return script;
}

// Bytes of the same visit written naively: every character once, one colour sequence
// per colour change, a clear as erase and home.
constexpr std::string_view kNaiveColour = "\033[0;37;40m";
constexpr std::string_view kNaiveClear = "\033[2J\033[H";

long long naiveBytes(const std::string& scriptPath) {
  std::ifstream in(scriptPath, std::ios::binary);
  const std::string s((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  long long bytes = 0;
  for (std::size_t i = 0; i < s.size(); ++i) {
    if (s[i] != SCRIPT_ESCAPE) {
      ++bytes;
      continue;
    }
    const char c = s[++i];
    if (c == SCRIPT_COLOUR) {
      bytes += static_cast<long long>(kNaiveColour.size());
      i += 2;
    } else if (c == SCRIPT_CLEAR) {
      bytes += static_cast<long long>(kNaiveClear.size());
      i += 1;
    } else if (c == SCRIPT_BELL) {
      bytes += 1;
    }
  }
  return bytes;
}

struct Replay {
  RunFigures figures;
  std::vector<std::string> screens;  // at every key wait
  std::vector<std::string> texts;
};

// Replays the keys, each when its line shows at the cursor.
Replay replay(const std::vector<std::string>& argv, const std::string& folder,
              const std::vector<Key>& keys, bool slow, bool tracePeak) {
  PtyRun run(argv, folder, slow ? kValgrindQuietMs : kQuietMs, tracePeak);
  const int timeout = slow ? kValgrindTimeoutMs : kPromptTimeoutMs;
  Replay r;
  for (const Key& k : keys) {
    auto same = [&](const std::string& line) { return line == k.line; };
    if (run.awaitKeyWait(same, timeout) != PtyRun::Wait::kReady) {
      stopWith(run, argv[0] + ": no key wait at \"" + k.line + "\"");
    }
    r.screens.push_back(run.screenCells());
    r.texts.push_back(run.screenText());
    run.send(k.code);
  }
  if (!run.finish(timeout)) {
    stopWith(run, argv[0] + ": did not end");
  }
  r.figures = run.figures();
  return r;
}

double median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v.empty() ? 0 : v[v.size() / 2];
}

// Other work on the machine only ever adds time: the quickest run is the steadiest figure.
double best(const std::vector<double>& v) {
  return v.empty() ? 0 : *std::min_element(v.begin(), v.end());
}

struct Side {
  std::vector<double> cpu, peak, first, bytes;
  void add(const RunFigures& f) {
    cpu.push_back(f.cpuSeconds * 1000);
    peak.push_back(static_cast<double>(f.peakKilobytes));
    first.push_back(f.firstWaitMs);
    bytes.push_back(static_cast<double>(f.bytes));
  }
};

long long instructionsIn(const std::string& file) {
  std::ifstream in(file);
  std::string line;
  while (std::getline(in, line)) {
    if (line.rfind("summary:", 0) == 0 || line.rfind("totals:", 0) == 0) {
      return std::atoll(line.c_str() + line.find(':') + 1);
    }
  }
  fail("no instruction count in " + file);
}

struct Instructions {
  double firstWait = 0;
  double visit = 0;
};

// One visit under callgrind, its profile cut before every call of `waitFunction`: the
// first part runs to the first key wait, all parts together are the visit.
Instructions instructions(const Options& o, const std::vector<std::string>& argv,
                          const std::string& folder, const std::vector<Key>& keys,
                          const std::string& name, const std::string& waitFunction) {
  const std::string out = (fs::path(o.work) / (name + ".callgrind")).string();
  for (const auto& entry : fs::directory_iterator(o.work)) {
    if (entry.path().filename().string().rfind(name + ".callgrind", 0) == 0) {
      fs::remove(entry.path());
    }
  }
  std::vector<std::string> command = {"valgrind", "--tool=callgrind", "--callgrind-out-file=" + out,
                                      "--dump-before=" + waitFunction};
  command.insert(command.end(), argv.begin(), argv.end());
  replay(command, folder, keys, true, false);
  Instructions n;
  n.firstWait = static_cast<double>(instructionsIn(out + ".1"));
  n.visit = static_cast<double>(instructionsIn(out));
  for (int part = 1; fs::exists(out + "." + std::to_string(part)); ++part) {
    n.visit += static_cast<double>(instructionsIn(out + "." + std::to_string(part)));
  }
  return n;
}

void row(const char* what, double game, double base, const char* unit, double target) {
  if (game <= 0 && base <= 0) {
    std::printf("%-26s %14s %14s\n", what, "-", "-");
    return;
  }
  const double ratio = base > 0 ? game / base : 0;
  std::printf("%-26s %14.1f %14.1f %-3s %8.2f  %s\n", what, game, base, unit, ratio,
              ratio <= target ? "met" : "MISSED");
}

// Counts the key waits at which the two showed different screens; the first one is kept.
std::size_t compareScreens(const Options& o, const Replay& g, const Replay& b) {
  std::size_t unlike = 0;
  for (std::size_t w = 0; w < g.screens.size() && w < b.screens.size(); ++w) {
    if (g.screens[w] == b.screens[w] || unlike++ != 0) {
      continue;
    }
    std::ofstream(fs::path(o.work) / "unlike-game.txt") << "key wait " << w << "\n" << g.texts[w];
    std::ofstream(fs::path(o.work) / "unlike-baseline.txt") << "key wait " << w << "\n"
                                                            << b.texts[w];
    const auto at = std::mismatch(g.screens[w].begin(), g.screens[w].end(), b.screens[w].begin());
    const long cell = (at.first - g.screens[w].begin()) / PtyRun::kCellBytes;
    std::printf("warning: the screens differ first at key wait %zu, column %ld, row %ld (see %s)\n",
                w, cell % PtyRun::kColumns + 1, cell / PtyRun::kColumns + 1, o.work.c_str());
  }
  return unlike;
}

void printRun(int run, const char* who, const RunFigures& f) {
  std::fprintf(stderr, "%s run %d: %.1f ms, %ld KiB, first key wait %.1f ms, %lld bytes\n", who,
               run, f.cpuSeconds * 1000, f.peakKilobytes, f.firstWaitMs, f.bytes);
}

std::string cpuModel() {
  std::ifstream in("/proc/cpuinfo");
  std::string line;
  while (std::getline(in, line)) {
    if (line.rfind("model name", 0) == 0) {
      return line.substr(line.find(':') + 2);
    }
  }
  return "unknown processor";
}

Options parse(int argc, char** argv) {
  Options o;
  std::map<std::string, std::string*> paths = {{"--game", &o.game},
                                               {"--baseline", &o.baseline},
                                               {"--recorder", &o.recorder},
                                               {"--demo", &o.demo},
                                               {"--work", &o.work}};
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    if (paths.count(a) != 0 && i + 1 < argc) {
      *paths[a] = argv[++i];
    } else if (a == "--runs" && i + 1 < argc) {
      o.runs = std::max(1, std::atoi(argv[++i]));
    } else if (a == "--verbose") {
      o.verbose = true;
    } else if (a == "--callgrind") {
      o.callgrind = true;
    } else if (a == "--quick") {
      o.quick = true;
      o.runs = 1;
    } else {
      fail("unknown argument " + a);
    }
  }
  for (const auto& [name, value] : paths) {
    if (value->empty()) {
      fail("missing " + name);
    }
  }
  return o;
}
}  // namespace

int main(int argc, char** argv) try {
  Options o = parse(argc, argv);
  fs::create_directories(o.work);
  // Every program runs in a folder of its own.
  for (std::string* path : {&o.game, &o.baseline, &o.recorder, &o.demo, &o.work}) {
    *path = fs::absolute(*path).string();
  }
  const std::vector<Key> keys = scriptedVisit(o);
  const std::string script = doorScript(o, keys.size());
  const std::vector<std::string> gameArgv = {o.game, "params.txt"};
  const std::vector<std::string> baseArgv = {o.baseline, script};

  Side game;
  Side base;
  std::size_t unlike = 0;
  for (int i = 1; i <= o.runs; ++i) {
    const Replay g = replay(gameArgv, freshGame(o, "game"), keys, false, !o.quick);
    const Replay b = replay(baseArgv, o.work, keys, false, !o.quick);
    unlike = std::max(unlike, compareScreens(o, g, b));
    game.add(g.figures);
    base.add(b.figures);
    if (o.verbose) {
      printRun(i, "game", g.figures);
      printRun(i, "baseline", b.figures);
    }
  }
  const long long naive = naiveBytes(script);

  std::printf("Stormhallow against the baseline door, %s (%u cores)\n", cpuModel().c_str(),
              std::thread::hardware_concurrency());
  std::printf(
      "Visit of %zu key waits, %d run(s) of each (times: the quickest run; the rest: "
      "medians); screens at the key waits: %s\n\n",
      keys.size(), o.runs, unlike == 0 ? "all alike" : "SOME DIFFER");
  std::printf("%-26s %14s %14s %-3s %8s  %s\n", "", "game", "baseline", "", "ratio", "target");
  row("processor time", best(game.cpu), best(base.cpu), "ms", 1.2);
  row("time to first key wait", best(game.first), best(base.first), "ms", 1.2);
  row("peak memory", median(game.peak), median(base.peak), "KiB", 1.5);
  row("bytes to the terminal", median(game.bytes), median(base.bytes), "B", 1.0);
  std::printf("%-26s %14.2f %14.2f     (naive transcript: %lld bytes)\n", "  ratio to naive",
              median(game.bytes) / static_cast<double>(naive),
              median(base.bytes) / static_cast<double>(naive), naive);
  if (o.callgrind) {
    const Instructions g =
        instructions(o, gameArgv, freshGame(o, "game"), keys, "game", "CursesConsole::READKEY*");
    const Instructions b = instructions(o, baseArgv, o.work, keys, "baseline", "wgetch");
    std::printf("instructions (callgrind):\n");
    row("  to the first key wait", g.firstWait / 1e6, b.firstWait / 1e6, "M", 1.2);
    row("  per visit", g.visit / 1e6, b.visit / 1e6, "M", 1.2);
  }
  return 0;
} catch (const std::exception& error) {
  fail(error.what());
}
