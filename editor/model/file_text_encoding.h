// How the line store's files are read into code page 1252 and written back,
// the way kauc reads a source: a file that is valid UTF-8 is UTF-8 (a leading
// byte-order mark is skipped and noted, so that saving writes it again, and a
// character that code page 1252 lacks becomes "?"); any other file is taken
// as code page 1252 bytes and written back byte for byte.
#pragma once

#include <string>
#include <string_view>

#include "editor/model/syn_edit_string_list.h"

namespace kau::editor {

inline constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

struct TDecodedFileText {
  std::string Text;  // code page 1252
  TSynEditFileEncoding Encoding = TSynEditFileEncoding::Utf8;
  bool ByteOrderMark = false;
  // Characters that code page 1252 lacks were turned into "?".
  bool CharactersReplaced = false;
};

TDecodedFileText DecodeFileText(std::string Bytes);

// Code page 1252 text in the file's encoding (without the byte-order mark).
std::string EncodeFileText(std::string Text, TSynEditFileEncoding Encoding);

}  // namespace kau::editor
