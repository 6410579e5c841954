#include "tools/editor_demo/demo_window.h"

#include <QMenuBar>
#include <QSplitter>
#include <QStatusBar>

#include "ide/editor_window_settings.h"

namespace kau::editor {

DemoWindow::DemoWindow(int editorCount, QWidget* parent) : QMainWindow(parent) {
  setObjectName("DemoWindow");
  setWindowTitle("Pascal KAU! editor");
  auto* splitter = new QSplitter(this);
  for (int i = 0; i < editorCount; ++i) {
    auto pane = std::make_unique<EditorPane>();
    pane->host.setObjectName(QString("editor%1").arg(i + 1));
    pane->host.setParent(splitter);
    splitter->addWidget(&pane->host);
    pane->host.SetClient(&pane->edit);
    pane->edit.CreateWnd(pane->host);
    ide::ApplyEditorWindowSettings(pane->edit);
    ide::ColourHighlighter(pane->pascal, ide::kStyleClassic);
    ide::ApplyStyleToControl(pane->edit, pane->pascal, ide::kStyleClassic);
    pane->edit.SetOptionFlag(eoDropFiles, true);
    pane->edit.OnDropFiles = makeMethod<&DemoWindow::FilesDropped>(this);
    pane->edit.OnMouseOverToken = makeMethod<&DemoWindow::MouseOverToken>(this);
    editors_.push_back(std::move(pane));
  }
  setCentralWidget(splitter);

  QMenu* file = menuBar()->addMenu("&Arquivo");
  file->setObjectName("menuArquivo");
  file->addAction("Sai&r", this, &QWidget::close);
  QMenu* edit = menuBar()->addMenu("&Editar");
  edit->setObjectName("menuEditar");
  edit->addAction("&Desfazer", this, [this] { Current().Undo(); });
  edit->addAction("&Refazer", this, [this] { Current().Redo(); });
  edit->addSeparator();
  edit->addAction("Recor&tar", this, [this] { Current().CutToClipboard(); });
  edit->addAction("&Copiar", this, [this] { Current().CopyToClipboard(); });
  edit->addAction("C&olar", this, [this] { Current().PasteFromClipboard(); });
  edit->addAction("Selecionar t&udo", this, [this] { Current().SelectAll(); });
  statusBar()->showMessage(" ");
}

DemoWindow::~DemoWindow() {
  // Each control lets go of its window and highlighter before they go.
  for (auto& pane : editors_) {
    pane->edit.SetHighlighter(nullptr);
    pane->edit.DestroyWnd();
    pane->host.SetClient(nullptr);
    pane->host.setParent(nullptr);
  }
}

bool DemoWindow::Load(int index, const std::string& fileName) {
  try {
    Editor(index).Lines().LoadFromFile(fileName);
  } catch (const std::exception&) {
    return false;
  }
  Editor(index).SetModified(false);
  return true;
}

void DemoWindow::FilesDropped(TObject*, int, int, const std::vector<std::string>& Files) {
  QStringList names;
  for (const std::string& name : Files) names << QString::fromStdString(name);
  statusBar()->showMessage(names.join(", "));
}

void DemoWindow::MouseOverToken(TObject* Sender, const std::string&, int, TSynHighlighterAttributes* Attri,
                                bool& Highlight) {
  auto* edit = static_cast<TSynEditKAU*>(Sender);
  Highlight = Attri && edit->Highlighter() && Attri == edit->Highlighter()->GetDefaultAttribute(SYN_ATTR_KEYWORD);
}

TSynEditKAU& DemoWindow::Current() {
  for (auto& pane : editors_)
    if (pane->host.hasFocus()) return pane->edit;
  return editors_.front()->edit;
}

}  // namespace kau::editor
