#include "editor/highlight/pascal_keywords.h"

namespace kau::editor::pascal {

namespace {

using R = KeywordRule;

constexpr Keyword kKeywords[] = {
    {15, "if", R::Always},
    {19, "do", R::Always}, {19, "and", R::Always},
    {20, "as", R::Always},
    {21, "of", R::Always},
    {23, "end", R::End}, {23, "in", R::Always},
    {25, "far", R::Always},
    {27, "cdecl", R::Version2},
    {28, "is", R::Always}, {28, "read", R::InProperty}, {28, "case", R::Always},
    {29, "on", R::Always},
    {32, "label", R::Always}, {32, "mod", R::Always}, {32, "file", R::Always},
    {33, "or", R::Always}, {33, "asm", R::Asm}, {33, "name", R::InExports},
    {35, "nil", R::Always}, {35, "to", R::Always}, {35, "div", R::Always},
    {37, "begin", R::Always},
    {38, "near", R::Always},
    {39, "for", R::Always}, {39, "shl", R::Always},
    {40, "packed", R::Always},
    {41, "else", R::Always}, {41, "var", R::Always},
    {44, "set", R::Always}, {44, "package", R::PackageSource},
    {45, "shr", R::Always},
    {47, "then", R::Always},
    {49, "not", R::Always},
    {52, "pascal", R::Always}, {52, "raise", R::Always},
    {54, "class", R::Always},
    {55, "object", R::Always},
    {56, "index", R::InPropertyOrExports}, {56, "out", R::Always},
    {57, "goto", R::Always}, {57, "while", R::Always}, {57, "xor", R::Always},
    {59, "safecall", R::Version3},
    {60, "with", R::Always},
    {61, "dispid", R::Version3},
    {63, "public", R::Always}, {63, "record", R::Always}, {63, "array", R::Always},
    {63, "try", R::Always}, {63, "inline", R::Always},
    {64, "unit", R::Always}, {64, "uses", R::Always},
    {65, "repeat", R::Always},
    {66, "type", R::Always},
    {69, "default", R::Always}, {69, "dynamic", R::Always}, {69, "message", R::Always},
    {71, "stdcall", R::Version2}, {71, "const", R::Always},
    {73, "except", R::Always},
    {75, "write", R::InProperty},
    {76, "until", R::Always},
    {79, "finally", R::Always},
    {81, "stored", R::InProperty}, {81, "interface", R::Always}, {81, "deprecated", R::Version6},
    {84, "abstract", R::Always},
    {85, "forward", R::Always}, {85, "library", R::Always},
    {87, "string", R::Always},
    {88, "program", R::Always},
    {91, "downto", R::Always}, {91, "private", R::Always},
    {92, "overload", R::Version4}, {92, "inherited", R::Always},
    {94, "assembler", R::Always}, {94, "readonly", R::Version3InProperty},
    {95, "absolute", R::Always}, {95, "contains", R::PackageSource},
    {96, "published", R::Always}, {96, "override", R::Always},
    {97, "threadvar", R::Version3},
    {98, "export", R::Always}, {98, "nodefault", R::InProperty},
    {99, "external", R::Always},
    {100, "automated", R::Version3},
    {101, "register", R::Always}, {101, "platform", R::Version6},
    {102, "function", R::Always},
    {103, "virtual", R::Always},
    {105, "procedure", R::Always},
    {106, "protected", R::Always},
    {112, "requires", R::PackageSource},
    {117, "exports", R::Exports},
    {126, "implements", R::Version4InProperty},
    {129, "dispinterface", R::Version3},
    {132, "reintroduce", R::Version4},
    {133, "property", R::Property},
    {136, "finalization", R::Version2},
    {141, "writeonly", R::Version3InProperty},
    {143, "destructor", R::Always},
    {166, "constructor", R::Always}, {166, "implementation", R::Always},
    {168, "initialization", R::Always},
    {191, "resourcestring", R::Version3}, {191, "stringresource", R::Version3},
};

constexpr int kKeywordCount = static_cast<int>(std::size(kKeywords));

// Every listed hash is the letter sum of its word, and the table is in hash
// order, so the buckets below are contiguous runs.
constexpr bool tableIsConsistent() {
  int previous = 0;
  for (const Keyword& k : kKeywords) {
    int sum = 0;
    for (char c : k.word) {
      if (c < 'a' || c > 'z') return false;
      sum += letterValue(static_cast<unsigned char>(c));
    }
    if (sum != k.hash || k.hash < previous || k.hash >= kKeywordHashLimit) return false;
    previous = k.hash;
  }
  return true;
}
static_assert(tableIsConsistent());
static_assert(kKeywordCount == 107);

// bucketStart[h] .. bucketStart[h + 1] are the words of hash h.
constexpr std::array<int, kKeywordHashLimit + 1> makeBuckets() {
  std::array<int, kKeywordHashLimit + 1> start{};
  int i = 0;
  for (int h = 0; h <= kKeywordHashLimit; ++h) {
    while (i < kKeywordCount && kKeywords[i].hash < h) ++i;
    start[static_cast<std::size_t>(h)] = i;
  }
  return start;
}
constexpr auto kBucketStart = makeBuckets();

}  // namespace

std::span<const Keyword> keywordsWithHash(int hash) {
  if (hash < 0 || hash >= kKeywordHashLimit) return {};
  const int first = kBucketStart[static_cast<std::size_t>(hash)];
  const int last = kBucketStart[static_cast<std::size_t>(hash) + 1];
  return std::span<const Keyword>(kKeywords + first, static_cast<std::size_t>(last - first));
}

std::span<const Keyword> allKeywords() {
  return kKeywords;
}

}  // namespace kau::editor::pascal
