#include "flow/entry.h"

#include <cstdio>

#include "flow/lock.h"
#include "flow/visit.h"
#include "kit/console.h"
#include "kit/curses_console.h"
#include "kit/door.h"
#include "kit/ending.h"

namespace {
void reportFatal(const char* message) {
  std::fprintf(stderr, "stormhallow: %s\n", message);
}
}  // namespace

int RUNVISIT() {
  int status = 0;
  std::string fatal;
  try {
    MAINPROGRAM();
  } catch (const VisitEnd& end) {
    status = end.status;
  } catch (const FatalError& error) {
    fatal = error.what();
    status = kFatalStatus;
  }
  CLOSELOG();
  UNLOCKGAME();
  CRT->DONE();
  // After the terminal is given back, so the message stays readable.
  if (!fatal.empty()) {
    reportFatal(fatal.c_str());
  }
  return status;
}

int STORMHALLOW(int argc, char** argv) {
  PARAMFN = argc > 1 ? argv[1] : "";
  try {
    CursesConsole console;
    CRT = &console;
    return RUNVISIT();
  } catch (const FatalError& error) {
    reportFatal(error.what());
    return kFatalStatus;
  }
}
