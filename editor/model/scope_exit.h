// Steps that must run on every way out of a scope. A failing step fails the
// scope, unless the scope already fails: then it stays quiet, so that the
// first failure reaches the caller.
#pragma once

#include <exception>
#include <utility>

namespace kau::editor {

// Runs a step when the scope is left.
template <typename F>
class TScopeExit {
 public:
  explicit TScopeExit(F Step) : fStep(std::move(Step)), fUncaught(std::uncaught_exceptions()) {}
  ~TScopeExit() noexcept(false) {
    if (std::uncaught_exceptions() == fUncaught) {
      fStep();
      return;
    }
    try {
      fStep();
    } catch (...) {
    }
  }
  TScopeExit(const TScopeExit&) = delete;
  TScopeExit& operator=(const TScopeExit&) = delete;

 private:
  F fStep;
  int fUncaught;
};

// Calls Begin on an object now and End when the scope is left: a bracket such
// as BeginUpdate/EndUpdate held for a scope.
template <typename T, void (T::*Begin)(), void (T::*End)()>
class TScopedBracket {
 public:
  explicit TScopedBracket(T& Target) : fEnd(Open(Target)) {}

 private:
  struct Close {
    T& fTarget;
    void operator()() const { (fTarget.*End)(); }
  };
  static Close Open(T& Target) {
    (Target.*Begin)();
    return Close{Target};
  }
  TScopeExit<Close> fEnd;
};

}  // namespace kau::editor
