#include "host/tagstore/TagKind.h"

namespace {

struct KindName {
  const char* kind;
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

}  // namespace

int TagTypeFromCtagsKind(const std::string& kind) {
  for (const KindName& entry : kKinds) {
    if (kind == entry.kind) return entry.code;
  }
  return -1;
}
