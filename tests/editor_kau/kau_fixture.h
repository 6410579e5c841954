// A TSynEditKAU with the Pascal highlighter in a fake window of 200 x 150
// pixels on the fake system: cells of 8 x 16 pixels, a gutter of 30 pixels,
// the text from x 32, 9 lines in view.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "editor/highlight/pascal_highlighter.h"
#include "editor/structure/syn_edit_kau.h"
#include "platform/fake/fake_system.h"
#include "platform/fake/fake_window.h"

namespace kau::editor::testing {

class KauTest : public ::testing::Test {
protected:
    KauTest() {
        platform::SetSystem(&system);
        window.SetClient(&edit);
        edit.CreateWnd(window);
        edit.SetHighlighter(&pascal);
    }
    ~KauTest() override {
        edit.SetHighlighter(nullptr);
        edit.DestroyWnd();
        window.SetClient(nullptr);
        platform::SetSystem(nullptr);
    }

    void SetLines(const std::vector<std::string>& lines) {
        edit.Lines().BeginUpdate();
        edit.Lines().Clear();
        for (const std::string& line : lines) edit.Lines().Add(line);
        edit.Lines().EndUpdate();
    }
    void Type(const std::string& text) {
        for (char c : text) edit.CommandProcessor(ecChar, c, nullptr);
    }
    int X(int column) const { return edit.TextOffset() + (column - edit.LeftChar()) * edit.CharWidth(); }
    int Y(int line) const { return (line - edit.TopLine()) * edit.LineHeight(); }

    platform::FakeSystem system;
    platform::FakeWindow window{{0, 0, 200, 150}};
    TSynPasSyn pascal;
    TSynEditKAU edit;
};

}  // namespace kau::editor::testing
