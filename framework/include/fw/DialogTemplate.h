#pragma once
#include <windows.h>
#include <vector>
#include "fw/Export.h"

// Builds a dialog template in memory (DLGTEMPLATE followed by its items), for
// dialogs that come from code rather than resources. Coordinates are dialog
// units. Get() stays valid until the next AddItem or the builder's end.
class FW_API CDialogTemplate {
 public:
  // fontName null: no DS_SETFONT, the system font.
  CDialogTemplate(const char* caption, DWORD style, int x, int y, int cx, int cy,
                  const char* fontName = "MS Shell Dlg", WORD pointSize = 8, DWORD exStyle = 0);

  // An item of a window class given by name ("SysListView32", "ComboBox", ...).
  void AddItem(const char* className, const char* text, DWORD style, int x, int y, int cx, int cy,
               WORD id, DWORD exStyle = 0);
  // An item of a predefined class by its atom (0x0080 button, 0x0081 edit,
  // 0x0082 static, 0x0083 list box, 0x0084 scroll bar, 0x0085 combo box).
  void AddItem(WORD classAtom, const char* text, DWORD style, int x, int y, int cx, int cy,
               WORD id, DWORD exStyle = 0);

  const DLGTEMPLATE* Get() const { return reinterpret_cast<const DLGTEMPLATE*>(m_words.data()); }
  int GetItemCount() const { return m_items; }

 private:
  void AddString(const char* text);
  void AddItemHeader(DWORD style, DWORD exStyle, int x, int y, int cx, int cy, WORD id);
  void AddItemTail(const char* text);
  void AlignToDword();

  std::vector<WORD> m_words;   // the template; WORDs keep it 2-aligned, items are padded to 4
  int m_items = 0;
};
