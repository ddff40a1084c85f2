// The picture element on the private server: building its image from palette or RGB data,
// the placeholder, the frame, hiding, moving, and who frees which image.
#include "graphics/GraphicsTestSupport.h"

#include "tessarin/app/Application.h"
#include "tessarin/graphics/PaletteImage.h"
#include "tessarin/graphics/XImageFactory.h"
#include "tessarin/widgets/MyImage.h"

using namespace tessarin;

namespace {

constexpr Color kBack = 0x202020;

// 4 x 2 palette image: entry i is 0x10 * i in red, 0x40 in green, 0x80 in blue. Top row
// entries 1 2 3 4, bottom row 5 6 7 8 (stored bottom first).
std::vector<unsigned char> PaletteData() {
  std::vector<unsigned char> data;
  for (int entry = 0; entry < 16; ++entry) {
    data.insert(data.end(), {static_cast<unsigned char>(0x10 * entry), 0x40, 0x80});
  }
  data.insert(data.end(), {0x56, 0x78, 0x12, 0x34});
  EXPECT_EQ(data.size(), PaletteImageSize(4, 2));
  return data;
}

Color Entry(int entry) {
  return (0x10 * entry) << 16 | 0x4080;
}

class MyImageTest : public CanvasFixture {
 protected:
  MyImageTest() : CanvasFixture({420, 300}) {}

  std::vector<unsigned char> palette = PaletteData();
};

TEST_F(MyImageTest, AnImageElementIsDrawnButNeverFocused) {
  MyImage image(form.get(), nullptr);
  EXPECT_EQ(image.GetType(), "image");
  EXPECT_FALSE(image.IsFocusable());
  EXPECT_TRUE(image.IsDrawable());
  EXPECT_FALSE(image.IsCreated());
  image.Create();
  EXPECT_NE(image.GetId(), 0u);
  EXPECT_TRUE(image.IsVisible());
}

TEST_F(MyImageTest, PaletteDataIsDecodedAtTheFirstPaintAndKept) {
  MyImage image(form.get(), palette.data(), 4, 2);
  image.SetPosition(10, 10);
  EXPECT_EQ(image.GetImage(), nullptr);
  image.Show();
  XImage* built = image.GetImage();
  ASSERT_NE(built, nullptr);
  ScreenArea area = Area(10, 10, 4, 2);
  for (int x = 0; x < 4; ++x) {
    EXPECT_EQ(area.At(10 + x, 10), Entry(1 + x));
    EXPECT_EQ(area.At(10 + x, 11), Entry(5 + x));
  }
  image.Paint();
  EXPECT_EQ(image.GetImage(), built);
}

TEST_F(MyImageTest, RgbDataIsShownAsItIs) {
  const unsigned char rgb[] = {0xFF, 0, 0, 0, 0xFF, 0};
  MyImage image(form.get(), rgb, true, 2, 1);
  image.SetPosition(10, 20);
  image.Show();
  EXPECT_EQ(PixelAt(form.get(), 10, 20), 0xFF0000);
  EXPECT_EQ(PixelAt(form.get(), 11, 20), 0x00FF00);
}

TEST_F(MyImageTest, WithoutAPictureTheContainerColourIsFilled) {
  form->SetBackColor(0x336699);
  MyImage image(form.get(), nullptr);
  image.SetSize(6, 4);
  image.SetPosition(10, 10);
  image.Show();
  ScreenArea area = Area(10, 10, 6, 4);
  EXPECT_EQ(area.At(10, 10), 0x336699);
  EXPECT_EQ(area.At(14, 12), 0x336699);
  EXPECT_EQ(area.At(15, 13), kBack);  // the fill leaves out the last column and row
}

TEST_F(MyImageTest, HideErasesTheWholeArea) {
  MyImage image(form.get(), palette.data(), 4, 2);
  image.SetPosition(10, 10);
  image.Show();
  form->SetBackColor(0x445566);  // the erase uses the colour of the container now
  image.Hide();
  EXPECT_FALSE(image.IsCreated());
  EXPECT_FALSE(image.IsVisible());
  ScreenArea area = Area(10, 10, 5, 3);
  EXPECT_EQ(area.CountOf(0x445566), 4 * 2);
  EXPECT_EQ(area.At(13, 11), 0x445566);
  EXPECT_EQ(area.At(14, 11), kBack);
}

TEST_F(MyImageTest, MovingErasesTheOldPlaceAndPaintsTheNew) {
  MyImage image(form.get(), palette.data(), 4, 2);
  image.SetPosition(10, 10);
  image.Show();
  std::uint32_t id = image.GetId();
  image.SetPosition(30, 10);
  EXPECT_TRUE(image.IsCreated());
  EXPECT_EQ(image.GetId(), id);
  EXPECT_EQ(PixelAt(form.get(), 10, 10), kBack);
  EXPECT_EQ(PixelAt(form.get(), 30, 10), Entry(1));
}

TEST_F(MyImageTest, TheBorderIsASunkenFrameOverThePicture) {
  MyImage image(form.get(), palette.data(), 4, 2);
  image.SetPosition(10, 10);
  image.Show();
  image.SetBorder(true);
  ScreenArea area = Area(10, 10, 4, 2);
  EXPECT_EQ(area.At(10, 10), kBlack);
  EXPECT_EQ(area.At(12, 10), kBlack);
  EXPECT_EQ(area.At(13, 10), kWhite);
  EXPECT_EQ(area.At(11, 11), kWhite);
  image.SetBorder(false);
  EXPECT_EQ(PixelAt(form.get(), 12, 10), Entry(3));
}

TEST_F(MyImageTest, DisablingChangesNothingOnScreen) {
  MyImage image(form.get(), palette.data(), 4, 2);
  image.SetPosition(10, 10);
  image.Show();
  std::vector<Color> before = Area(10, 10, 4, 2).Pixels();
  image.Enable(false);
  EXPECT_FALSE(image.IsEnabled());
  EXPECT_EQ(Area(10, 10, 4, 2).Pixels(), before);
}

TEST_F(MyImageTest, NothingIsPaintedWhileAFormLoads) {
  MyImage image(form.get(), palette.data(), 4, 2);
  image.SetPosition(10, 10);
  Application::SetLoading(true);
  image.Show();
  Application::SetLoading(false);
  EXPECT_EQ(image.GetImage(), nullptr);
  EXPECT_EQ(PixelAt(form.get(), 10, 10), kBack);
}

TEST_F(MyImageTest, AnOwnersImageIsShownAndLeftToTheOwner) {
  const unsigned char rgb[] = {0x12, 0x34, 0x56};
  OwnedXImage owned(MakeXImage(display(), rgb, 1, 1));
  {
    MyImage image(form.get(), palette.data(), 4, 2);
    image.SetPosition(10, 10);
    image.Show();
    image.SetImage(owned.get());
    EXPECT_EQ(image.GetImage(), owned.get());
    EXPECT_EQ(PixelAt(form.get(), 10, 10), 0x123456);
    image.SetImageData(palette.data());  // the owner's image stays in place
    EXPECT_EQ(image.GetImage(), owned.get());
  }
  // The element is gone; the image must still be whole (AddressSanitizer watches this).
  EXPECT_EQ(XGetPixel(owned.get(), 0, 0), 0x123456u);
}

TEST_F(MyImageTest, NewDataReplacesABuiltImage) {
  std::vector<unsigned char> other = palette;
  other[48] = 0xFF;  // bottom row's first byte: entries 15 and 15
  MyImage image(form.get(), palette.data(), 4, 2);
  image.SetPosition(10, 10);
  image.Show();
  image.SetImageData(other.data());
  EXPECT_EQ(PixelAt(form.get(), 10, 11), Entry(15));
  EXPECT_EQ(PixelAt(form.get(), 10, 10), Entry(1));
}

}  // namespace
