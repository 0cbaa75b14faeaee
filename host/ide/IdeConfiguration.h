#pragma once
// Which identifiers the reference IDE's objects answer, and whether the
// application hands out its documents collection. Read at every query, so a
// test may change it at any time.
#include <windows.h>
#include <oaidl.h>

// For an object kind with the IDE's own identifier and an alternate.
enum class IdeAnswers { Own, Alternate, Both, Neither };

struct IdeConfiguration {
  IdeAnswers documents = IdeAnswers::Own;
  IdeAnswers genericDocument = IdeAnswers::Own;
  IdeAnswers textDocument = IdeAnswers::Own;
  bool textSelection = true;       // the selection answers its identifier
  bool documentsAvailable = true;  // get documents gives the collection

  // True when an object answers this identifier (IUnknown and IDispatch always).
  bool Answers(const IID& iid) const;
};
