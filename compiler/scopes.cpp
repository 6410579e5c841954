#include "compiler/scopes.h"

namespace kau::translator {

Declared* ScopeTable::Create(const std::string& name, char kind) {
  Declared& d = storage_.emplace_back();
  d.name = name;
  d.kind = kind;
  return &d;
}

Declared* ScopeTable::Declare(const std::string& name, Declared* owner, char kind) {
  auto key = std::make_pair(static_cast<const Declared*>(owner), name);
  if (index_.count(key)) return nullptr;
  Declared* d = Create(name, kind);
  d->owner = owner;
  index_.emplace(std::move(key), d);
  return d;
}

Declared* ScopeTable::Find(Declared* owner, const std::string& name) const {
  auto it = index_.find(std::make_pair(static_cast<const Declared*>(owner), name));
  return it == index_.end() ? nullptr : it->second;
}

}  // namespace kau::translator
