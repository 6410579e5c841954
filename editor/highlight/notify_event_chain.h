// An ordered list of notification handlers fired with one sender.
#pragma once

#include <vector>

#include "editor/object.h"

namespace kau::editor {

// Firing walks a copy of the list taken at the start and skips the handlers
// removed meanwhile, so a handler may hook or unhook handlers (itself
// included) while it runs.
class TSynNotifyEventChain {
public:
    explicit TSynNotifyEventChain(TObject* sender) : sender_(sender) {}

    TObject* Sender() const { return sender_; }
    void SetSender(TObject* sender) { sender_ = sender; }

    // An unassigned handler is ignored.
    void Add(TNotifyEvent event);
    // Removes every occurrence of the handler.
    void Remove(TNotifyEvent event);
    void Fire();
    int Count() const { return static_cast<int>(events_.size()); }

private:
    bool Contains(const TNotifyEvent& event) const;

    TObject* sender_;
    std::vector<TNotifyEvent> events_;
};

}  // namespace kau::editor
