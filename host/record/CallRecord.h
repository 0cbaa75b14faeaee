#pragma once
// One record of what happened, in order: the calls that reached the host's
// objects and the reference IDE's objects, and the messages that reached the
// windows a test watches. The objects feed a record only when one is attached
// to them; a host running for real keeps none.
#include <string>
#include <vector>

enum class Delivery {
  Call,      // through a table of functions: a host object, an IDE interface
  Sent,      // a message sent to a window
  Posted,    // a message taken from a window's queue
  Handled    // a handler of the receiver's own ran (sent or posted, it cannot tell)
};

struct RecordEntry {
  std::string source;      // who received it: "workspace", "Selection 1 ITextSelection", "list"
  int slot = 0;            // its position in the receiver's table, or the message
  std::string operation;   // the slot's name: "FindFile", "MoveTo", "WM_KEYDOWN"
  std::string arguments;   // as text: "\"a.cpp\"", "3, 1, VT_I4 0", "VK_DOWN"
  Delivery delivery = Delivery::Call;
  std::string state;       // what the receiver held as it came, where it says ("count 0")

  // "Selection 1 ITextSelection 43 MoveTo (3, 1, VT_I4 0)", "list 0x0100 WM_KEYDOWN (VK_DOWN) sent".
  std::string Text() const;
};

// The words Text() gives a delivery: "" for a call, "sent", "posted", "handled".
const char* DeliveryWord(Delivery delivery);
// A slot as Text() writes it: a position in decimal, a message in hex.
std::string SlotText(int slot, Delivery delivery);

class CallRecord {
 public:
  void Add(RecordEntry entry) { m_entries.push_back(std::move(entry)); }
  const std::vector<RecordEntry>& Entries() const { return m_entries; }
  void Clear() { m_entries.clear(); }

 private:
  std::vector<RecordEntry> m_entries;
};
