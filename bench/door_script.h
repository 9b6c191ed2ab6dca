#pragma once
// The door script: what a bare door does for one visit, as the recorder writes it and the
// baseline door replays it. Text is UTF-8; carriage return, line feed and backspace stand
// as themselves; everything else is an escape byte and a command.
//   ESC C f b   draw in foreground f (0 to 15) and background b (0 to 7)
//   ESC E b     clear the screen in background b
//   ESC K       bring the screen up to date and wait for a key
//   ESC G       sound the bell
// Numbers are stored as SCRIPT_NUMBER + n, so the script stays printable.

constexpr char SCRIPT_ESCAPE = 27;
constexpr char SCRIPT_COLOUR = 'C';
constexpr char SCRIPT_CLEAR = 'E';
constexpr char SCRIPT_WAIT = 'K';
constexpr char SCRIPT_BELL = 'G';
constexpr char SCRIPT_NUMBER = 'A';
