// Test entry point for programs that render text: fonts need a QGuiApplication (a QApplication
// for the window tests), created once before any test runs, on the offscreen platform so no
// display is needed.

#include <QByteArray>
#include <QDir>
#include <QGuiApplication>
#include <QTemporaryDir>
#ifdef TALLYRUNE_WIDGET_TESTS
#include <QApplication>
using TestApplication = QApplication;
#else
using TestApplication = QGuiApplication;
#endif

#include <gtest/gtest.h>

#include <memory>

namespace {

class GuiEnvironment : public ::testing::Environment {
  public:
    GuiEnvironment(int& argc, char** argv) : argc_(argc), argv_(argv) {}
    void SetUp() override {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        runtimeDir_ = std::make_unique<QTemporaryDir>();
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtimeDir_->path()));
        // The designer's start ties .TLR files to the running program in the user's data
        // folder; a test's program must not become the user's.
        dataHome_ = std::make_unique<QTemporaryDir>();
        qputenv("XDG_DATA_HOME", QFile::encodeName(dataHome_->path()));
        app_ = std::make_unique<TestApplication>(argc_, argv_);
    }
    void TearDown() override { app_.reset(); }

  private:
    int& argc_;
    char** argv_;
    std::unique_ptr<QTemporaryDir> runtimeDir_;
    std::unique_ptr<QTemporaryDir> dataHome_;
    std::unique_ptr<TestApplication> app_;
};

} // namespace

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::AddGlobalTestEnvironment(new GuiEnvironment(argc, argv));
    return RUN_ALL_TESTS();
}
