// The environment of one test: variables put back afterwards, files written
// and read, and fake programs that note their start or their arguments.
#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>

#include "tests/support/hang_bound.h"

namespace kau::ide::testing {

class ScopedEnv {
 public:
  // Sets an environment variable; the destructor puts the old value back.
  ScopedEnv(const char* name, const QByteArray& value)
      : name_(name), old_(qgetenv(name)), had_(qEnvironmentVariableIsSet(name)) {
    qputenv(name, value);
  }
  ~ScopedEnv() {
    if (had_)
      qputenv(name_, old_);
    else
      qunsetenv(name_);
  }
  ScopedEnv(const ScopedEnv&) = delete;
  ScopedEnv& operator=(const ScopedEnv&) = delete;

 private:
  const char* name_;
  QByteArray old_;
  bool had_;
};

// Writes a file with these bytes; its path.
inline QString WriteFile(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  if (file.open(QIODevice::WriteOnly)) file.write(bytes);
  return path;
}

// The file's bytes; empty when it cannot be read.
inline QByteArray FileContents(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Writes the shell program `name` into `folder`, executable; false when it
// could not be written.
inline bool WriteProgram(const QString& folder, const QString& name, const QString& body) {
  QFile script(QDir(folder).filePath(name));
  if (!script.open(QIODevice::WriteOnly)) return false;
  script.write(("#!/bin/sh\n" + body).toUtf8());
  script.close();
  return script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

// Writes the program `name` into `folder`; it creates the returned file when
// started, then sleeps twice the hang bound, so that a caller waiting for its
// end is caught by that bound. Empty when it could not be written.
inline QString WriteSleepingProgram(const QString& folder, const QString& name) {
  const QString started = QDir(folder).filePath(name + ".started");
  const QString sleep = "exec /bin/sleep " + QString::number(2 * KAU_HANG_SECONDS) + "\n";
  return WriteProgram(folder, name, "echo ok > '" + started + "'\n" + sleep) ? started : QString();
}

// Writes the program `name` into `folder`; it writes its arguments into the
// returned file and ends with `status`. Empty when it could not be written.
inline QString WriteEndingProgram(const QString& folder, const QString& name, int status) {
  const QString arguments = QDir(folder).filePath(name + ".arguments");
  return WriteProgram(folder, name, "echo \"$@\" > '" + arguments + "'\nexit " + QString::number(status) + "\n")
             ? arguments
             : QString();
}

}  // namespace kau::ide::testing
