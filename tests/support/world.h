#pragma once
// The test world: a fresh temporary game folder, every global reset, the screen model as
// the console, a scripted random source and a clock the test moves.

#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <string_view>

#include "kit/clock.h"
#include "kit/random.h"
#include "kit/screen_model.h"

class TestClock : public Clock {
 public:
  double secondsSinceMidnight() override { return seconds; }
  CalendarDate today() override { return date; }
  double seconds = 12 * 3600.0;
  CalendarDate date{2026, 12, 11};
};

// Scripted draws first, then a fixed-seed sequence.
class ScriptedRandom : public RandomSource {
 public:
  double next() override;
  void script(std::initializer_list<double> draws) { draws_.insert(draws_.end(), draws); }
  // A draw that makes Random(n) give k.
  void scriptPick(int k, int n) { draws_.push_back((k + 0.5) / n); }
  std::size_t left() const { return draws_.size(); }

 private:
  std::deque<double> draws_;
  SeededRandom fallback_;
};

class WorldTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Files of the game folder, by path relative to it.
  void writeFile(const std::string& path, const std::string& contents);
  std::string readFile(const std::string& path) const;
  bool exists(const std::string& path) const;
  // A parameter file for a caller, as params.txt; the visit's PARAMFN points at it.
  void writeParams(const std::string& user, bool sysop = false, int width = 80, bool colour = true);
  // The demo installation's data and screen files.
  void installDemo();
  // Runs a whole visit on the screen model and gives its exit status.
  int runVisit();

  // What the console shows or was sent: the transcript holds every byte written, the
  // screen only what still stands.
  bool wrote(std::string_view text) const;
  int timesWritten(std::string_view text) const;
  bool onScreen(std::string_view text) const;
  // The first screen row holding, or starting with, the text; -1 if none.
  int rowOf(std::string_view text) const;
  int rowStarting(std::string_view start) const;

  ScreenModel screen;
  TestClock clock;
  ScriptedRandom random;
  std::string folder;

 private:
  std::string previousFolder_;
};
