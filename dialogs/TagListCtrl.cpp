#include "dialogs/TagListCtrl.h"
#include "module/HostInterfaces.h"

namespace {

const char* const kTypeNames[] = {"Class",    "Decl",   "Define", "Enum",   "EnumVal",
                                  "File",     "Function", "MemVar", "NSpace", "Struct",
                                  "Typedef",  "Union",  "Variable"};

// The namespace column: the tag's own namespace, or its parent tag's when its
// own is empty. Handed out as the host returns it; a null text reads as empty.
const char* NamespaceOf(HostTag* tag) {
  const char* text = tag->GetNamespace();
  if (!text || !*text) {
    if (HostTag* parent = tag->GetParentTag()) text = parent->GetNamespace();
  }
  return text ? text : "";
}

CString FileNameOf(HostTag* tag) {
  HostFile* file = tag->GetFileObject();
  if (!file) return CString();
  CString text = file->GetBareName();
  const CString& extension = file->GetExtension();
  if (!extension.IsEmpty()) text += "." + extension;
  return text;
}

// The search pattern without its anchors: leading carets and trailing dollar
// signs go, tabs become spaces.
CString LineTextOf(HostTag* tag) {
  const char* pattern = tag->GetSearchString();
  CString text(pattern ? pattern : "");
  text.TrimLeft('^');
  text.TrimRight('$');
  text.Replace('\t', ' ');
  return text;
}

}  // namespace

BEGIN_MESSAGE_MAP(TagListCtrl, CListCtrl)
  ON_NOTIFY_REFLECT(LVN_GETDISPINFOA, OnGetDispInfo)
END_MESSAGE_MAP()

const char* TagListCtrl::TypeName(int code) {
  if (code < 0 || code > 12) return nullptr;
  return kTypeNames[code];
}

void TagListCtrl::OnGetDispInfo(NMHDR* header, LRESULT* result) {
  LVITEMA& item = reinterpret_cast<NMLVDISPINFOA*>(header)->item;
  *result = 0;
  // Until the host has handed over its tag array there is nothing to show.
  HostTag* tag = nullptr;
  if (m_tagArrayLocation && *m_tagArrayLocation) tag = (*m_tagArrayLocation)[item.iItem];
  item.mask = LVIF_TEXT;
  if (!tag) return;

  switch (item.iSubItem) {
    case 0:
      // An unknown code leaves the list view's own buffer as it supplied it.
      if (const char* name = TypeName(tag->GetTypeCode())) item.pszText = const_cast<char*>(name);
      break;
    case 1:
      item.pszText = const_cast<char*>(NamespaceOf(tag));
      break;
    case 2:
      if (const char* parent = tag->GetParentName()) item.pszText = const_cast<char*>(parent);
      break;
    case 3:
      if (const char* name = tag->GetName()) item.pszText = const_cast<char*>(name);
      break;
    case 4:
      item.pszText = const_cast<char*>(m_ring.Put(FileNameOf(tag)));
      break;
    case 5:
      item.pszText = const_cast<char*>(m_ring.Put(LineTextOf(tag)));
      break;
    default:
      break;
  }
}
