#pragma once

#include <filesystem>
#include <gtest/gtest.h>
#include <string>

// A fresh folder per test, removed afterwards.
class TempFolder {
public:
    TempFolder()
    {
        const auto* test = testing::UnitTest::GetInstance()->current_test_info();
        std::string name = "qtgui-" + std::string(test->test_suite_name()) + "-" + test->name();
        for (char& c : name)
            if (c == '/')
                c = '_';
        path_ = std::filesystem::temp_directory_path() / name;
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
    }
    ~TempFolder() { std::filesystem::remove_all(path_); }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};
