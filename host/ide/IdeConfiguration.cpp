#include "host/ide/IdeConfiguration.h"

#include "host/ide/IdeIdentifiers.h"

namespace {

bool AnswersOwn(IdeAnswers answers) { return answers == IdeAnswers::Own || answers == IdeAnswers::Both; }
bool AnswersAlternate(IdeAnswers answers) {
  return answers == IdeAnswers::Alternate || answers == IdeAnswers::Both;
}

}  // namespace

bool IdeConfiguration::Answers(const IID& iid) const {
  using namespace hostide;
  if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch)) return true;
  if (IsEqualIID(iid, IID_Documents)) return AnswersOwn(documents);
  if (IsEqualIID(iid, IID_DocumentsAlternate)) return AnswersAlternate(documents);
  if (IsEqualIID(iid, IID_GenericDocument)) return AnswersOwn(genericDocument);
  if (IsEqualIID(iid, IID_GenericDocumentAlternate)) return AnswersAlternate(genericDocument);
  if (IsEqualIID(iid, IID_TextDocument)) return AnswersOwn(textDocument);
  if (IsEqualIID(iid, IID_TextDocumentAlternate)) return AnswersAlternate(textDocument);
  if (IsEqualIID(iid, IID_TextSelection)) return textSelection;
  return false;
}
