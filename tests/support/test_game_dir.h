// A fresh game folder for one test: <tmp>/<prefix>_<pid>_<suite>_<test> with Data/ and user/,
// made the running game's app_dir and user_dir. Returns the folder.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "app.h"

inline std::string MakeTestGameDir(const std::string& prefix) {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    const std::string dir = (std::filesystem::temp_directory_path() /
                             (prefix + "_" + std::to_string(getpid()) + "_" + info->test_suite_name() + "_" +
                              info->name()))
                                .string();
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir + "/Data");
    app_dir = dir;
    user_dir = dir + "/user";
    std::filesystem::create_directories(user_dir);
    return dir;
}
