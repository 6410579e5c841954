// Method-pointer style notifications: a handler is a receiver object and one of
// its member functions, so the same handler can be found again to remove it.
#pragma once

#include <vector>

namespace kau::editor {

// Root of every object that can be the sender of a notification.
class TObject {
public:
    virtual ~TObject() = default;
};

struct TNotifyEvent {
    using Code = void (*)(void* receiver, TObject* sender);
    Code code = nullptr;
    void* receiver = nullptr;

    // TNotifyEvent::Of<&Editor::HighlighterChanged>(editor)
    template <auto Method, class Receiver>
    static TNotifyEvent Of(Receiver* target) {
        return {[](void* r, TObject* sender) { (static_cast<Receiver*>(r)->*Method)(sender); }, target};
    }

    bool Assigned() const { return code != nullptr; }
    void operator()(TObject* sender) const {
        if (code) code(receiver, sender);
    }
    bool operator==(const TNotifyEvent&) const = default;
};

// An ordered list of handlers fired with one sender. Firing walks a copy of
// the list taken at the start and skips the handlers removed meanwhile, so a
// handler may hook or unhook handlers (itself included) while it runs.
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
