#include "host/tagstore/TagKind.h"
#include "host/tagstore/TextScan.h"

namespace {

struct KindName {
  std::string_view kind;   // a literal: its text ends in a zero
  int code;
};

// Long kind names first (what --fields=+K writes), then the C/C++ letters.
const KindName kKinds[] = {
    {"class", TagClass},         {"interface", TagClass},
    {"prototype", TagDecl},      {"externvar", TagDecl},     {"declaration", TagDecl},
    {"macro", TagDefine},        {"define", TagDefine},
    {"enum", TagEnum},           {"enumerator", TagEnumVal},
    {"file", TagFile},
    {"function", TagFunction},   {"method", TagFunction},
    {"member", TagMemVar},       {"field", TagMemVar},
    {"namespace", TagNSpace},
    {"struct", TagStruct},       {"typedef", TagTypedef},    {"union", TagUnion},
    {"variable", TagVariable},
    {"c", TagClass},  {"p", TagDecl},     {"x", TagDecl},     {"d", TagDefine},
    {"g", TagEnum},   {"e", TagEnumVal},  {"F", TagFile},     {"f", TagFunction},
    {"m", TagMemVar}, {"n", TagNSpace},   {"s", TagStruct},   {"t", TagTypedef},
    {"u", TagUnion},  {"v", TagVariable},
};
constexpr int kKindCount = static_cast<int>(sizeof(kKinds) / sizeof(kKinds[0]));

}  // namespace

int CtagsKindNumber(std::string_view kind) {
  for (int number = 0; number < kKindCount; ++number) {
    const std::string_view known = kKinds[number].kind;
    if (known.size() == kind.size() && SameBytes(known.data(), kind.data(), kind.size())) return number;
  }
  return -1;
}

const char* CtagsKindName(int number) { return number >= 0 && number < kKindCount ? kKinds[number].kind.data() : ""; }

int TagTypeOfKindNumber(int number) { return number >= 0 && number < kKindCount ? kKinds[number].code : -1; }

int TagTypeFromCtagsKind(std::string_view kind) { return TagTypeOfKindNumber(CtagsKindNumber(kind)); }
