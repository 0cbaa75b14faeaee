#pragma once
// Builds a dialog template in memory (DLGTEMPLATE followed by its items), so
// that the host's dialogs need no resource file.
#include <windows.h>
#include <vector>

class DialogTemplate {
 public:
  // Dialog units throughout, as in a resource script. The font is always set
  // (DS_SETFONT is added to the style).
  DialogTemplate(DWORD style, short x, short y, short cx, short cy, const char* title,
                 WORD pointSize = 8, const char* font = "MS Shell Dlg");

  // One control: className is a window class name such as "SysListView32".
  void AddItem(WORD id, const char* className, DWORD style, short x, short y, short cx, short cy,
               const char* text = "", DWORD exStyle = 0);

  const DLGTEMPLATE* Get() const;

 private:
  void AlignToDword();
  void AppendWord(WORD value);
  void AppendDword(DWORD value);
  void AppendText(const char* text);   // zero-terminated UTF-16

  std::vector<WORD> m_words;
  size_t m_countOffset;   // where the item count sits, in WORDs
};
