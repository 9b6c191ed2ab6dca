#pragma once
// The real game in a pseudo-terminal of 80 x 25, read through libvterm: a caller's screen
// of cells with characters and colours, keys and signals sent, the exit status read.

#include <sys/types.h>
#include <termios.h>

#include <map>
#include <string>
#include <vector>

struct VTerm;
struct VTermScreen;

struct TermCell {
  std::string ch;  // UTF-8
  int fore = -1;   // palette index 0 to 15, -1 for the terminal's default
  int back = -1;
  bool bold = false;
};

class PtyTerminal {
 public:
  static constexpr int kRows = 25;
  static constexpr int kColumns = 80;

  PtyTerminal();
  ~PtyTerminal();
  PtyTerminal(const PtyTerminal&) = delete;
  PtyTerminal& operator=(const PtyTerminal&) = delete;

  // Environment of the game, pinned; a value of nullptr unsets the variable.
  std::map<std::string, const char*> env{
      {"TERM", "xterm-256color"}, {"TZ", "UTC"},       {"LINES", "25"},
      {"COLUMNS", "80"},          {"LANG", "C.UTF-8"}, {"LC_ALL", nullptr}};
  // The program to run: the game of this build unless a test installed another.
  std::string binary = STORMHALLOW_BIN;
  // Standard input from a pipe the test closes, instead of the terminal.
  bool inputFromPipe = false;
  // A limit on the size of the files the game writes, in bytes (-1: none); a write past
  // it kills the game, as a crash or a power cut in the middle of a save would.
  long fileSizeLimit = -1;

  // Starts the game in `folder` with these arguments.
  void start(const std::string& folder, const std::vector<std::string>& args);

  // Reads the game's output until the screen shows `text`. False when the game falls
  // silent for `silenceMs` without showing it, or ends.
  bool waitFor(const std::string& text, int silenceMs = 5000);
  // Reads until the game has written nothing for `quietMs` (it waits for a key).
  void settle(int quietMs = 300);
  void send(const std::string& keys);
  void signal(int signum);
  void closeInput();
  // Waits at most `timeoutMs` for the game to end; its exit status, or -1 if it did not
  // end, or 128 + the signal that ended it. The rest of its output is read first.
  int waitExit(int timeoutMs = 5000);
  bool running() const { return pid_ > 0; }

  // Waits for `shown`, lets the game finish writing, then sends `keys`; false (and nothing
  // sent) when it is not shown.
  bool answer(const std::string& shown, const std::string& keys);
  // The last row that is not blank, once the game has finished writing: where it waits.
  std::string lastLine();

  std::string row(int y) const;  // trailing blanks removed
  std::string screenText() const;
  TermCell cell(int x, int y) const;
  // The first cell of the first place `text` shows on the screen; {-1, -1} if nowhere.
  std::pair<int, int> find(const std::string& text) const;

  // The terminal's modes are as they were before the game started.
  bool modesAsBefore() const;

 private:
  bool pump(int waitMs);
  void reap(int options);

  VTerm* vt_ = nullptr;
  VTermScreen* screen_ = nullptr;
  int master_ = -1;
  int slave_ = -1;  // kept open so the modes can be read after the game ends
  int inputPipe_ = -1;
  pid_t pid_ = -1;
  int status_ = -1;
  termios before_{};
};
