#include "tests/support/MessageText.h"

#include <commctrl.h>
#include <cstdio>

namespace {

struct Named {
  long long value;
  const char* name;
};
#define ZR_NAMED(constant) {static_cast<long long>(constant), #constant}

const Named kMessages[] = {
    ZR_NAMED(WM_NCCREATE),  ZR_NAMED(WM_CREATE),     ZR_NAMED(WM_NCDESTROY),  ZR_NAMED(WM_DESTROY),
    ZR_NAMED(WM_GETMINMAXINFO), ZR_NAMED(WM_NCCALCSIZE), ZR_NAMED(WM_SETTEXT), ZR_NAMED(WM_GETTEXT),
    ZR_NAMED(WM_KEYDOWN),   ZR_NAMED(WM_KEYUP),      ZR_NAMED(WM_CHAR),       ZR_NAMED(WM_SYSKEYDOWN),
    ZR_NAMED(WM_NOTIFY),    ZR_NAMED(WM_COMMAND),    ZR_NAMED(WM_SETFOCUS),   ZR_NAMED(WM_KILLFOCUS),
};

const Named kKeys[] = {
    ZR_NAMED(VK_BACK),  ZR_NAMED(VK_TAB),   ZR_NAMED(VK_RETURN), ZR_NAMED(VK_SHIFT),  ZR_NAMED(VK_CONTROL),
    ZR_NAMED(VK_ESCAPE), ZR_NAMED(VK_PRIOR), ZR_NAMED(VK_NEXT),  ZR_NAMED(VK_END),    ZR_NAMED(VK_HOME),
    ZR_NAMED(VK_LEFT),  ZR_NAMED(VK_UP),    ZR_NAMED(VK_RIGHT),  ZR_NAMED(VK_DOWN),   ZR_NAMED(VK_DELETE),
    ZR_NAMED(VK_F1),    ZR_NAMED(VK_F2),    ZR_NAMED(VK_F5),
};

const Named kNotifications[] = {
    ZR_NAMED(NM_CHAR),     ZR_NAMED(NM_CLICK),          ZR_NAMED(NM_DBLCLK),        ZR_NAMED(NM_RETURN),
    ZR_NAMED(NM_SETFOCUS), ZR_NAMED(NM_KILLFOCUS),      ZR_NAMED(NM_CUSTOMDRAW),    ZR_NAMED(LVN_GETDISPINFOA),
    ZR_NAMED(LVN_ITEMCHANGED), ZR_NAMED(LVN_ODSTATECHANGED), ZR_NAMED(LVN_COLUMNCLICK),
};

template <size_t N>
const char* Find(const Named (&table)[N], long long value) {
  for (const Named& named : table)
    if (named.value == value) return named.name;
  return nullptr;
}

std::string Hex(unsigned long long value) {
  char text[24];
  std::snprintf(text, sizeof text, "0x%llX", value);
  return text;
}

}  // namespace

std::string MessageName(UINT message) {
  if (const char* name = Find(kMessages, message)) return name;
  if (message >= WM_APP && message <= 0xBFFF) return "WM_APP+" + std::to_string(message - WM_APP);
  if (message >= WM_USER && message < WM_APP) return "WM_USER+" + std::to_string(message - WM_USER);
  return Hex(message);
}

std::string KeyName(WPARAM key) {
  if (const char* name = Find(kKeys, static_cast<long long>(key))) return name;
  if ((key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9')) return std::string("'") + static_cast<char>(key) + "'";
  return Hex(key);
}

std::string HexText(unsigned long long value) { return Hex(value); }

std::string RawArguments(WPARAM wParam, LPARAM lParam) {
  return "wParam " + Hex(wParam) + ", lParam " + Hex(static_cast<ULONG_PTR>(lParam));
}

std::string MessageArguments(UINT message, WPARAM wParam, LPARAM lParam, bool sent) {
  switch (message) {
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_SYSKEYDOWN:
      return KeyName(wParam);
    case WM_CHAR:
      if (wParam >= 0x20 && wParam < 0x7F) return std::string("'") + static_cast<char>(wParam) + "'";
      return Hex(wParam);
    case WM_NOTIFY:
      if (sent && lParam) {
        const NMHDR* header = reinterpret_cast<const NMHDR*>(lParam);
        const char* code = Find(kNotifications, header->code);   // as the SDK's UINT
        return (code ? std::string(code) : std::to_string(static_cast<int>(header->code))) + " from " +
               std::to_string(header->idFrom);
      }
      break;
    case WM_COMMAND:
      return std::to_string(HIWORD(wParam)) + " from " + std::to_string(LOWORD(wParam));
    case WM_SETTEXT:
      if (sent && lParam) return "\"" + std::string(reinterpret_cast<const char*>(lParam)) + "\"";
      break;
  }
  return std::to_string(static_cast<unsigned long long>(wParam)) + ", " + std::to_string(static_cast<long long>(lParam));
}
