#include "flow/lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <string>

#include "kit/console.h"
#include "kit/crt.h"
#include "kit/door.h"
#include "kit/text.h"

namespace {
constexpr int kWaitSeconds = 30;

// The lock is on the data folder itself: nothing is left behind by a visit that dies.
int lockFd = -1;

bool TRYLOCK() {
  return lockFd >= 0 && flock(lockFd, LOCK_EX | LOCK_NB) == 0;
}

// Keys typed while waiting count for nothing: read and thrown away, not left for later.
void WAITASECOND() {
  if (CRT->NKEYPRESSED(1000)) {
    while (!EMPTY() && !HANGUP) {
      unsigned char ignored = 0;
      NUGETKEY(ignored);
    }
  }
}

void SHOWNOW() {
  CRT->NDONOW(true);
  UPDATETHESCREEN();
}
}  // namespace

void LOCKGAME() {
  lockFd = ::open(DATAPATH.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  // Without a data folder there is nothing to guard: the hero file's reader reports it.
  if (lockFd < 0 || TRYLOCK()) {
    return;
  }
  ANSIC(3);
  PRINT("Another hero walks the streets of Esmor just now; please wait a moment.");
  for (int left = kWaitSeconds; left > 0 && !HANGUP; --left) {
    PROMPT("\rWaiting for the gates to open: " + PADL(std::to_string(left), 2) + " ");
    SHOWNOW();
    WAITASECOND();
    if (TRYLOCK()) {
      NL();
      return;
    }
  }
  NL();
  PRINT("The gates of Esmor stay closed. Please come back later.");
  SHOWNOW();
  RETURN();
}

void UNLOCKGAME() {
  if (lockFd >= 0) {
    ::close(lockFd);
    lockFd = -1;
  }
}
