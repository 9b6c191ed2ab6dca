#pragma once
// Console input and output: the only road between the game and the caller's terminal.

#include <csignal>
#include <string>
#include <string_view>

// A message or input line: longer texts are cut to their first 240 characters.
using STRT = std::string;
constexpr std::size_t STRTMAX = 240;
std::string_view CUTSTRT(std::string_view text);

// The caller is gone: set by the hang-up signal and the inactivity rule of line input.
extern volatile std::sig_atomic_t HANGUP;

// Output.
void ANSIC(int C);
void PROMPT(std::string_view I);
void PRINT(std::string_view I);
void NL();
void PRT(std::string_view I);
void YNQ(std::string_view I);
void CLS();

// Input.
void GETKEY(unsigned char& C);
void NUGETKEY(unsigned char& C);
bool EMPTY();
void PAUSESCR();
bool YN();
void ONEK(unsigned char& C, std::string_view CH);
void INPUT1(std::string& I, int ML, bool TF);
void INPUT(std::string& I, int ML);
void INPUTL(std::string& I, int ML);
void WKEY(bool& ABORT, bool& NEXT);

// Hang-up.
void HUPHandler(int SIGNUM);
void CHECKHANGUP();

// Screen update and time.
void UPDATETHESCREEN();
double TIMER();

// Upper-cases a to z only.
unsigned char UPCASE(unsigned char c);
