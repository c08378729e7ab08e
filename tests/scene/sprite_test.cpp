// Sprites on layers, end to end: what the captured frames show.
#include <gtest/gtest.h>

#include "scene/scene_run.h"

namespace {

constexpr Rgba kRed{255, 0, 0, 255}, kGreen{0, 255, 0, 255}, kWhite{255, 255, 255, 255};

// A window of 800 x 600 outer size: a view of 784 x 561.
const std::string kInit = "init 800 600\n";

TEST(Sprites, CullingOfWorldLayersUsesTheUnscaledRectangleAgainstTheView) {
    SceneRun run;
    run.Solid("w.png", 64, 64, kWhite);
    // Viewport (100, 0); each sprite is drawn in its own row of the window.
    const struct {
        int x, y;
        float scale;
        bool drawn;
        int column;  // where its pixel shows when drawn
    } cases[] = {{36, 0, 1, false, 0},
                 {37, 70, 1, true, 0},
                 {884, 140, 1, false, 783},
                 {883, 210, 1, true, 783},
                 {30, 280, 2, false, 0}};
    std::string script = kInit + "every viewport 100 0\n";
    for (auto& c : cases) {
        script += "every sprite w.png " + std::to_string(c.x) + " " + std::to_string(c.y) +
                  " 64 64 1 0 " + std::to_string(c.scale) + " FFFFFFFF\n";
    }
    run.Run(script, {2}, 2);
    Picture frame = run.Frame(2);
    ASSERT_EQ(frame.width, 784) << run.result.err;
    for (auto& c : cases) {
        EXPECT_EQ(frame.At(c.column, c.y + 5) == kWhite, c.drawn)
            << "x " << c.x << " scale " << c.scale;
    }
}

TEST(Sprites, LayersClampAndLayer0DrawsOnTopWithoutTheViewport) {
    SceneRun run;
    run.Solid("r.png", 40, 40, kRed);
    run.Solid("g.png", 40, 40, kGreen);
    run.Solid("w.png", 40, 40, kWhite);
    run.Solid("w60.png", 60, 60, kWhite);
    run.Run(
        kInit +
            "every viewport 100 0\n"
            "every sprite r.png 10 10 40 40 0 0 1 FFFFFFFF\n"     // screen layer: at (10, 10)
            "every sprite g.png 120 10 40 40 7 0 1 FFFFFFFF\n"    // layer 7 is layer 4: under red
            "every sprite w.png 150 100 40 40 -3 0 1 FFFFFFFF\n"  // culled and offset, then layer 0
            "every sprite g.png 150 100 40 40 1 0 1 FFFFFFFF\n"   // under the white
            "every sprite w60.png -50 -50 60 60 0 0 1 FFFFFFFF\n",  // screen layer, partly off
        {2}, 2);
    Picture f = run.Frame(2);
    ASSERT_EQ(f.width, 784) << run.result.err;
    EXPECT_EQ(f.At(20, 20), kRed);     // red on layer 0 covers green on layer 4
    EXPECT_EQ(f.At(55, 20), kGreen);   // the part of green beside it
    EXPECT_EQ(f.At(60, 110), kWhite);  // (150 - 100, 100): layer -3 over layer 1
    EXPECT_EQ(f.At(5, 5), kWhite);     // (-50, -50) reaches into the window
    EXPECT_EQ(f.At(200, 300), kBlue);
}

TEST(Sprites, PositionRotationScaleColourAndBlending) {
    SceneRun run;
    run.Write("half.png", 40, 20, [](int x, int) { return x < 20 ? kRed : kGreen; });
    run.Solid("w.png", 10, 10, kWhite);
    run.Run(kInit +
                "every sprite half.png 100 100 40 20 0 90 1 FFFFFFFF\n"  // clockwise about (20, 10)
                "every sprite w.png 300 50 10 10 0 0 3 FFFFFFFF\n"       // 30 x 30 from (300, 50)
                "every sprite w.png 400 50 10 10 0 0 1 FF00FF00\n"       // tinted green
                "every sprite w.png 500 50 10 10 0 0 1 80FFFFFF\n",      // half over blue
            {2}, 2);
    Picture f = run.Frame(2);
    ASSERT_EQ(f.width, 784) << run.result.err;
    EXPECT_EQ(f.At(120, 95), kRed);     // the red left half is turned to the top
    EXPECT_EQ(f.At(120, 125), kGreen);  // the green right half to the bottom
    EXPECT_EQ(f.At(105, 110), kBlue);   // outside the turned box (110..130)
    EXPECT_EQ(f.At(301, 51), kWhite);
    EXPECT_EQ(f.At(328, 78), kWhite);
    EXPECT_EQ(f.At(331, 81), kBlue);
    EXPECT_EQ(f.At(405, 55), kGreen);
    Rgba half = f.At(505, 55);
    EXPECT_NEAR(half.r, 128, 3);
    EXPECT_NEAR(half.g, 128, 3);
    EXPECT_EQ(half.b, 255);
}

TEST(Sprites, ANegativeViewportIsHeldAt0) {
    SceneRun run;
    run.Solid("w.png", 10, 10, kWhite);
    run.Run(kInit + "every viewport -10 20\nevery sprite w.png 5 30 10 10 1 0 1 FFFFFFFF\n", {2}, 2);
    Picture f = run.Frame(2);
    ASSERT_EQ(f.width, 784) << run.result.err;
    EXPECT_EQ(f.At(6, 11), kWhite);  // at (5, 30) - (0, 20)
    EXPECT_EQ(f.At(6, 31), kBlue);
}

TEST(Sprites, WithinALayerAnimationsLieOverSprites) {
    SceneRun run;
    run.Solid("r.png", 40, 40, kRed);
    run.Sheet("sheet.png", 1, 1, 40, 40);
    run.Run(kInit +
                "animation a sheet.png 1 0 1 40 40 2\n"
                "every draw a 10 10 2 0 1 FFFFFFFF\n"
                "every sprite r.png 10 10 40 40 2 0 1 FFFFFFFF\n",  // called later, drawn under
            {2}, 2);
    Picture f = run.Frame(2);
    ASSERT_EQ(f.width, 784) << run.result.err;
    EXPECT_EQ(f.At(20, 20), CellColour(0));
}

TEST(Sprites, CallOrderWithinALayerAndTheSameFileTwice) {
    SceneRun run;
    run.Solid("r.png", 40, 40, kRed);
    run.Solid("g.png", 40, 40, kGreen);
    run.Run(kInit +
                "every sprite r.png 10 10 40 40 2 0 1 FFFFFFFF\n"
                "every sprite g.png 30 10 40 40 2 0 1 FFFFFFFF\n"
                "every sprite r.png 200 10 40 40 2 0 1 FFFFFFFF\n",
            {2}, 2);
    Picture f = run.Frame(2);
    ASSERT_EQ(f.width, 784) << run.result.err;
    EXPECT_EQ(f.At(35, 20), kGreen);  // the later draw covers the earlier
    EXPECT_EQ(f.At(210, 20), kRed);   // one file, two images
    EXPECT_EQ(f.At(20, 20), kRed);
}

TEST(Sprites, ASceneWithoutLayersQueuesButDrawsNothing) {
    SceneRun run;
    run.Solid("r.png", 40, 40, kRed);
    run.Run(
        "window 800 600 0\nevery sprite r.png 10 10 40 40 0 0 1 FFFFFFFF\n"
        "every sprite r.png 10 10 40 40 1 0 1 FFFFFFFF\n",
        {3}, 3);
    Picture f = run.Frame(3);
    ASSERT_EQ(f.width, 784) << run.result.err;
    EXPECT_EQ(f.At(20, 20), kBlue);
}

TEST(Sprites, AMissingPictureDrawsTheLibrarysPlaceholder) {
    SceneRun run;
    run.Run(kInit + "every sprite nowhere.png 10 10 64 64 0 0 1 FFFFFFFF\n", {2}, 2);
    Picture f = run.Frame(2);
    ASSERT_EQ(f.width, 784) << run.result.err;
    int changed = 0;
    for (int y = 10; y < 74; ++y)
        for (int x = 10; x < 74; ++x) changed += !(f.At(x, y) == kBlue);
    EXPECT_GT(changed, 64 * 64 / 4);  // the placeholder picture is there
    EXPECT_EQ(f.At(80, 80), kBlue);   // at its 64 x 64 size
}

TEST(Sprites, SpritesQueuedWhileTheDeviceIsLostAllAppearAfterTheReset) {
    SceneRun run;
    run.Solid("w.png", 8, 8, kWhite);
    std::string script = kInit;
    for (int tick = 1; tick <= 6; ++tick) {
        script += "at " + std::to_string(tick) + " sprite w.png " + std::to_string(20 * tick) +
                  " 20 8 8 0 0 1 FFFFFFFF\n";
    }
    run.Run(script, {1, 5}, 6, "2 device lost\n5 device notreset\n");
    Picture f = run.Frame(5);
    ASSERT_EQ(f.width, 784) << run.result.err;
    for (int tick = 2; tick <= 5; ++tick) EXPECT_EQ(f.At(20 * tick + 2, 22), kWhite) << tick;
    EXPECT_EQ(f.At(22, 22), kBlue);  // tick 1's sprite was drawn in tick 1's frame
    EXPECT_EQ(run.Frame(1).At(22, 22), kWhite);
}

}  // namespace
