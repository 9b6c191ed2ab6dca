#pragma once
// A returning hero's visit driven through the real game: the road to the command prompt, a
// fight fought to its end, and the numbers the screen tells along the way.

#include <gtest/gtest.h>

#include <string>

#include "tests/e2e/caller.h"
#include "tests/e2e/terminal.h"

namespace hero_visit {
// From the start, past the credits and the login's pause, to the command prompt.
inline void reachCommandPrompt(PtyTerminal& term, const std::string& folder) {
  caller::reachCommandPrompt(term, folder);
  ASSERT_EQ(term.lastLine(), "Command (?):") << term.screenText();
}

// Battles at every combat prompt and leaves every drop lying, until the fight is over:
// back at the command prompt, or the game gone with the hero.
inline void fightToTheEnd(PtyTerminal& term) {
  for (int pass = 0; pass < 100; ++pass) {
    const std::string line = term.lastLine();
    if (line.ends_with("(B,F,S):")) {
      term.send("b");
    } else if (line == "Do you want to get it?") {
      term.send("n");
    } else {
      return;
    }
  }
  FAIL() << "the fight does not end\n" << term.screenText();
}

// The whole number the screen shows right after `text`.
inline long shownAfter(const PtyTerminal& term, const std::string& text) {
  const std::string screen = term.screenText();
  const std::size_t at = screen.find(text);
  if (at == std::string::npos) {
    ADD_FAILURE() << "not shown: " << text << "\n" << screen;
    return 0;
  }
  return std::stol(screen.substr(at + text.size()));
}

inline void quit(PtyTerminal& term) {
  term.send("q");
  ASSERT_TRUE(term.answer("LEAVE ESMOR? Are you sure?", "y")) << term.screenText();
}
}  // namespace hero_visit
