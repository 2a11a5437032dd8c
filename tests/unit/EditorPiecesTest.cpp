// The editor's pure pieces: the rectangle check, a drawing wrapper's faults and the texts of
// object creation and icon set-up.
#include <gtest/gtest.h>

#include "sdk/editor/EditorRectangle.h"
#include "sdk/editor/NewObjectBoxes.h"
#include "sdk/editor/SurfaceLocks.h"

using namespace Vantor;

TEST(EditorRectangleCheck, OnlyARectangleWithAreaPasses)
{
    EXPECT_FALSE(RectangleProblem({0, 0, 1, 1}));
    EXPECT_FALSE(RectangleProblem({-5, -5, 32, 32}));

    const auto swapped = RectangleProblem({10, 20, 5, 30});
    ASSERT_TRUE(swapped);
    EXPECT_EQ(swapped->kind, Problem::Kind::Fatal);
    EXPECT_EQ(swapped->text, "Invalid rectangle was found: rect (10, 20, 5, 30) should have been rect (5, 20, 10, 30).\n");
    const auto flat = RectangleProblem({4, 9, 8, 9});
    ASSERT_TRUE(flat);
    EXPECT_EQ(flat->text, "Invalid rectangle was found: rect (4, 9, 8, 9) should have been rect (4, 9, 8, 9).\n");
    EXPECT_TRUE(RectangleProblem({3, 3, 3, 2}));
}

TEST(EditorRectangleCheck, NormalisingSwapsOnlyWhatIsBackwards)
{
    const EditorRectangle r = Normalised({7, 1, 2, 9});
    EXPECT_EQ(r.left, 2);
    EXPECT_EQ(r.top, 1);
    EXPECT_EQ(r.right, 7);
    EXPECT_EQ(r.bottom, 9);
    const EditorRectangle extremes = Normalised({INT32_MAX, INT32_MIN, INT32_MIN, INT32_MAX});
    EXPECT_EQ(extremes.left, INT32_MIN);
    EXPECT_EQ(extremes.right, INT32_MAX);
}

TEST(SurfaceWrapperFaults, DestroyingWithALockIsFatalAndNamesIt)
{
    const void* at = reinterpret_cast<const void*>(0x1234ABCD);
    EXPECT_FALSE(DestroyProblem({}, "Icon surface: ", at));
    const auto buffer = DestroyProblem({true, false}, "Icon surface: ", at);
    ASSERT_TRUE(buffer);
    EXPECT_EQ(buffer->kind, Problem::Kind::Fatal);
    EXPECT_EQ(buffer->text, "Icon surface: Destroying surface at 0x1234ABCD, but has locked buffer.\n");
    const auto alpha = DestroyProblem({false, true}, "Editor surface: ", at);
    ASSERT_TRUE(alpha);
    EXPECT_EQ(alpha->text, "Editor surface: Destroying surface at 0x1234ABCD, but has locked alpha buffer.\n");
    EXPECT_EQ(CopyToSelfProblem("Editor surface: ").text, "Editor surface: Cannot copy to self.\n");
}

TEST(NewObjectTexts, SizeMismatchAndFailure)
{
    const Problem mismatch = SizeMismatchBox(100, 249, 249);
    EXPECT_EQ(mismatch.kind, Problem::Kind::ErrorBox);
    EXPECT_EQ(mismatch.title, "EDITDATA size mismatch");
    EXPECT_EQ(mismatch.text, "Fusion provided an EDITDATA of 100 bytes, Props sizeBytes is 249, but "
                             "GetEDITDATASizeFromJSON calculation was 249 bytes expected.\nThis is a Vantor bug!");
    const Problem failure = InitialisationFailureBox(kResizeRefused);
    EXPECT_EQ(failure.title, "Initialisation failure");
    EXPECT_EQ(failure.text, "Initialising extension failed: error 12.");
}

TEST(NewObjectTexts, IconBoxesTellALowDepthFromAnUnreadableFile)
{
    EXPECT_EQ(IconImportBox("Velisse", 1).text, "Velisse's Icon.png uses a bit depth of 1, which is too small.");
    EXPECT_EQ(IconImportBox("Velisse", 4).text, "Velisse's Icon.png uses a bit depth of 4, which is too small.");
    EXPECT_EQ(IconImportBox("Velisse", 5).text, "Velisse's Icon.png failed to load.");
    EXPECT_EQ(IconImportBox("Vantor Template", 32).text, "Vantor Template's Icon.png failed to load.");
    // No depth at all: not an image, whatever its size.
    EXPECT_EQ(IconImportBox("Vantor Template", 0).text, "Vantor Template's Icon.png failed to load.");
    EXPECT_EQ(IconImportBox("Velisse", 8).title, "Failed to load ext icon");
}
