#include "host/record/CallRecord.h"

#include <cstdio>

const char* DeliveryWord(Delivery delivery) {
  switch (delivery) {
    case Delivery::Call: return "";
    case Delivery::Sent: return "sent";
    case Delivery::Posted: return "posted";
    case Delivery::Handled: return "handled";
  }
  return "?";
}

std::string SlotText(int slot, Delivery delivery) {
  if (delivery == Delivery::Call) return std::to_string(slot);
  char text[16];
  std::snprintf(text, sizeof text, "0x%04X", static_cast<unsigned>(slot));
  return text;
}

std::string RecordEntry::Text() const {
  std::string text = source + " " + SlotText(slot, delivery) + " " + operation + " (" + arguments + ")";
  if (delivery != Delivery::Call) text += std::string(" ") + DeliveryWord(delivery);
  if (!state.empty()) text += " [" + state + "]";
  return text;
}
