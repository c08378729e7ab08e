// What the preload lists and in which order it loads, in process.
#include <gtest/gtest.h>
#include <stb_image_write.h>

#include <filesystem>
#include <functional>
#include <fstream>

#include "core/engine_state.h"
#include "resources/resource_setup.h"
#include "support/run_program.h"
#include "zolt.h"

namespace fs = std::filesystem;

namespace {

void Write(const fs::path& path, const std::string& bytes) {
    if (path.has_parent_path()) fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
}

std::string Png(uint8_t shade) {
    std::string out;
    const uint8_t pixel[4] = {shade, shade, shade, 255};
    stbi_write_png_to_func(
        [](void* context, void* data, int size) {
            static_cast<std::string*>(context)->append(static_cast<char*>(data), size);
        },
        &out, 1, 1, 4, pixel, 4);
    return out;
}

std::vector<std::wstring> ListedNames() {
    std::vector<std::wstring> names;
    for (auto& file : engine.resources.files) names.push_back(file.name);
    return names;
}

class Preload : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        IniEngine(nullptr, nullptr, SW_SHOWNORMAL, L"preload", 320, 240);
    }
    void SetUp() override {
        root_ = testing_support::MakeTempDir();
        previous_ = fs::current_path();
        fs::current_path(root_);
        engine.resources.files.clear();
        engine.resources.textures.clear();
    }
    void TearDown() override {
        fs::current_path(previous_);
        fs::remove_all(root_);
    }
    fs::path root_, previous_;
};

TEST(ResourceKind, ComesFromTheLastFourCharactersExactly) {
    const std::pair<const wchar_t*, int> cases[] = {
        {L"a.png", 1}, {L"a.jpg", 2},     {L"a.bmp", 3},  {L"a.dds", 4}, {L"a.tga", 5},
        {L"a.wav", 6}, {L"a.PNG", 0},     {L".png", 0},   {L"png", 0},   {L"a.jpeg", 0},
        {L"", 0},      {L"x.wav.txt", 0}, {L"ab.tga", 5},
    };
    for (auto& [name, kind] : cases) EXPECT_EQ(GetResourceKind(name), kind) << fs::path(name);
}

TEST_F(Preload, ListsDepthFirstInTheFileSystemsOrderAndSkipsOtherFiles) {
    Write("data/b.png", Png(1));
    Write("data/sub/c.wav", "RIFF");
    Write("data/sub/deeper/d.tga", "x");
    Write("data/e.PNG", Png(2));
    Write("data/notes.txt", "x");
    Write("data/.png", "x");
    Write("data/zero.png", "");
    CollectResourceFiles(L"data");
    std::vector<std::wstring> names = ListedNames();
    // Whatever the file system's order, a folder's records come where it was met.
    std::vector<std::wstring> expected;
    std::vector<uint32_t> sizes;
    std::function<void(const fs::path&)> walk = [&](const fs::path& folder) {
        for (auto& entry : fs::directory_iterator(folder)) {
            std::wstring name = entry.path().filename().wstring();
            if (entry.is_directory()) {
                walk(entry.path());
            } else if (entry.file_size() > 0 && GetResourceKind(name.c_str())) {
                expected.push_back(name);
                sizes.push_back(static_cast<uint32_t>(entry.file_size()));
            }
        }
    };
    walk("data");
    EXPECT_EQ(names, expected);
    EXPECT_EQ(names.size(), 3u);
    for (size_t i = 0; i < sizes.size() && i < names.size(); ++i) {
        EXPECT_EQ(engine.resources.files[i].size, sizes[i]);
        EXPECT_EQ(engine.resources.files[i].kind, GetResourceKind(names[i].c_str()));
    }
}

TEST_F(Preload, LoadsTheLastFoundFirstAndLoadsNothingTwice) {
    Write("data/one.png", Png(1));
    Write("data/two.png", Png(2));
    Write("data/three.png", Png(3));
    engine.resources.rootFolder = L"data";
    PreloadResources();
    std::vector<std::wstring> listed = ListedNames();
    ASSERT_EQ(listed.size(), 3u);
    ASSERT_EQ(engine.resources.textures.size(), 3u);
    for (size_t i = 0; i < 3; ++i) EXPECT_EQ(engine.resources.textures[i].name, listed[2 - i]);

    PreloadResources();  // the same folder again: listed twice, loaded once
    EXPECT_EQ(engine.resources.files.size(), 6u);
    EXPECT_EQ(engine.resources.textures.size(), 3u);
}

TEST_F(Preload, AFolderOutsideTheCurrentTreeLoadsOnlyWhatAlsoLiesBelowIt) {
    fs::path outside = testing_support::MakeTempDir();
    Write(outside / "only_there.png", Png(1));
    Write(outside / "both.png", Png(2));
    Write("here/both.png", Png(3));
    std::wstring folder = outside.wstring();
    engine.resources.rootFolder = folder.c_str();
    PreloadResources();
    EXPECT_EQ(engine.resources.files.size(), 2u);
    ASSERT_EQ(engine.resources.textures.size(), 1u);
    EXPECT_EQ(engine.resources.textures[0].name, L"both.png");
    fs::remove_all(outside);
}

}  // namespace
