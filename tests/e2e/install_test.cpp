// The installed game as a sysop meets it: the build installed into a prefix, a game
// folder made from the installed demo with the guide's command and checked, and a
// visit through the installed binary with a hand-written parameter file.
#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "tests/e2e/terminal.h"

namespace fs = std::filesystem;

namespace {
// Runs a shell command quietly; its exit status.
int run(const std::string& command) {
  const int status = std::system((command + " >/dev/null 2>&1").c_str());
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::string shellWord(const std::string& path) {
  return "'" + path + "'";
}

std::string contents(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}
}  // namespace

class InstallTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/stormhallow-install-XXXXXX";
    prefix = mkdtemp(pattern);
  }
  void TearDown() override { fs::remove_all(prefix); }
  std::string prefix;
};

TEST_F(InstallTest, AVisitInAGameFolderMadeFromTheInstalledDemo) {
  const std::string build = fs::path(STORMHALLOW_BIN).parent_path();
  ASSERT_EQ(run("cmake --install " + shellWord(build) + " --prefix " + shellWord(prefix)), 0);
  for (const char* file :
       {"games/stormhallow", "games/stormhallow-check", "share/stormhallow/data/characte.hlw",
        "share/stormhallow/text/menu.hlw", "share/man/man6/stormhallow.6"}) {
    EXPECT_TRUE(fs::exists(prefix + "/" + file)) << file;
  }

  const std::string game = prefix + "/game";
  ASSERT_EQ(run("cp -r " + shellWord(prefix + "/share/stormhallow") + " " + shellWord(game)), 0);
  EXPECT_EQ(run(shellWord(prefix + "/games/stormhallow-check") + " " + shellWord(game)), 0);
  std::ofstream(game + "/params.txt")
      << "1\nTess\nTess Tester\n\n30\nF\n0\n12/11/26\n80\n25\n30\n0\n0\n1\n1\n3600\n"
         "/bbs/gfiles\n/bbs/data\nsysop.log\n";

  PtyTerminal term;
  term.binary = prefix + "/games/stormhallow";
  term.start(game, {"params.txt"});
  ASSERT_TRUE(term.waitFor("[Pause]")) << term.screenText();
  term.settle();
  term.send(" ");
  ASSERT_TRUE(term.waitFor("Enter your new Battle Cry.")) << term.screenText();
  term.settle();
  term.send("Onward\r");
  ASSERT_TRUE(term.waitFor("Is this correct?")) << term.screenText();
  term.settle();
  term.send("y");
  ASSERT_TRUE(term.waitFor("[Pause]")) << term.screenText();
  term.settle();
  term.send(" ");
  ASSERT_TRUE(term.waitFor("Command (?):")) << term.screenText();
  term.settle();
  term.send("q");
  ASSERT_TRUE(term.waitFor("LEAVE ESMOR? Are you sure?")) << term.screenText();
  term.settle();
  term.send("y");
  ASSERT_EQ(term.waitExit(), 0);

  EXPECT_EQ(contents(game + "/text/sysop.log"), "   #*#*# Tess Played Stormhallow.\n");
  EXPECT_EQ(contents(game + "/data/characte.hlw").rfind("1\nTess\nTess\nOnward\n0\n", 0), 0u)
      << contents(game + "/data/characte.hlw");
  EXPECT_EQ(contents(game + "/data/characte.bak"), "0\n");
  EXPECT_EQ(run(shellWord(prefix + "/games/stormhallow-check") + " " + shellWord(game)), 0);
}
