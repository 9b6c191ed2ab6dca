#pragma once
// A copy of the demo installation in a fresh temporary folder, with a parameter file.

#include <string>

class GameFolder {
 public:
  GameFolder();
  ~GameFolder();
  GameFolder(const GameFolder&) = delete;
  GameFolder& operator=(const GameFolder&) = delete;

  // params.txt for a caller; the game is started with it as its argument.
  void writeParams(const std::string& user, bool sysop = false);
  std::string read(const std::string& path) const;
  void write(const std::string& path, const std::string& contents) const;
  const std::string& path() const { return path_; }

 private:
  std::string path_;
};
