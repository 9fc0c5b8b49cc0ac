// One QApplication for all widget tests of a test program, created before the first test
// and gone after the last (the runner picks the offscreen platform).
#include <gtest/gtest.h>

#include <QApplication>
#include <QFont>
#include <memory>

namespace {

class QtEnvironment : public ::testing::Environment {
  public:
    void SetUp() override {
        app_ = std::make_unique<QApplication>(argc_, argv_);
        // Gridsmith's program font (Optara's windows set their own), so that text
        // measures as it does for the user.
        QApplication::setFont(QFont(QStringLiteral("VL PGothic"), 9));
    }
    void TearDown() override { app_.reset(); }

  private:
    int argc_ = 1;
    char name_[16] = "tarn_qt_tests";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<QApplication> app_;
};

[[maybe_unused]] ::testing::Environment* const kQtEnvironment =
    ::testing::AddGlobalTestEnvironment(new QtEnvironment);

}  // namespace
