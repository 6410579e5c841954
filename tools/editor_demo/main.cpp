// kau_editor_demo [--two] FILE...: the system's editor control in a window,
// one editor (two with --two) showing the files in order. When the window
// closes, each editor's text is written to standard output (UTF-8), the
// editors separated by a line "----", so that a script driving the window
// can read what it typed.
#include <QApplication>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "platform/qt/qt_system.h"
#include "text/code_pages.h"
#include "tools/editor_demo/demo_window.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  int editors = 1;
  std::vector<std::string> files;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--two") == 0) editors = 2;
    else files.push_back(argv[i]);
  }
  kau::platform::QtSystemServices services;
  int status = 0;
  {
    kau::editor::DemoWindow window(editors);
    for (std::size_t i = 0; i < files.size() && static_cast<int>(i) < editors; ++i) {
      if (!window.Load(static_cast<int>(i), files[i])) {
        std::fprintf(stderr, "kau_editor_demo: cannot read %s\n", files[i].c_str());
        return 3;
      }
    }
    window.resize(editors == 2 ? 900 : 640, 480);
    window.show();
    window.Host(0).setFocus();
    status = app.exec();
    for (int i = 0; i < window.EditorCount(); ++i) {
      if (i > 0) std::fputs("----\n", stdout);
      for (int line = 0; line < window.Editor(i).LineCount(); ++line)
        std::printf("%s\n", kau::text::cp1252ToUtf8(window.Editor(i).Lines().Get(line)).c_str());
    }
  }
  return status;
}
