#include "store/state.h"

TABLE<PLAYERTYPE, MAXPLAYERS> PLAYER;
int NUMBER_OF_PLAYERS = 0;
int B = 0;
int M = 0;
int A = 0;
std::string NAME;
int NUMBER = 0;

TABLE<std::string, MAXITEMS> WNAME;
TABLE<std::string, MAXITEMS> SNAME;
TABLE<double, MAXITEMS> COST;
TABLE<double, MAXITEMS> W2;
TABLE<double, MAXITEMS> W3;
TABLE<double, MAXLEVELS> REQUIRED;

OPPONENT OPP;

int TRIPS = 0;
int DOG = 0;
double VARY = 1;
double VARY2 = 1;
bool DOGA = false;
bool PLAY = false;
bool GONADO = false;
bool FOUND = false;
std::string UGH3;
TABLE<std::string, MAXRECORDS> RESULT;
TABLE<std::string, 4> BLT;
bool ABORT = false;
bool NEXT = false;

void RESETSTATE() {
  PLAYER.fill(PLAYERTYPE{});
  NUMBER_OF_PLAYERS = B = M = A = NUMBER = 0;
  NAME.clear();
  WNAME.fill({});
  SNAME.fill({});
  COST.fill(0);
  W2.fill(0);
  W3.fill(0);
  REQUIRED.fill(0);
  OPP = OPPONENT{};
  TRIPS = DOG = 0;
  VARY = VARY2 = 1;
  DOGA = PLAY = GONADO = FOUND = false;
  UGH3.clear();
  RESULT.fill({});
  BLT.fill({});
  ABORT = NEXT = false;
}
