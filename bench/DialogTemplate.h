#pragma once
// A dialog template assembled in memory (the bench's dialogs have no resources).
#include <windows.h>
#include <vector>

namespace bench {

class DialogTemplate {
 public:
  DialogTemplate(const char* title, int width, int height);
  // Adds an item of a window class given by name ("SysListView32", "ComboBox").
  void AddItem(const char* className, WORD id, DWORD style, int x, int y, int width, int height);
  const DLGTEMPLATE* Get();

 private:
  void Align();
  void AddText(const char* text);
  std::vector<WORD> m_words;
  size_t m_countIndex = 0;
};

}  // namespace bench
