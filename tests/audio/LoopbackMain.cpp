#include "LoopbackMain.h"

#include <QCoreApplication>
#ifdef ONDRIX_LOOPBACK_WIDGETS
#include <QApplication>
#endif

#include <gtest/gtest.h>

#include <memory>

LoopbackServer* g_server = nullptr;
std::string g_serverError;

namespace {

class LoopbackEnvironment : public ::testing::Environment {
 public:
  LoopbackEnvironment(int& argc, char** argv) : argc_(argc), argv_(argv) {}
  void SetUp() override {
    // A failure here would make the tests count as skipped; each test fails
    // with the reason instead.
    if (server_.Start(g_serverError)) g_server = &server_;
#ifdef ONDRIX_LOOPBACK_WIDGETS
    // Widgets, drawn off screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    app_ = std::make_unique<QApplication>(argc_, argv_);
#else
    app_ = std::make_unique<QCoreApplication>(argc_, argv_);
#endif
  }
  void TearDown() override {
    app_.reset();
    g_server = nullptr;
    server_.Stop();
  }

 private:
  int& argc_;
  char** argv_;
  LoopbackServer server_;
  std::unique_ptr<QCoreApplication> app_;
};

}  // namespace

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  // Listing the tests (CTest's discovery) needs no server.
  if (!::testing::GTEST_FLAG(list_tests)) ::testing::AddGlobalTestEnvironment(new LoopbackEnvironment(argc, argv));
  return RUN_ALL_TESTS();
}
