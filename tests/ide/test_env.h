// The environment of one test: variables put back afterwards, files written
// and read, and a fake program that notes its start and then sleeps.
#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>

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

// Writes the program `name` into `folder`; it creates the returned file when
// started, then sleeps 10 s. Empty when it could not be written.
inline QString WriteSleepingProgram(const QString& folder, const QString& name) {
  const QString started = QDir(folder).filePath(name + ".started");
  QFile script(QDir(folder).filePath(name));
  if (!script.open(QIODevice::WriteOnly)) return {};
  script.write(("#!/bin/sh\necho ok > '" + started + "'\nexec /bin/sleep 10\n").toUtf8());
  script.close();
  script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  return started;
}

}  // namespace kau::ide::testing
