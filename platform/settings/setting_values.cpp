#include "platform/settings/setting_values.h"

#include "text/code_pages.h"

namespace kau::settings {

std::optional<std::int32_t> ParseInteger(std::string_view text) {
  const bool negative = !text.empty() && text.front() == '-';
  if (negative) text.remove_prefix(1);
  if (text.empty() || text.size() > 10) return std::nullopt;
  std::int64_t value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
  }
  if (negative) value = -value;
  if (value < INT32_MIN || value > UINT32_MAX) return std::nullopt;
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
}

std::string IntegerText(std::int32_t value) {
  return std::to_string(value);
}

std::string InvalidValueText(std::string_view section, std::string_view name, std::string_view value) {
  std::string result = text::cp1252("Valor inválido na seção \"");
  result.append(section).append("\", nome \"").append(name).append("\": \"").append(value).append("\"");
  return result;
}

}  // namespace kau::settings
