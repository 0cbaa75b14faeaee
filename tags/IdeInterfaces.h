#pragma once
// The IDE's automation interfaces that a jump to a tag goes through, called by
// position in their tables of virtual functions (counted from 0; 0 to 6 are
// IDispatch's). Positions the module never calls are held by placeholders.
// Each of the IDE's own interfaces but the text selection has an alternate
// identifier whose interface has the same layout, so one declaration serves both.
#include <windows.h>
#include <oaidl.h>

namespace ide {

// {FB7FDAE3-89B8-11CF-9BE8-00A0C90A632C}
inline constexpr IID IID_IDocuments =
    {0xFB7FDAE3, 0x89B8, 0x11CF, {0x9B, 0xE8, 0x00, 0xA0, 0xC9, 0x0A, 0x63, 0x2C}};
// {9093B40F-E2DB-44A0-9CAA-ED14C73FFDC5}
inline constexpr IID IID_IDocumentsAlternate =
    {0x9093B40F, 0xE2DB, 0x44A0, {0x9C, 0xAA, 0xED, 0x14, 0xC7, 0x3F, 0xFD, 0xC5}};
// {FB7FDAE1-89B8-11CF-9BE8-00A0C90A632C}
inline constexpr IID IID_IGenericDocument =
    {0xFB7FDAE1, 0x89B8, 0x11CF, {0x9B, 0xE8, 0x00, 0xA0, 0xC9, 0x0A, 0x63, 0x2C}};
// {C41998BD-F7B1-49BF-874B-B48D6CE99F12}
inline constexpr IID IID_IGenericDocumentAlternate =
    {0xC41998BD, 0xF7B1, 0x49BF, {0x87, 0x4B, 0xB4, 0x8D, 0x6C, 0xE9, 0x9F, 0x12}};
// {2A6DF201-8240-11CF-AB59-00AA00C091A1}
inline constexpr IID IID_ITextDocument =
    {0x2A6DF201, 0x8240, 0x11CF, {0xAB, 0x59, 0x00, 0xAA, 0x00, 0xC0, 0x91, 0xA1}};
// {AE0914DB-AC28-4834-9361-6DEAD7A1ADAD}
inline constexpr IID IID_ITextDocumentAlternate =
    {0xAE0914DB, 0xAC28, 0x4834, {0x93, 0x61, 0x6D, 0xEA, 0xD7, 0xA1, 0xAD, 0xAD}};
// {05092F20-833F-11CF-AB59-00AA00C091A1}
inline constexpr IID IID_ITextSelection =
    {0x05092F20, 0x833F, 0x11CF, {0xAB, 0x59, 0x00, 0xAA, 0x00, 0xC0, 0x91, 0xA1}};

#define ZR_IDE_SLOT(n) virtual HRESULT STDMETHODCALLTYPE Unused##n() = 0;

// The documents collection: opens a file into a document.
class IDocuments : public IDispatch {
 public:
  ZR_IDE_SLOT(7) ZR_IDE_SLOT(8) ZR_IDE_SLOT(9) ZR_IDE_SLOT(10) ZR_IDE_SLOT(11)
  ZR_IDE_SLOT(12) ZR_IDE_SLOT(13) ZR_IDE_SLOT(14)
  // 15: file name, document type ("Auto"), read-only flag (VT_I2 0), out: the document.
  virtual HRESULT STDMETHODCALLTYPE Open(BSTR fileName, VARIANT type, VARIANT readOnly,
                                         IDispatch** document) = 0;
};
typedef IDocuments IDocumentsAlternate;

// A document of any kind: held for the jump, nothing called.
class IGenericDocument : public IDispatch {};
typedef IGenericDocument IGenericDocumentAlternate;

// A text document: activated, and asked for its selection.
class ITextDocument : public IDispatch {
 public:
  ZR_IDE_SLOT(7) ZR_IDE_SLOT(8) ZR_IDE_SLOT(9) ZR_IDE_SLOT(10) ZR_IDE_SLOT(11)
  ZR_IDE_SLOT(12) ZR_IDE_SLOT(13) ZR_IDE_SLOT(14) ZR_IDE_SLOT(15) ZR_IDE_SLOT(16)
  ZR_IDE_SLOT(17)
  virtual HRESULT STDMETHODCALLTYPE SetActive(VARIANT_BOOL active) = 0;   // 18
  ZR_IDE_SLOT(19) ZR_IDE_SLOT(20) ZR_IDE_SLOT(21) ZR_IDE_SLOT(22) ZR_IDE_SLOT(23)
  ZR_IDE_SLOT(24) ZR_IDE_SLOT(25) ZR_IDE_SLOT(26) ZR_IDE_SLOT(27) ZR_IDE_SLOT(28)
  ZR_IDE_SLOT(29) ZR_IDE_SLOT(30) ZR_IDE_SLOT(31) ZR_IDE_SLOT(32) ZR_IDE_SLOT(33)
  ZR_IDE_SLOT(34) ZR_IDE_SLOT(35)
  virtual HRESULT STDMETHODCALLTYPE GetSelection(IDispatch** selection) = 0;   // 36
};
typedef ITextDocument ITextDocumentAlternate;

// The caret and selection of a text document.
class ITextSelection : public IDispatch {
 public:
  ZR_IDE_SLOT(7) ZR_IDE_SLOT(8) ZR_IDE_SLOT(9) ZR_IDE_SLOT(10) ZR_IDE_SLOT(11)
  ZR_IDE_SLOT(12) ZR_IDE_SLOT(13) ZR_IDE_SLOT(14) ZR_IDE_SLOT(15)
  virtual HRESULT STDMETHODCALLTYPE Refresh() = 0;                         // 16
  ZR_IDE_SLOT(17) ZR_IDE_SLOT(18) ZR_IDE_SLOT(19) ZR_IDE_SLOT(20) ZR_IDE_SLOT(21)
  ZR_IDE_SLOT(22) ZR_IDE_SLOT(23) ZR_IDE_SLOT(24) ZR_IDE_SLOT(25) ZR_IDE_SLOT(26)
  ZR_IDE_SLOT(27) ZR_IDE_SLOT(28) ZR_IDE_SLOT(29) ZR_IDE_SLOT(30) ZR_IDE_SLOT(31)
  ZR_IDE_SLOT(32) ZR_IDE_SLOT(33) ZR_IDE_SLOT(34) ZR_IDE_SLOT(35) ZR_IDE_SLOT(36)
  ZR_IDE_SLOT(37) ZR_IDE_SLOT(38) ZR_IDE_SLOT(39) ZR_IDE_SLOT(40) ZR_IDE_SLOT(41)
  ZR_IDE_SLOT(42)
  // 43: puts the caret on a line and column; the variant is the selection mode.
  virtual HRESULT STDMETHODCALLTYPE MoveTo(long line, long column, VARIANT mode) = 0;
  // 44: finds text from the caret with the flags (VT_I4); found is nonzero on a match.
  virtual HRESULT STDMETHODCALLTYPE FindText(BSTR text, VARIANT flags, VARIANT_BOOL* found) = 0;
};

#undef ZR_IDE_SLOT

}  // namespace ide
