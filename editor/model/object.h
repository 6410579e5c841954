// The root of the editor's classes that take part in notifications: a sender
// passed to a handler is a TObject, so the handler can ask what it is.
#pragma once

#include "editor/model/method.h"

namespace kau::editor {

class TObject {
 public:
  virtual ~TObject() = default;
};

using TNotifyEvent = Method<void(TObject* Sender)>;

}  // namespace kau::editor
