// The painter gives the same bytes on every run.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

#include "picture_reader.h"

namespace fs = std::filesystem;
using test_pictures::ReadBytes;

namespace {

TEST(Painter, WritesIdenticalBytesOnTwoRuns) {
    const fs::path root = fs::temp_directory_path() / ("glimmerfall-paint-" + std::to_string(::getpid()));
    const fs::path first = root / "first", second = root / "second";
    fs::create_directories(first);
    fs::create_directories(second);
    ASSERT_EQ(std::system((std::string(PAINTER_PATH) + " " + first.string()).c_str()), 0);
    ASSERT_EQ(std::system((std::string(PAINTER_PATH) + " " + second.string()).c_str()), 0);
    for (const char* name : {"Data1.Bin", "Data2.Bin", "banner.jpg", "glimmerfall.ico", "review.png"}) {
        const auto a = ReadBytes((first / name).string()), b = ReadBytes((second / name).string());
        EXPECT_FALSE(a.empty()) << name;
        EXPECT_TRUE(a == b) << name << " differs between runs";
        // And the build's own copy is the same picture.
        EXPECT_TRUE(a == ReadBytes(test_pictures::PicturePath(name))) << name << " differs from the build's";
    }
    fs::remove_all(root);
}

}  // namespace
