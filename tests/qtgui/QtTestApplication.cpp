#include "QtTestApplication.h"

#include <gtest/gtest.h>
#include <memory>

namespace {

class QtApplicationEnvironment : public testing::Environment {
public:
    QApplication& application()
    {
        if (!application_) {
            if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
                qputenv("QT_QPA_PLATFORM", "offscreen");
            application_ = std::make_unique<QApplication>(argc_, argv_);
        }
        return *application_;
    }

    void TearDown() override { application_.reset(); }

private:
    int argc_ = 1;
    char name_[11] = "test_qtgui";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<QApplication> application_;
};

QtApplicationEnvironment* const environment =
    static_cast<QtApplicationEnvironment*>(testing::AddGlobalTestEnvironment(new QtApplicationEnvironment));

} // namespace

QApplication& qtTestApplication()
{
    return environment->application();
}
