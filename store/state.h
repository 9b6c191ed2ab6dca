#pragma once
// The game state of a visit: the roster, the caller's hero, the item and level tables,
// the opponent, and the visit's counters and flags. Every part of the game works on it.

#include <array>
#include <string>

// One hero. Every quantity is a real; the file rounds some of them.
struct PLAYERTYPE {
  std::string NAME;      // 30: the caller's user name, the login key
  std::string PSEUDO;    // 30: the name others see
  std::string PASSWORD;  // 30: not used
  std::string ALLY;      // 30: not used
  std::string KILLER;    // 30: who last slew this hero; meaningful while STATUS = 1
  std::string GASPD;     // 60: the battle cry
  int STATUS = 0;        // 1: slain by another hero
  int FLIGHTS = 0;       // visits left today
  int ALLIANCE = 0;
  int PLUS = 0;
  double R = 0;  // level
  double EXPERIENCE = 0;
  double STRENGTH = 0;
  double INTELLIGENCE = 0;
  double GOLD = 0;
  double LUCK = 0;
  double DEXTERITY = 0;
  double CONSTITUTION = 0;
  double CHARISMA = 0;
  double WEAPON = 0;
  double VEHICLE = 0;
  double SHIELD = 0;  // maximum hit points
  double DAMAGE = 0;  // hit points lost
  double BANK = 0;
  double ATTACK = 0;  // the held weapon's attack value
  double POWER = 0;   // the held weapon's power value
  double WINS = 0;
  double LOSES = 0;
};

// The monster or hero being fought.
struct OPPONENT {
  std::string NAME;  // 30
  double GOLD = 0;
  double STRENGTH = 0;
  double DEXTERITY = 0;
  double SHIELD = 0;  // hit points left
  double LUCK = 0;
  double EXPERIENCE = 0;
  double WEAPON = 0;   // attack value
  double WEAPON2 = 0;  // power value
  double ATTACK = 0;
  double POWER = 0;
  double VEHICLE = 0;  // armour value
};

constexpr int MAXPLAYERS = 30;
constexpr int MAXITEMS = 25;
constexpr int MAXLEVELS = 28;
constexpr int MAXRECORDS = 30;
constexpr std::size_t NAMEMAX = 30;
constexpr std::size_t CRYMAX = 60;
constexpr std::size_t RECORDMAX = 80;

// Tables indexed from 1, as the game counts; element 0 is unused.
template <typename T, int N>
using TABLE = std::array<T, N + 1>;

extern TABLE<PLAYERTYPE, MAXPLAYERS> PLAYER;
extern int NUMBER_OF_PLAYERS;
extern int B;  // the caller's hero
extern int M;  // the hero being fought
extern int A;  // scratch index
extern std::string NAME;  // the caller's user name
extern int NUMBER;        // a count read from a file

extern TABLE<std::string, MAXITEMS> WNAME;
extern TABLE<std::string, MAXITEMS> SNAME;
extern TABLE<double, MAXITEMS> COST;
extern TABLE<double, MAXITEMS> W2;
extern TABLE<double, MAXITEMS> W3;
extern TABLE<double, MAXLEVELS> REQUIRED;

extern OPPONENT OPP;

extern int TRIPS;
extern int DOG;
extern double VARY;
extern double VARY2;
extern bool DOGA;
extern bool PLAY;
extern bool GONADO;
extern bool FOUND;
extern std::string UGH3;  // 60: the battle cry last typed in this visit
extern TABLE<std::string, MAXRECORDS> RESULT;
extern TABLE<std::string, 4> BLT;
extern bool ABORT;
extern bool NEXT;

// Puts every global of the game state back as at program start (tests run many visits).
void RESETSTATE();
