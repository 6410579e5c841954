// Without a graphical session the program explains itself and exits 3.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <string>

namespace {

TEST(NoDisplay, SaysItNeedsAGraphicalSessionAndNamesTheTerminalRunner) {
  const std::string command =
      std::string("env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM '") + PASCALKAU_PATH + "' 2>&1";
  FILE* pipe = popen(command.c_str(), "r");
  ASSERT_NE(pipe, nullptr);
  std::string output;
  char buffer[256];
  while (std::fgets(buffer, sizeof buffer, pipe)) output += buffer;
  const int status = pclose(pipe);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 3);
  EXPECT_NE(output.find("sessão gráfica"), std::string::npos) << output;
  EXPECT_NE(output.find("kauc run --console PROGRAMA.pas"), std::string::npos) << output;
}

}  // namespace
