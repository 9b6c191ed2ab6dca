#include "kit/ending.h"

[[noreturn]] void FATAL(const std::string& file, int line, const std::string& what) {
  std::string where = file;
  if (line > 0) {
    where += ", line " + std::to_string(line);
  }
  throw FatalError(where + ": " + what);
}
