#include "module/History.h"
#include <cstring>
#include "fw/WinApp.h"

namespace {
const char kSection[] = "Config";
const char kSeparator = '|';
}

void LoadHistory(CStringArray& list, const char* key) {
  list.RemoveAll();
  CWinApp* app = AfxGetApp();
  if (!app) return;   // no profile store: as a missing value
  const CString value = app->GetProfileString(kSection, key, "");
  const char* text = value;
  const int length = value.GetLength();
  int start = 0;
  for (int p = 0; p < length; ++p) {
    if (text[p] != kSeparator) continue;
    list.Add(CString(text + start, p - start));
    start = p + 1;
  }
  if (start < length) list.Add(CString(text + start, length - start));
}

void SaveHistory(const CStringArray& list, const char* key) {
  CWinApp* app = AfxGetApp();
  if (!app) return;
  // Measured first and copied once, so long lists take linear time.
  int total = 0;
  for (int i = 0; i < list.GetSize(); ++i) total += list[i].GetLength() + 1;
  CString text;
  if (total > 0) {
    char* out = text.GetBuffer(total);
    for (int i = 0; i < list.GetSize(); ++i) {
      const int length = list[i].GetLength();
      std::memcpy(out, static_cast<const char*>(list[i]), length);
      out += length;
      *out++ = kSeparator;
    }
    text.ReleaseBuffer(total);
  }
  app->WriteProfileString(kSection, key, text);
}
