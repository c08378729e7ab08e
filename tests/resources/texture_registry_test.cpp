// The texture registry and the file search, in process: the engine's own code on
// a headless device, in a small tree of files the test makes.
#include <dirent.h>
#include <gtest/gtest.h>
#include <stb_image_write.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "core/engine_state.h"
#include "resources/file_search.h"
#include "resources/resource_setup.h"
#include "resources/texture_registry.h"
#include "support/run_program.h"
#include "zolt.h"

namespace fs = std::filesystem;

namespace {

void WritePng(const fs::path& path, uint8_t red) {
    if (path.has_parent_path()) fs::create_directories(path.parent_path());
    const uint8_t pixels[2 * 2 * 4] = {red, 0, 0, 255, red, 0, 0, 255,
                                       red, 0, 0, 255, red, 0, 0, 255};
    ASSERT_TRUE(stbi_write_png(path.c_str(), 2, 2, 4, pixels, 8));
}

void WriteText(const fs::path& path, const std::string& text) {
    if (path.has_parent_path()) fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << text;
}

// The first of two names as the file system lists them in folder.
std::string ListedFirst(const fs::path& folder, const std::string& a, const std::string& b) {
    DIR* dir = opendir(folder.c_str());
    std::string first;
    while (dirent* entry = readdir(dir)) {
        if (entry->d_name == a || entry->d_name == b) {
            first = entry->d_name;
            break;
        }
    }
    closedir(dir);
    return first;
}

// One engine for the whole program, as in a game: set up once, headless.
class TextureRegistry : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        IniEngine(nullptr, nullptr, SW_SHOWNORMAL, L"registry test", 320, 240);
        ASSERT_TRUE(engine.deviceReady);
    }

    void SetUp() override {
        root_ = testing_support::MakeTempDir();
        previous_ = fs::current_path();
        fs::current_path(root_);
        engine.resources.textures.clear();
    }
    void TearDown() override {
        fs::current_path(previous_);
        fs::remove_all(root_);
    }

    fs::path root_;
    fs::path previous_;
};

TEST_F(TextureRegistry, FindsBareNamesAnywhereBelowTheCurrentFolder) {
    WritePng("top.png", 1);
    WritePng("one/two/deep.png", 2);
    WritePng("Case.png", 3);
    WriteText("empty.png", "");
    const std::pair<const wchar_t*, std::optional<std::wstring>> cases[] = {
        {L"top.png", L"top.png"},         {L"deep.png", L"one\\two\\deep.png"},
        {L"case.png", std::nullopt},       // letter case matters
        {L"two\\deep.png", std::nullopt},  // only bare names are found
        {L"empty.png", std::nullopt},      // a file of size 0 counts as a folder
        {L"missing.png", std::nullopt},   {nullptr, std::nullopt},
    };
    for (auto& [name, path] : cases) {
        EXPECT_EQ(FindResourceFile(name), path) << (name ? fs::path(name).string() : "null");
    }
}

TEST_F(TextureRegistry, TheFirstFileMetInTheWalkWins) {
    WritePng("left/dup.png", 10);
    WritePng("right/dup.png", 20);
    std::string first = ListedFirst(".", "left", "right");
    EXPECT_EQ(FindResourceFile(L"dup.png"), fs::path(first + "\\dup.png").wstring());
}

TEST_F(TextureRegistry, FirstLookupAddsOneEntryAndLaterOnesDoNotTouchTheDisk) {
    WritePng("a.png", 1);
    IDirect3DTexture9* first = GetTexture(L"a.png");
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(engine.resources.textures.size(), 1u);
    fs::remove("a.png");
    EXPECT_EQ(GetTexture(L"a.png"), first);
    EXPECT_EQ(engine.resources.textures.size(), 1u);
    // Names differing only in case are different entries.
    WritePng("A.png", 2);
    EXPECT_NE(GetTexture(L"A.png"), first);
    EXPECT_EQ(engine.resources.textures.size(), 2u);
}

TEST_F(TextureRegistry, FailuresGiveThePlaceholderAndAreTriedAgain) {
    WritePng("default.bmp", 7);  // never loaded: the placeholder's name
    WritePng("holder.png", 9);
    IDirect3DTexture9* placeholder = GetTexture(L"holder.png");
    engine.resources.textures.front().name = L"default.bmp";  // stands in for the library's
    WriteText("broken.png", "not a picture at all");
    const wchar_t* failing[] = {L"broken.png", L"missing.png", L"x\\broken.png", nullptr};
    for (const wchar_t* name : failing) EXPECT_EQ(GetTexture(name), placeholder);
    EXPECT_EQ(GetTexture(L"default.bmp"), placeholder);
    EXPECT_EQ(engine.resources.textures.size(), 1u);
    WritePng("broken.png", 5);  // mended: the next lookup loads it
    IDirect3DTexture9* mended = GetTexture(L"broken.png");
    EXPECT_NE(mended, placeholder);
    EXPECT_EQ(engine.resources.textures.size(), 2u);
}

TEST_F(TextureRegistry, WithoutAPlaceholderAFailedLookupGivesNull) {
    EXPECT_EQ(GetTexture(L"missing.png"), nullptr);
    EXPECT_EQ(GetTexture(nullptr), nullptr);
}

TEST_F(TextureRegistry, LinksBackIntoTheWalkAreNotFollowedAgain) {
    WritePng("inner/found.png", 1);
    fs::create_directory_symlink("..", "inner/up");
    fs::create_directory_symlink(".", "self");
    EXPECT_EQ(FindResourceFile(L"missing.png"), std::nullopt);  // and it ends
    EXPECT_EQ(FindResourceFile(L"found.png"), L"inner\\found.png");
    engine.resources.files.clear();
    CollectResourceFiles(nullptr);
    EXPECT_EQ(engine.resources.files.size(), 1u);
}

TEST_F(TextureRegistry, LongNamesAndPathsAreHandledWhole) {
    std::string folder(200, 'f');
    fs::path deep = fs::path(folder) / folder / folder / folder / folder / folder;
    std::string longName = std::string(120, 'n') + ".png";
    WritePng(deep / longName, 3);
    WritePng(deep / (std::string(120, 'n') + "x.png"), 4);
    std::optional<std::wstring> path = FindResourceFile(fs::path(longName).wstring().c_str());
    ASSERT_TRUE(path);
    EXPECT_GT(path->size(), 1000u);
    IDirect3DTexture9* texture = GetTexture(fs::path(longName).wstring().c_str());
    ASSERT_NE(texture, nullptr);
    EXPECT_NE(GetTexture((std::wstring(120, L'n') + L"x.png").c_str()), texture);
}

}  // namespace
