// The editor windows' eighteen code templates: the list's items and, for a
// chosen item, the text that replaces the typed word and where the caret goes.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace kau::ide {

struct CodeTemplate {
  std::string_view item;                  // the list entry
  std::vector<std::string_view> pieces;   // joined by the indent; "\n" is a line feed
  int caretColumns;                       // caret move from where the typed word began
  int caretLines;
};

// In the list's order.
std::span<const CodeTemplate> CodeTemplates();

struct TemplateInsertion {
  std::string value;  // replaces the typed word
  int caretX;
  int caretY;
};

// Where the typed word began (the list opens with the caret after it): the
// template goes there, and its continuation lines are indented to it.
int TemplateStartColumn(int caretX, std::string_view input);

// The text for the chosen entry, with the caret inside its first empty
// slot. `startX`/`startY` is where the typed `input` began. An entry that
// names no template gives back the input, the caret after it.
TemplateInsertion ExpandTemplate(std::string_view chosen, std::string_view input, int startX, int startY);

}  // namespace kau::ide
