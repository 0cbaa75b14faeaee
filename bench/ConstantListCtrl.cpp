#include "bench/ConstantListCtrl.h"

#include <cstring>

namespace bench {

BEGIN_MESSAGE_MAP(ConstantListCtrl, CListCtrl)
  ON_NOTIFY_REFLECT(LVN_GETDISPINFOA, OnGetDispInfo)
END_MESSAGE_MAP()

void ConstantListCtrl::OnGetDispInfo(NMHDR* header, LRESULT* result) {
  LVITEMA& item = reinterpret_cast<NMLVDISPINFOA*>(header)->item;
  item.mask = LVIF_TEXT;
  if (item.pszText && item.cchTextMax > 0) {
    static const size_t length = strlen(Text());
    size_t n = length < static_cast<size_t>(item.cchTextMax) ? length : item.cchTextMax - 1;
    memcpy(item.pszText, Text(), n);
    item.pszText[n] = 0;
  }
  *result = 0;
}

}  // namespace bench
