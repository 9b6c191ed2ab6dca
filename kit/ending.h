#pragma once
// Ending a visit. Nothing exits deep inside: every way out throws to the program
// entry, which closes the sysop log, gives the terminal back and sets the exit status.

#include <stdexcept>
#include <string>

// Thrown by RETURN: the visit is over, with this exit status.
struct VisitEnd {
  int status;
};

// A fatal input/output error: the program stops at once and nothing is saved.
class FatalError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Exit status after a fatal input/output error.
constexpr int kFatalStatus = 2;

// Stops the visit with a fatal error naming the file, the line (0: none) and what was
// expected or what failed.
[[noreturn]] void FATAL(const std::string& file, int line, const std::string& what);
