// The fight records, read and shown by the F command at a width from the first byte.
#include "fuzz/harness.h"
#include "kit/door.h"
#include "store/records.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) {
    return 0;
  }
  freshVisit();
  THISUSER.LINELEN = data[0];
  putFile("data/record.hlw", asText(data + 1, size - 1));
  survive({"data/record.hlw"}, LISTPLAYERS);
  return 0;
}
