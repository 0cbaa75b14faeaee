#pragma once
// The floor of a display request: a list control of the framework whose
// reflected display-info handler copies one constant text into the list
// view's buffer. It does the least that any answer to the request must do.
#include "fw/Controls.h"

namespace bench {

class ConstantListCtrl : public CListCtrl {
 public:
  static const char* Text() { return "file123456.cpp"; }

 protected:
  void OnGetDispInfo(NMHDR* header, LRESULT* result);
  DECLARE_MESSAGE_MAP()
};

}  // namespace bench
