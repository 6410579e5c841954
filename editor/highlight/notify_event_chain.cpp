#include "editor/highlight/notify_event_chain.h"

#include <algorithm>

namespace kau::editor {

void TSynNotifyEventChain::Add(TNotifyEvent event) {
    if (event) events_.push_back(event);
}

void TSynNotifyEventChain::Remove(TNotifyEvent event) {
    std::erase(events_, event);
}

bool TSynNotifyEventChain::Contains(const TNotifyEvent& event) const {
    return std::find(events_.begin(), events_.end(), event) != events_.end();
}

void TSynNotifyEventChain::Fire() {
    TObject* const sender = sender_;
    const std::vector<TNotifyEvent> snapshot = events_;
    for (const TNotifyEvent& event : snapshot) {
        // A handler unhooked by an earlier one may belong to an object that
        // no longer exists.
        if (Contains(event)) event(sender);
    }
}

}  // namespace kau::editor
