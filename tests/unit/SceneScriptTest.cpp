// The scene runner's script reader and its catalog of what a library's objects can be asked.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "standins/host/app/SceneCatalog.h"
#include "standins/host/app/SceneScript.h"

using namespace StandinHost;

namespace {

std::string SourceFile(const char* relative)
{
    std::ifstream in(std::string(VANTOR_SOURCE_DIR) + "/" + relative, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

TEST(SceneScript, TheSampleSceneReadsWhole)
{
    const SceneParseResult result = ParseScene(SourceFile("examples/scenes/game-moment.scene"));
    ASSERT_EQ(result.error, "") << "line " << result.errorLine;
    EXPECT_EQ(result.scene.objects.size(), 2u);
    EXPECT_FALSE(result.scene.blocks.empty());
    EXPECT_GT(result.scene.LastFrame(), 100);
}

TEST(SceneScript, StatementsArgumentsAndFrameBlocks)
{
    const SceneParseResult result = ParseScene(
        "object Studio \"Tonvale.mfx\"\n"
        "  property \"Real Channels\" 32\n"
        "frame 2\n"
        "  do Studio: Play one-shot event (3D) \"event:/a \\\"b\\\"\" 1.5, -2, 3\n"
        "frames 4 to 6\n"
        "  print Studio: GetGlobalParameter(\"x\")\n"
        "wait 3 frames\n"
        "  say \"hello\"\n");
    ASSERT_EQ(result.error, "") << "line " << result.errorLine;
    const Scene& scene = result.scene;
    ASSERT_EQ(scene.objects.size(), 1u);
    EXPECT_EQ(scene.objects[0].properties.at(0).title, "Real Channels");
    ASSERT_EQ(scene.blocks.size(), 3u);
    const SceneCall& play = scene.blocks[0].statements.at(0).call;
    EXPECT_EQ(play.object, "Studio");
    ASSERT_EQ(play.arguments.size(), 4u);
    EXPECT_EQ(play.arguments[0].text, "event:/a \"b\"");
    EXPECT_EQ(play.arguments[1].kind, SceneValue::Kind::Float);
    EXPECT_EQ(play.arguments[2].integer, -2);
    EXPECT_EQ(scene.blocks[1].first, 4);
    EXPECT_EQ(scene.blocks[1].last, 6);
    EXPECT_EQ(scene.blocks[2].first, 9);  // three frames after the last block's last frame
    EXPECT_EQ(scene.LastFrame(), 9);
}

TEST(SceneScript, ErrorsNameTheirLine)
{
    const struct {
        const char* text;
        int line;
    } cases[] = {
        {"object A \"x.mfx\"\nframe zero\n", 2},
        {"object A \"x.mfx\"\nframe 1\n  do A: Start \"unterminated\n", 3},
        {"jump 3\n", 1},
        {"frame 1\n  property \"late\" 1\n", 2},
        {"object A \"x.mfx\"\nframes 5 to 2\n", 2},
        // A wait past the last frame a scene can reach, not an overflow into negative frames.
        {"object A \"x.mfx\"\nframe 2147483647\nwait 1 frame\n", 3},
    };
    for (const auto& bad : cases) {
        const SceneParseResult result = ParseScene(bad.text);
        EXPECT_NE(result.error, "") << bad.text;
        EXPECT_EQ(result.errorLine, bad.line) << bad.text;
    }
}

TEST(SceneCatalog, CallsResolveByMenuTextTitleOrNumberWithTheirArgumentsChecked)
{
    const CatalogResult read = ReadSceneCatalog(SourceFile("studio/Tonvale.json"));
    ASSERT_EQ(read.error, "");
    EXPECT_EQ(read.catalog.actions.size(), 9u);

    const auto call = [](std::string name, std::vector<SceneValue> arguments) {
        SceneCall c;
        c.name = std::move(name);
        c.arguments = std::move(arguments);
        return c;
    };
    const SceneValue text{SceneValue::Kind::Text, 0, 0, "bus:/SFX"};
    const SceneValue number{SceneValue::Kind::Integer, 1, 0, {}};
    std::string error;
    const auto byMenu = ResolveCall(read.catalog, call("set bus volume", {text, number}), error);
    ASSERT_TRUE(byMenu) << error;
    EXPECT_EQ(byMenu->number, 7);
    const auto byNumber = ResolveCall(read.catalog, call("#7", {text, number}), error);
    ASSERT_TRUE(byNumber) << error;
    EXPECT_EQ(byNumber->number, 7);

    EXPECT_FALSE(ResolveCall(read.catalog, call("Set bus volume", {text}), error));
    EXPECT_NE(error, "");
    EXPECT_FALSE(ResolveCall(read.catalog, call("Set bus volume", {number, number}), error));
    EXPECT_FALSE(ResolveCall(read.catalog, call("No such action", {}), error));
    // Two actions share this title: the runner asks for the menu text or the number instead.
    EXPECT_FALSE(ResolveCall(read.catalog, call("Set global parameter %0 to %1", {text, number}), error));
}

}  // namespace
