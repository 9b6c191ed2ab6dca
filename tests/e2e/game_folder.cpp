#include "tests/e2e/game_folder.h"

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

GameFolder::GameFolder() {
  char pattern[] = "/tmp/stormhallow-e2e-XXXXXX";
  path_ = mkdtemp(pattern);
  for (const char* sub : {"data", "text"}) {
    fs::copy(fs::path(DEMO_DIR) / sub, fs::path(path_) / sub, fs::copy_options::recursive);
  }
}

GameFolder::~GameFolder() {
  std::error_code ignored;
  for (const auto& entry : fs::recursive_directory_iterator(path_, ignored)) {
    fs::permissions(entry.path(), fs::perms::owner_all, fs::perm_options::add, ignored);
  }
  fs::remove_all(path_, ignored);
}

void GameFolder::writeParams(const std::string& user, bool sysop) {
  std::ostringstream p;
  p << "1\n"
    << user << "\n"
    << user << "\n\n30\nM\n0\n12/10/26\n80\n25\n"
    << (sysop ? 255 : 30) << "\n0\n"
    << (sysop ? 1 : 0) << "\n1\n1\n3600\n/bbs/gfiles\n"
    << "/bbs/data\nsysop.log\n";
  write("params.txt", p.str());
}

std::string GameFolder::read(const std::string& path) const {
  std::ifstream in(fs::path(path_) / path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

void GameFolder::write(const std::string& path, const std::string& contents) const {
  std::ofstream(fs::path(path_) / path, std::ios::binary) << contents;
}
