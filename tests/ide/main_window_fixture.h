// A main window with its explorer, as the program makes them, for each test.
#pragma once

#include <gtest/gtest.h>

#include <memory>

#include <QAction>
#include <QTest>
#include <QToolButton>

#include "ide/form_explorer.h"
#include "ide/form_main.h"
#include "tests/support/hang_bound.h"

namespace kau::ide::testing {

class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    main_ = std::make_unique<TFormMain>();
    explorer_ = new TFormExplorer(main_.get());
    main_->setExplorer(explorer_);
  }
  template <typename T = QWidget>
  T* widget(const char* name) const {
    T* found = main_->findChild<T*>(name);
    EXPECT_NE(found, nullptr) << name;
    return found;
  }
  QAction* action(const char* name) const { return widget<QAction>(name); }
  // Shows the main window, which opens its first editor window; that one.
  TFormEditor* showWithEditor() {
    main_->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(main_.get(), kau::testing::kHangMilliseconds));
    EXPECT_NE(main_->ActiveEditorWindow(), nullptr);
    return main_->ActiveEditorWindow();
  }
  QToolButton* button(const char* name) const { return widget<QToolButton>(name); }

  std::unique_ptr<TFormMain> main_;
  TFormExplorer* explorer_ = nullptr;
};

}  // namespace kau::ide::testing
