#include "store/records.h"

#include <string>
#include <string_view>

#include "kit/crt.h"
#include "kit/display.h"
#include "kit/door.h"
#include "kit/textfile.h"
#include "store/herofile.h"
#include "store/state.h"

namespace {
std::string recordFile() {
  return DATAPATH + "record.hlw";
}
}  // namespace

void READLA() {
  TextFile f;
  f.openOrDie(recordFile());
  const long count = f.readInt("the number of fight records");
  f.skipLine();
  // The table holds 30; a negative count holds none.
  NUMBER = static_cast<int>(count < 0 ? 0 : (count > MAXRECORDS ? MAXRECORDS : count));
  for (int i = 1; i <= NUMBER; ++i) {
    RESULT[i] = f.readField(RECORDMAX, "fight record " + std::to_string(i));
  }
}

void RECORDA() {
  std::string text = std::to_string(NUMBER) + "\n";
  for (int i = 1; i <= NUMBER; ++i) {
    text += RESULT[i] + "\n";
  }
  SAVEFILE(recordFile(), text);
}

void ADDRECORD(std::string_view TEXT) {
  READLA();
  // A full table drops its oldest line, so the newest fight is always told.
  if (NUMBER == MAXRECORDS) {
    for (int i = 1; i < MAXRECORDS; ++i) {
      RESULT[i] = RESULT[i + 1];
    }
    --NUMBER;
  }
  ++NUMBER;
  RESULT[NUMBER] = std::string(TEXT.substr(0, RECORDMAX));
  RECORDA();
}

void LISTPLAYERS() {
  CLS();
  ANSIC(4);
  PRINT("Heroes That Have Been Defeated");
  ANSIC(5);
  PRINT("+++++++++++++++++++++++++++++++");
  READLA();
  for (int i = 1; i <= NUMBER; ++i) {
    if (HANGUP) {
      LEAVE();
    }
    ANSIC(3);
    PRINTA(RESULT[i], ABORT, NEXT);
    if (ABORT) {
      break;
    }
  }
}
