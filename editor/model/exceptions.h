// The exceptions the editor's model raises. Messages are code page 1252.
#pragma once

#include <stdexcept>
#include <string>

namespace kau::editor {

class Exception : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// File and stream failures: a file that cannot be opened or created, a read
// or a write that fails.
class EStreamError : public Exception {
 public:
  using Exception::Exception;
};
class EFOpenError : public EStreamError {
 public:
  using EStreamError::EStreamError;
};
class EFCreateError : public EStreamError {
 public:
  using EStreamError::EStreamError;
};
class EReadError : public EStreamError {
 public:
  using EStreamError::EStreamError;
};
class EWriteError : public EStreamError {
 public:
  using EStreamError::EStreamError;
};

// A sorted string list that allows no duplicates was given a second entry of
// a name it holds.
class EStringListError : public Exception {
 public:
  using Exception::Exception;
};
inline constexpr const char* kDuplicateString = "String list does not allow duplicates";

}  // namespace kau::editor

namespace kau::editor {

// A file or a text larger than the editor can hold.
class EFileTooLarge : public EStreamError {
 public:
  using EStreamError::EStreamError;
};

}  // namespace kau::editor
