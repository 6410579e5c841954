#include "compiler/symbol_table.h"

#include <charconv>
#include <cmath>

namespace kau {

SymbolTable Symbols;
RealConstantTable RealConstants;

void ClearSymbolTable() { Symbols.ClearSymbolTable(); }
void ClearRealTable() { RealConstants.ClearRealTable(); }

namespace {
bool validBucket(int bucket) { return bucket >= 0 && bucket < kSymbolBucketCount; }
}  // namespace

int HashName(std::string_view text) {
  std::uint32_t h = 0;
  for (char c : text) {
    h = (h << 4) + static_cast<std::uint32_t>(static_cast<std::int32_t>(static_cast<signed char>(c)));
    const std::uint32_t g = h & 0xF0000000u;
    if (g != 0) {
      h ^= g >> 24;
      h ^= g;
    }
  }
  return static_cast<int>(h % kSymbolBucketCount);
}

int BuiltInTypeSize(std::string_view name) {
  if (name == "INTEGER" || name == "CHAR" || name == "BOOLEAN") return 1;
  if (name == "REAL") return 2;
  if (name == "STRING" || name == "TEXT") return 255;
  return -1;
}

double RealLiteralValue(std::string_view text) {
  double value = 0.0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || end != text.data() + text.size() || !std::isfinite(value)) return 0.0;
  return value;
}

// ---- symbols -------------------------------------------------------------

int SymbolTable::InsertSymbol(std::string_view name, int size) {
  if (const auto found = indexOfName_.find(name); found != indexOfName_.end()) {
    lastInserted_ = buckets_[HashName(name)][found->second];
    return found->second;
  }
  std::vector<elem_tab_simb*>& chain = buckets_[HashName(name)];
  elem_tab_simb* entry = NewSymbolEntry(name);
  const int builtIn = BuiltInTypeSize(name);
  entry->size = builtIn >= 0 ? builtIn : size;
  if (!chain.empty()) chain.back()->nextInBucket = entry;
  chain.push_back(entry);
  const int index = static_cast<int>(chain.size()) - 1;
  indexOfName_.emplace(std::string(name), index);
  lastInserted_ = entry;
  return index;
}

elem_tab_simb* SymbolTable::SymbolBucket(int bucket) const { return SymbolAt(bucket, 0); }

elem_tab_simb* SymbolTable::SymbolAt(int bucket, int index) const {
  if (!validBucket(bucket) || index < 0) return nullptr;
  const std::vector<elem_tab_simb*>& chain = buckets_[bucket];
  return static_cast<std::size_t>(index) < chain.size() ? chain[index] : nullptr;
}

elem_tab_simb* SymbolTable::FindSymbol(std::string_view name) const {
  const auto found = indexOfName_.find(name);
  return found == indexOfName_.end() ? nullptr : buckets_[HashName(name)][found->second];
}

int SymbolTable::BucketLength(int bucket) const {
  return validBucket(bucket) ? static_cast<int>(buckets_[bucket].size()) : 0;
}

elem_tab_simb* SymbolTable::NewSymbolEntry(std::string_view name) {
  elem_tab_simb& entry = entries_.emplace_back();
  entry.name = std::string(name);
  return &entry;
}

elem_tab_simb* SymbolTable::CloneSymbolForScope(elem_tab_simb* entry) {
  if (entry == nullptr) return nullptr;
  elem_tab_simb* clone = NewSymbolEntry(entry->name);
  clone->kind = entry->kind;
  clone->info = entry->info;
  clone->address = entry->address;
  clone->size = entry->size;
  clone->isPointer = entry->isPointer;
  clone->hasArrayDescriptor = entry->hasArrayDescriptor;
  clone->isDeclared = entry->isDeclared;
  clone->isEnumeration = entry->isEnumeration;
  clone->type = entry->type;
  clone->owner = entry->owner;
  clone->nextSameName = entry->nextSameName;
  entry->nextSameName = clone;
  return clone;
}

bool SymbolTable::SymbolHasScope(const elem_tab_simb* entry, const elem_tab_simb* owner) {
  for (; entry != nullptr; entry = entry->nextSameName)
    if (entry->owner == owner) return true;
  return false;
}

void SymbolTable::CopyScopeSymbols(
    elem_tab_simb* from, elem_tab_simb* to,
    const std::function<void(elem_tab_simb& copied, elem_tab_simb& clone)>& shareArrayDescriptor) {
  auto copy = [&](elem_tab_simb* copied) {
    elem_tab_simb* clone = CloneSymbolForScope(copied);
    clone->owner = to;
    if (copied->hasArrayDescriptor && shareArrayDescriptor) shareArrayDescriptor(*copied, *clone);
    return clone;
  };
  for (const std::vector<elem_tab_simb*>& chain : buckets_) {
    for (elem_tab_simb* first : chain) {
      if (SymbolHasScope(first, to)) continue;
      if (first->owner == from) {
        copy(first);
        continue;
      }
      for (elem_tab_simb* e = first->nextSameName; e != nullptr; e = e->nextSameName)
        if (e->owner == from) e = copy(e);  // step over the new clone
    }
  }
}

void SymbolTable::ClearSymbolTable() {
  for (std::vector<elem_tab_simb*>& chain : buckets_) std::vector<elem_tab_simb*>().swap(chain);
  indexOfName_.clear();
  entries_.clear();
  lastInserted_ = nullptr;
}

// ---- real constants ------------------------------------------------------

int RealConstantTable::InsertRealConstant(std::string_view text) {
  const int bucket = HashName(text);
  const double value = RealLiteralValue(text);
  if (const auto found = indexOfValue_.find({bucket, value}); found != indexOfValue_.end())
    return found->second;
  std::vector<RealConstantNode*>& chain = buckets_[bucket];
  RealConstantNode& node = nodes_.emplace_back();
  node.value = value;
  if (!chain.empty()) chain.back()->next = &node;
  chain.push_back(&node);
  const int index = static_cast<int>(chain.size()) - 1;
  indexOfValue_.emplace(std::make_pair(bucket, value), index);
  return index;
}

const RealConstantNode* RealConstantTable::RealBucket(int bucket) const { return RealAt(bucket, 0); }

const RealConstantNode* RealConstantTable::RealAt(int bucket, int index) const {
  if (!validBucket(bucket) || index < 0) return nullptr;
  const std::vector<RealConstantNode*>& chain = buckets_[bucket];
  return static_cast<std::size_t>(index) < chain.size() ? chain[index] : nullptr;
}

void RealConstantTable::ClearRealTable() {
  for (std::vector<RealConstantNode*>& chain : buckets_) std::vector<RealConstantNode*>().swap(chain);
  indexOfValue_.clear();
  nodes_.clear();
}

}  // namespace kau
