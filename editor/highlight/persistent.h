// Objects that can copy their settings from another object.
#pragma once

#include "editor/model/object.h"

namespace kau::editor {

class TPersistent : public TObject {
public:
    // Copies the settings of `source`. Returns false, changing nothing, when
    // `source` is of a kind this object cannot take settings from.
    virtual bool Assign(const TPersistent& source) {
        (void)source;
        return false;
    }
};

}  // namespace kau::editor
