#pragma once
// One program run in a pseudo-terminal of 80 x 25 and read through libvterm, as a caller's
// terminal would show it: its bytes counted, its key waits found on the screen, and its
// processor time and peak memory taken from the kernel when it ends.

#include <sys/types.h>

#include <chrono>
#include <functional>
#include <string>
#include <vector>

struct VTerm;
struct VTermScreen;

struct RunFigures {
  double cpuSeconds = 0;   // user + system
  long peakKilobytes = 0;  // ru_maxrss
  double firstWaitMs = 0;  // start to the first key wait
  long long bytes = 0;     // written to the terminal
  int exitStatus = -1;
  int keyWaits = 0;
};

class PtyRun {
 public:
  static constexpr int kRows = 25;
  static constexpr int kColumns = 80;

  // Starts `argv` in `folder`, with the terminal's environment pinned. Its peak memory is
  // read only when `tracePeak`: the program is traced for it (a leak checker that traces
  // its own process cannot run then).
  PtyRun(const std::vector<std::string>& argv, const std::string& folder, int quietMs,
         bool tracePeak);
  ~PtyRun();
  PtyRun(const PtyRun&) = delete;
  PtyRun& operator=(const PtyRun&) = delete;

  enum class Wait { kReady, kEnded, kTimedOut };
  // Reads until the program waits for a key with `ready` true of the line of the cursor
  // (its text up to the cursor), after some output since the last key.
  Wait awaitKeyWait(const std::function<bool(const std::string&)>& ready, int timeoutMs);
  void send(unsigned char key);
  // Reads to the end and collects the figures; false if it did not end in time.
  bool finish(int timeoutMs);

  std::string cursorLine() const;
  std::string screenText() const;
  // Characters and colours of every cell, kCellBytes each, to compare two screens.
  static constexpr int kCellBytes = 10;
  std::string screenCells() const;
  const std::string& transcript() const { return transcript_; }
  const RunFigures& figures() const { return figures_; }

 private:
  using Clock = std::chrono::steady_clock;
  // Reads what is there, waiting at most waitMs; the bytes read, -1 at the end.
  long pump(int waitMs);
  bool reap();

  VTerm* vt_ = nullptr;
  VTermScreen* screen_ = nullptr;
  int master_ = -1;
  pid_t pid_ = -1;
  int quietMs_;
  Clock::time_point started_;
  Clock::time_point lastByte_;
  Clock::time_point lastKey_;
  long long bytesSinceKey_ = 0;
  std::string transcript_;
  RunFigures figures_;
};
