#pragma once
// Shared ground of the fuzz targets: a scratch copy of the demo game as the working
// folder, the screen model as console, and one reader run that may end only in a fatal
// error naming its file, or in the end of the visit.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <string>

#include "kit/screen_model.h"

// The game state reset, the demo game's files back in place and a fresh screen model as
// the console, with an empty key script unless the target adds keys.
ScreenModel& freshVisit();
void putFile(const std::string& path, const std::string& contents);
std::string demoFile(const std::string& path);
std::string asText(const std::uint8_t* data, std::size_t size);
// Runs one reader. A fatal error must name one of `files`; anything else escaping is a
// fault.
void survive(std::initializer_list<const char*> files, const std::function<void()>& reader);
