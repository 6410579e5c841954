// A plain main window holding one or two of the system's editor controls
// with the editor window's settings, for trying the control by hand and for
// the end-to-end tests under X: menus "&Arquivo" and "&Editar", the names of
// files dropped on an editor in the status bar, and Pascal keywords shown as
// links under Ctrl.
#pragma once

#include <QMainWindow>
#include <memory>
#include <string>
#include <vector>

#include "editor/highlight/pascal_highlighter.h"
#include "editor/structure/syn_edit_kau.h"
#include "platform/qt/qt_editor_host.h"

namespace kau::editor {

class DemoWindow : public QMainWindow {
public:
    explicit DemoWindow(int editorCount, QWidget* parent = nullptr);
    ~DemoWindow() override;

    int EditorCount() const { return static_cast<int>(editors_.size()); }
    TSynEditKAU& Editor(int index) { return editors_[static_cast<std::size_t>(index)]->edit; }
    platform::QtEditorHost& Host(int index) { return editors_[static_cast<std::size_t>(index)]->host; }
    // Loads a file into editor `index`; false when it cannot be read.
    bool Load(int index, const std::string& fileName);

private:
    struct EditorPane {
        platform::QtEditorHost host;
        TSynPasSyn pascal;
        TSynEditKAU edit;
    };
    void FilesDropped(TObject* Sender, int X, int Y, const std::vector<std::string>& Files);
    void MouseOverToken(TObject* Sender, const std::string& Token, int TokenType, TSynHighlighterAttributes* Attri,
                        bool& Highlight);
    // The editor with the focus, else the first.
    TSynEditKAU& Current();

    std::vector<std::unique_ptr<EditorPane>> editors_;
};

}  // namespace kau::editor
