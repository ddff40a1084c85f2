// A FlushBatch keeps what is painted while it lives in this client until the outermost batch
// ends: another client of the server sees none of it before, and all of it after. Without a
// batch each Painter flushes as it goes.
#include "graphics/GraphicsTestSupport.h"

#include "support/Waiting.h"
#include "tessarin/graphics/FlushBatch.h"
#include "tessarin/graphics/Painter.h"

using namespace tessarin;

namespace {

constexpr Color kBack = 0x202020;
constexpr Color kRed = 0xFF0000;
constexpr Color kGreen = 0x00FF00;

class FlushBatchTest : public CanvasFixture {
 protected:
  FlushBatchTest() : CanvasFixture({20, 140}) {}
  void SetUp() override {
    CanvasFixture::SetUp();
    other = XOpenDisplay(nullptr);
    ASSERT_NE(other, nullptr);
  }
  void TearDown() override {
    if (other != nullptr) XCloseDisplay(other);
    CanvasFixture::TearDown();
  }

  // What the server shows, asked over the other connection, which flushes nothing of ours.
  Color SeenByOther(int x, int y) {
    XSync(other, False);
    XImage* image = XGetImage(other, form->GetWindow(), x, y, 1, 1, AllPlanes, ZPixmap);
    if (image == nullptr) return kNoColor;
    const auto pixel = static_cast<Color>(XGetPixel(image, 0, 0) & 0xFFFFFF);
    XDestroyImage(image);
    return pixel;
  }
  void Fill(int x, Color color) {
    Painter painter(PaintTargetOf(form.get()));
    painter.FillRect(x, 10, 8, 8, 0, 0, color);
  }

  Display* other = nullptr;
};

TEST_F(FlushBatchTest, PaintsReachTheServerWhenTheOutermostBatchEnds) {
  ASSERT_FALSE(FlushBatch::IsOpen());
  {
    FlushBatch outer(display());
    {
      FlushBatch inner(display());
      Fill(10, kRed);
    }
    EXPECT_TRUE(FlushBatch::IsOpen());
    EXPECT_EQ(SeenByOther(12, 12), kBack) << "flushed before the outer batch ended";
  }
  EXPECT_FALSE(FlushBatch::IsOpen());
  EXPECT_TRUE(waiting::WaitUntil([&] { return SeenByOther(12, 12) == kRed; }));

  Fill(30, kGreen);
  EXPECT_TRUE(waiting::WaitUntil([&] { return SeenByOther(32, 12) == kGreen; }));
}

}  // namespace
