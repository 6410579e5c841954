// The external tools: found on PATH, started without waiting, or the message.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "ide/external_tools.h"
#include "test_env.h"
#include "tests/support/hang_bound.h"

namespace kau::ide::testing {
namespace {

TEST(ExternalToolsTest, StartsTheToolFoundOnPathWithoutWaiting) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString started = WriteSleepingProgram(dir.path(), "gnome-calculator");
  ASSERT_FALSE(started.isEmpty());

  ScopedEnv path("PATH", dir.path().toUtf8());
  QElapsedTimer timer;
  timer.start();
  EXPECT_EQ(StartExternalTool(ExternalTool::kCalculadora), std::nullopt);
  EXPECT_LT(timer.elapsed(), kau::testing::kHangMilliseconds);  // did not wait for the tool to end
  EXPECT_TRUE(QTest::qWaitFor([&] { return QFile::exists(started); }, kau::testing::kHangMilliseconds));
}

TEST(ExternalToolsTest, NothingOnPathGivesTheMessage) {
  ScopedEnv path("PATH", "");
  const struct {
    ExternalTool tool;
    const char* message;
  } cases[] = {
      {ExternalTool::kWindowsExplorer, "Não foi possível iniciar Windows Explorer."},
      {ExternalTool::kPromptMsDos, "Não foi possível iniciar Prompt do MS-DOS."},
      {ExternalTool::kBlocoDeNotas, "Não foi possível iniciar Bloco de Notas."},
      {ExternalTool::kInternetExplorer, "Não foi possível iniciar Internet Explorer."},
      {ExternalTool::kCalculadora, "Não foi possível iniciar Calculadora."},
      {ExternalTool::kLeiameTxt, "Não foi possível iniciar Leiame.txt."},
  };
  for (const auto& c : cases) EXPECT_EQ(StartExternalTool(c.tool), QString::fromUtf8(c.message)) << c.message;
}

}  // namespace
}  // namespace kau::ide::testing
