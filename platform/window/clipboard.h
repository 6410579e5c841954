// The clipboard as the window system offers it: opened, emptied, filled
// entry by entry with a format each, and closed; what is set becomes visible
// to others when it is closed. Entries are bytes: text in code page 1252
// without its terminating 0 (the back end converts to and from UTF-8), and
// registered formats exactly as given.
#pragma once

#include <string>
#include <string_view>

namespace kau::platform {

using TClipboardFormat = unsigned;
inline constexpr TClipboardFormat CF_TEXT = 1;

class Clipboard {
 public:
  virtual ~Clipboard() = default;

  virtual bool Open() = 0;
  virtual void Close() = 0;
  virtual bool Empty() = 0;
  virtual bool SetData(TClipboardFormat format, std::string_view bytes) = 0;
  virtual bool HasFormat(TClipboardFormat format) = 0;
  virtual bool GetData(TClipboardFormat format, std::string& bytes) = 0;
};

// The number of a private format by its name; the same name gives the same
// number. The back ends carry it as the MIME type PrivateFormatMimeType.
TClipboardFormat RegisterClipboardFormat(std::string_view name);
// The name of a registered format; empty for CF_TEXT and unknown numbers.
std::string ClipboardFormatName(TClipboardFormat format);
// "KAU Editor Block Type" -> "application/x-kau-editor-block-type".
std::string PrivateFormatMimeType(std::string_view name);
TClipboardFormat FormatOfMimeType(std::string_view mime);

}  // namespace kau::platform
