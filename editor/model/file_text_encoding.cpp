#include "editor/model/file_text_encoding.h"

#include "text/code_pages.h"

namespace kau::editor {

TDecodedFileText DecodeFileText(std::string Bytes) {
  TDecodedFileText result;
  std::string_view body = Bytes;
  result.ByteOrderMark = body.starts_with(kUtf8ByteOrderMark);
  if (result.ByteOrderMark) body.remove_prefix(kUtf8ByteOrderMark.size());
  // One pass for the common file: UTF-8 whose characters 1252 all has.
  if (text::utf8ToCp1252(body, result.Text)) return result;
  if (text::isValidUtf8(Bytes)) {
    result.Text = text::sourceToCp1252(Bytes);
    result.CharactersReplaced = true;
    return result;
  }
  result.Text = std::move(Bytes);
  result.Encoding = TSynEditFileEncoding::Cp1252;
  result.ByteOrderMark = false;  // its bytes are characters of the text
  return result;
}

std::string EncodeFileText(std::string Text, TSynEditFileEncoding Encoding) {
  if (Encoding == TSynEditFileEncoding::Utf8) return text::cp1252ToUtf8(Text);
  return Text;
}

}  // namespace kau::editor
