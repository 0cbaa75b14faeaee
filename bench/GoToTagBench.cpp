// Go to tag: the go-to-tag entry by line and by pattern against the reference
// IDE's own calls alone (open, move, find, centre, refresh made directly on
// interfaces acquired beforehand), and against the same calls made directly
// with the interfaces acquired and released around them as a jump must.
#include <windows.h>
#include <oleauto.h>
#include <cstdio>
#include <string>

#include "bench/Groups.h"
#include "bench/ModuleSession.h"
#include "host/ide/IdeIdentifiers.h"
#include "host/ide/ReferenceIde.h"
#include "host/addin/TagEntry.h"
#include "host/tagstore/TagSet.h"

namespace bench {

namespace {

const int kLines = 2000;
const int kTagLine = 1500;
const int kJumpsPerRun = 200;

CString WriteSource(const CString& folder) {
  CString path = folder + "widget.cpp";
  FILE* file = fopen(path, "wb");
  if (!file) return path;
  for (int i = 1; i <= kLines; ++i) fprintf(file, "void Widget::Function%06d(int count)\r\n", i);
  fclose(file);
  return path;
}

template <class T>
T* Query(IUnknown* from, const IID& iid) {
  void* object = nullptr;
  if (!from || FAILED(from->QueryInterface(iid, &object))) return nullptr;
  return static_cast<T*>(object);
}

// The IDE calls of one jump, made directly. With acquire, the documents
// collection, the document's text interface and the selection are acquired
// and released around them as a jump must; without, they are held already.
class DirectJump {
 public:
  DirectJump(ReferenceIde& ide, const CString& fileName) : m_ide(ide) {
    std::wstring wide(fileName.GetLength(), L' ');
    for (int i = 0; i < fileName.GetLength(); ++i) wide[i] = static_cast<unsigned char>(fileName[i]);
    m_fileName = SysAllocString(wide.c_str());
    m_application = static_cast<IdeApplicationFace*>(ide.Application());
  }
  ~DirectJump() {
    Release();
    SysFreeString(m_fileName);
  }

  bool Run(bool acquire, bool byPattern, BSTR pattern) {
    if (acquire || !m_selection) Acquire();
    VARIANT type, readOnly, mode, flags;
    VariantInit(&type);
    type.vt = VT_BSTR;
    type.bstrVal = SysAllocString(L"Auto");
    VariantInit(&readOnly);
    readOnly.vt = VT_I2;
    readOnly.iVal = 0;
    IDispatch* document = nullptr;
    m_documents->Open(m_fileName, type, readOnly, &document);
    if (document) document->Release();
    VariantInit(&mode);
    mode.vt = VT_I4;
    mode.lVal = 0;
    VARIANT_BOOL found = VARIANT_TRUE;
    if (byPattern) {
      m_selection->MoveTo(1, 1, mode);
      VariantInit(&flags);
      flags.vt = VT_I4;
      flags.lVal = 4;
      m_selection->FindText(pattern, flags, &found);
    } else {
      m_selection->MoveTo(kTagLine, 1, mode);
    }
    BSTR command = SysAllocString(L"WindowScrollToCenter");
    m_application->ExecuteCommand(command);
    SysFreeString(command);
    m_selection->Refresh();
    VariantClear(&type);
    if (acquire) Release();   // the next run without acquiring takes them once more
    return found != VARIANT_FALSE;
  }

 private:
  void Acquire() {
    Release();
    IDispatch* documents = nullptr;
    m_application->GetDocuments(&documents);
    m_documents = Query<IdeDocumentsFace>(documents, hostide::IID_Documents);
    if (documents) documents->Release();
    VARIANT type, readOnly;
    VariantInit(&type);
    VariantInit(&readOnly);
    IDispatch* document = nullptr;
    if (m_documents) m_documents->Open(m_fileName, type, readOnly, &document);
    m_text = Query<IdeTextDocumentFace>(document, hostide::IID_TextDocument);
    if (document) document->Release();
    if (m_text) m_text->SetActive(VARIANT_TRUE);
    IDispatch* selection = nullptr;
    if (m_text) m_text->GetSelection(&selection);
    m_selection = Query<IdeTextSelectionFace>(selection, hostide::IID_TextSelection);
    if (selection) selection->Release();
  }
  void Release() {
    if (m_selection) m_selection->Release();
    if (m_text) m_text->Release();
    if (m_documents) m_documents->Release();
    m_selection = nullptr;
    m_text = nullptr;
    m_documents = nullptr;
  }

  ReferenceIde& m_ide;
  BSTR m_fileName = nullptr;
  IdeApplicationFace* m_application = nullptr;
  IdeDocumentsFace* m_documents = nullptr;
  IdeTextDocumentFace* m_text = nullptr;
  IdeTextSelectionFace* m_selection = nullptr;
};

}  // namespace

void RunGoToTagBench(const Options& options, Table& table) {
  ModuleSession session;
  if (!session.Load() || !session.Create()) {
    fprintf(stderr, "gototag: the module could not be loaded\n");
    return;
  }
  session.RunHostLoop();
  ModuleTable* module = session.Table();
  ReferenceIde& ide = session.Ide();
  const CString path = WriteSource(options.folder);

  char text[64];
  snprintf(text, sizeof text, "^void Widget::Function%06d(int count)$", kTagLine);
  // The tag as the host reads it from its tags-file line.
  TagSet tags;
  tags.AddLines({"Function001500\t" + std::string(static_cast<const char*>(path)) + "\t/" + text + "/;\"\tkind:function"},
                "");
  TagEntry& tag = *tags.tags().front();
  std::wstring wide;
  for (const char* p = text + 1; *p && *p != '$'; ++p) wide += static_cast<wchar_t>(*p);
  BSTR pattern = SysAllocString(wide.c_str());
  DirectJump direct(ide, path);

  const int runs = options.Runs(9);
  for (bool byPattern : {false, true}) {
    tag.SetJumpLine(byPattern ? -1 : kTagLine);
    int failures = 0;
    double moduleTime = MedianSeconds(runs, [&] {
      for (int i = 0; i < kJumpsPerRun; ++i) failures += !module->goToTag(&tag);
    });
    double callsAlone = MedianSeconds(runs, [&] {
      for (int i = 0; i < kJumpsPerRun; ++i) failures += !direct.Run(false, byPattern, pattern);
    });
    double withAcquire = MedianSeconds(runs, [&] {
      for (int i = 0; i < kJumpsPerRun; ++i) failures += !direct.Run(true, byPattern, pattern);
    });
    if (failures || ide.CaretLine() != kTagLine)
      fprintf(stderr, "gototag: %d jumps failed; the caret is on line %d\n", failures, ide.CaretLine());
    const char* how = byPattern ? "go to tag by pattern" : "go to tag by line";
    const double us = 1e6 / kJumpsPerRun;
    table.Add(MakeRow(std::string(how) + " vs IDE calls alone", "1 jump", "us", moduleTime * us, callsAlone * us));
    table.Add(MakeRow(std::string(how) + " vs direct calls + acquire", "1 jump", "us", moduleTime * us,
                  withAcquire * us));
  }
  SysFreeString(pattern);
}

}  // namespace bench
