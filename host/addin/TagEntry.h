#pragma once
// A source tag as the host's tag browser holds it. The module reaches it
// through its table of virtual functions by position (plain member functions:
// object in ECX, the callee removes the arguments), so the order below is
// binding; placeholders hold positions the module never calls.
//
// A tag is small, since a big tree has millions: its texts lie one after the
// other, each ending in a zero, where its maker keeps them (a TagSet, in its
// text blocks): the name, the scope (the qualified parent "geo::flat::Circle",
// empty at file level) and the search pattern as the module searches it
// ("^int main()$", empty for a tag found by its line). The parent name is the
// scope's last component, the file name its file object's full path, the
// namespace the scope itself when the scope is a namespace, else what the
// namespaces of the file object's set say of the scope (TagNamespaces.h).
// The parent tag is kept as a distance within the array of tags that holds
// both, so a tag's parent lives in the same array. Texts handed out stay
// valid while the texts and the tag live.
#include <windows.h>
#include <cstdint>
#include "host/addin/FileEntry.h"

class TagEntry final {
 public:
  // texts: name, scope and pattern, each ending in a zero. tagsLine: the
  // line:N of the tags file, -1 when it gives none; the tag reports it (GetLine)
  // until SetJumpLine says otherwise.
  TagEntry(const char* texts, FileEntry* file, int typeCode, int tagsLine)
      : m_texts(texts), m_file(file), m_line(tagsLine), m_jumpLine(tagsLine),
        m_typeCode(static_cast<int8_t>(typeCode)) {}

  // The host's own reading (not through the table).
  const char* Name() const { return m_texts; }
  const char* Scope() const { return After(m_texts); }
  const char* ParentName() const;
  const char* SearchString() const { return After(Scope()); }
  const char* Namespace() const;
  const char* FileName() const { return m_file ? m_file->FullPath() : ""; }
  FileEntry* File() const { return m_file; }
  TagEntry* Parent() const { return m_parent ? const_cast<TagEntry*>(this) + m_parent : nullptr; }
  int TypeCode() const { return m_typeCode; }
  int TagsLine() const { return m_line; }
  int JumpLine() const { return m_jumpLine; }

  // What GetLine reports: -1 (the module searches the pattern) or a line.
  void SetJumpLine(int line) { m_jumpLine = line; }
  // A tag of the same array, or null.
  void SetParent(const TagEntry* parent) { m_parent = parent ? static_cast<int32_t>(parent - this) : 0; }
  void SetFile(FileEntry* file) { m_file = file; }
  void SetTypeCode(int typeCode) { m_typeCode = static_cast<int8_t>(typeCode); }

  // What the tags file said of the pattern and the kinds, in the small
  // numbers its reader gives them (CtagsLine.h, TagKind.h), and whether the
  // scope is a namespace (the tag's namespace is then the scope).
  void SetPatternAnchors(bool fromLineStart, bool toLineEnd) {
    m_flags = static_cast<uint8_t>((m_flags & ~kAnchors) | (fromLineStart ? kFromLineStart : 0) |
                                   (toLineEnd ? kToLineEnd : 0));
  }
  bool PatternFromLineStart() const { return (m_flags & kFromLineStart) != 0; }
  bool PatternToLineEnd() const { return (m_flags & kToLineEnd) != 0; }
  void SetScopeIsNamespace(bool isNamespace) {
    m_flags = static_cast<uint8_t>((m_flags & ~kScopeIsNamespace) | (isNamespace ? kScopeIsNamespace : 0));
  }
  void SetKindNumbers(int kind, int scopeKind) {
    m_kind = static_cast<uint8_t>(kind);
    m_scopeKind = static_cast<uint8_t>(scopeKind);
  }
  int KindNumber() const { return m_kind; }
  int ScopeKindNumber() const { return m_scopeKind; }

  // Type codes 0 to 12: Class, Decl, Define, Enum, EnumVal, File, Function,
  // MemVar, NSpace, Struct, Typedef, Union, Variable.
  virtual int GetTypeCode() { return m_typeCode; }                     // 0
  virtual void Reserved1() {}
  virtual const char* GetName() { return Name(); }                     // 2
  virtual const char* GetFileName() { return FileName(); }             // 3
  virtual const char* GetSearchString() { return SearchString(); }     // 4
  virtual void Reserved5() {}
  virtual const char* GetParentName() { return ParentName(); }         // 6
  virtual int GetLine() { return m_jumpLine; }                         // 7
  virtual void Reserved8() {}
  virtual void Reserved9() {}
  virtual void Reserved10() {}
  virtual const char* GetNamespace() { return Namespace(); }           // 11
  virtual TagEntry* GetParentTag() { return Parent(); }                // 12
  virtual void Reserved13() {}
  virtual FileEntry* GetFileObject() { return m_file; }                // 14

 private:
  // The text after this one (short texts: a plain loop, not the runtime's strlen).
  static const char* After(const char* text) {
    while (*text) ++text;
    return text + 1;
  }

  enum Flag : uint8_t { kFromLineStart = 1, kToLineEnd = 2, kAnchors = 3, kScopeIsNamespace = 4 };

  const char* m_texts;
  FileEntry* m_file;
  int32_t m_parent = 0;     // distance to the parent tag in tags; 0 for none
  int32_t m_line;           // line:N
  int32_t m_jumpLine;       // what GetLine reports
  int8_t m_typeCode;
  uint8_t m_kind = 0;
  uint8_t m_scopeKind = 0;
  uint8_t m_flags = 0;
};
