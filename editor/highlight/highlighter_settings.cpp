// A highlighter's attributes in the settings (registry and file forms).
#include "editor/highlight/custom_highlighter.h"
#include "platform/settings/ini_file_settings.h"

namespace kau::editor {

bool TSynCustomHighlighter::LoadAttributesFromRegistry(const settings::Settings& root, const std::string& key) {
  bool ok = true;
  for (int i = 0; i < GetAttribCount(); ++i) ok = GetAttribute(i)->LoadFromRegistry(root, key, loadErrors_) && ok;
  return ok;
}

void TSynCustomHighlighter::SaveAttributesToRegistry(settings::Settings& root, const std::string& key) const {
  for (int i = 0; i < GetAttribCount(); ++i) GetAttribute(i)->SaveToRegistry(root, key);
}

bool TSynCustomHighlighter::LoadFromRegistry(const settings::Settings& root, const std::string& key) {
  ClearLoadErrors();
  if (!root.SectionExists(key)) return false;
  return LoadAttributesFromRegistry(root, key);
}

bool TSynCustomHighlighter::SaveToRegistry(settings::Settings& root, const std::string& key) {
  root.CreateSection(key);
  SaveAttributesToRegistry(root, key);
  return root.Flush();
}

bool TSynCustomHighlighter::LoadFromFile(const std::string& fileName) {
  ClearLoadErrors();
  settings::IniFileSettings file(fileName);
  if (!file.Load()) return false;
  bool ok = true;
  for (int i = 0; i < GetAttribCount(); ++i) ok = GetAttribute(i)->LoadFromFile(file, loadErrors_) && ok;
  return ok;
}

// Other sections of the file stay as they are.
bool TSynCustomHighlighter::SaveToFile(const std::string& fileName) {
  settings::IniFileSettings file(fileName);
  if (!file.Load()) return false;
  for (int i = 0; i < GetAttribCount(); ++i) GetAttribute(i)->SaveToFile(file);
  return file.Flush();
}

}  // namespace kau::editor
