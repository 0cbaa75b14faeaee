#include "host/filterdialogs/DialogItems.h"

namespace {

// The row's places in both templates (320 units wide), in dialog units.
constexpr int kMargin = 7;
constexpr int kStatusFromBottom = 17, kStatusHeight = 8;
constexpr int kButtonsFromBottom = 20, kButtonWidth = 50, kButtonHeight = 14;
constexpr int kOkX = 209, kCancelX = 263;
constexpr DWORD kButtonStyle = WS_CHILD | WS_VISIBLE | WS_TABSTOP;

}  // namespace

void AddStatusAndButtons(CDialogTemplate& t, int height, int statusWidth) {
  // No prefix: a status text's '&' is a character, not a mnemonic.
  t.AddItem(kStaticClassAtom, "", kLabelStyle | SS_NOPREFIX, kMargin, height - kStatusFromBottom, statusWidth,
            kStatusHeight, kStatusLineId);
  const int buttonsY = height - kButtonsFromBottom;
  t.AddItem(WC_BUTTONA, "OK", kButtonStyle | BS_DEFPUSHBUTTON, kOkX, buttonsY, kButtonWidth, kButtonHeight, IDOK);
  t.AddItem(WC_BUTTONA, "Cancel", kButtonStyle | BS_PUSHBUTTON, kCancelX, buttonsY, kButtonWidth, kButtonHeight,
            IDCANCEL);
}
