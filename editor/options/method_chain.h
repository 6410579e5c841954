// TSynMethodChain: an ordered list of handlers that are all called when the
// chain fires, with a handler of its own for their failures;
// TSynNotifyEventChain calls notification handlers with one sender. One
// highlighter notifies any number of editors through such a chain.
#pragma once

#include <algorithm>
#include <exception>
#include <stdexcept>
#include <string>
#include <vector>

#include "editor/model/object.h"

namespace kau::editor {

class ESynMethodChain : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// (sender: the chain, the failure, var continue with the next handler)
using TSynExceptionEvent = Method<void(TObject* Sender, const std::exception& E, bool& DoContinue)>;

template <typename Signature>
class TSynMethodChain : public TObject {
 public:
  using TMethod = Method<Signature>;

  void Add(const TMethod& AEvent) {
    if (!AEvent) throw ESynMethodChain(ClassName() + ".Entry : the parameter `AEvent' must be specified.");
    fNotifyProcs.push_back(AEvent);
  }

  // Removes every occurrence, from the end of the list.
  void Remove(const TMethod& AEvent) {
    if (!AEvent) throw ESynMethodChain(ClassName() + ".Remove: the parameter `AEvent' must be specified.");
    for (auto i = fNotifyProcs.size(); i-- > 0;)
      if (fNotifyProcs[i] == AEvent) fNotifyProcs.erase(fNotifyProcs.begin() + static_cast<std::ptrdiff_t>(i));
  }

  // Calls every handler in list order. It walks a copy of the list taken at the
  // start: a handler removed by an earlier one is skipped, one added meanwhile
  // waits for the next firing.
  void Fire() {
    const std::vector<TMethod> snapshot = fNotifyProcs;
    for (const TMethod& m : snapshot) {
      if (std::find(fNotifyProcs.begin(), fNotifyProcs.end(), m) == fNotifyProcs.end()) continue;
      try {
        DoFire(m);
      } catch (const std::exception& E) {
        if (!DoHandleException(E)) break;
      }
    }
  }

  int Count() const { return static_cast<int>(fNotifyProcs.size()); }
  TSynExceptionEvent OnException;

 protected:
  virtual void DoFire(const TMethod& AEvent) = 0;

  // Without a handler the failure goes on out of Fire; otherwise the handler
  // decides whether the remaining handlers run.
  virtual bool DoHandleException(const std::exception& E) {
    if (!OnException) throw;
    bool DoContinue = true;
    OnException(this, E, DoContinue);
    return DoContinue;
  }

  virtual std::string ClassName() const { return "TSynMethodChain"; }

 private:
  std::vector<TMethod> fNotifyProcs;
};

class TSynNotifyEventChain : public TSynMethodChain<void(TObject* Sender)> {
 public:
  explicit TSynNotifyEventChain(TObject* ASender) : fSender(ASender) {}

  TObject* Sender() const { return fSender; }
  void SetSender(TObject* Value) { fSender = Value; }

 protected:
  void DoFire(const TNotifyEvent& AEvent) override { AEvent(fSender); }
  std::string ClassName() const override { return "TSynNotifyEventChain"; }

 private:
  TObject* fSender;
};

}  // namespace kau::editor
