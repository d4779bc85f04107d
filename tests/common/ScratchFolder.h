#pragma once
// A folder of its own for the files a test writes, emptied when it is made and removed with the
// object. Its name holds the running test's name, so that test programs running side by side
// never share one.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <system_error>

namespace tavrix::testing {

class ScratchFolder {
public:
    explicit ScratchFolder(const std::string& prefix) {
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        std::string name = prefix + "-" + test->test_suite_name() + "-" + test->name() + "-" +
                           std::to_string(++made_);
        std::replace(name.begin(), name.end(), '/', '_'); // parameterised tests
        path_ = std::filesystem::temp_directory_path() / name;
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
    }
    ~ScratchFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    std::filesystem::path operator/(const std::filesystem::path& name) const {
        return path_ / name;
    }

private:
    static inline int made_ = 0;
    std::filesystem::path path_;
};

} // namespace tavrix::testing
