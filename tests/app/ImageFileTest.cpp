// Screenshots through the platform's imaging component: the PNG file read
// back by its decoder has the size, the colours and the orientation of the
// pixels written, and of what a window showed on the screen.
#include <gtest/gtest.h>
#include <windows.h>
#include <wincodec.h>
#include <vector>
#include "ProgramRunner.h"
#include "host/script/ImageFile.h"
#include "host/script/WindowCapture.h"

namespace {

struct Picture {
  UINT width = 0;
  UINT height = 0;
  std::vector<BYTE> bgr;   // rows from the top, 3 bytes a pixel, no padding
  COLORREF At(UINT x, UINT y) const {
    const BYTE* p = &bgr[(static_cast<size_t>(y) * width + x) * 3];
    return RGB(p[2], p[1], p[0]);
  }
};

// Decodes an image file with the imaging component's own decoder.
bool Decode(const std::string& path, Picture& picture) {
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  IWICImagingFactory* factory = nullptr;
  IWICBitmapDecoder* decoder = nullptr;
  IWICBitmapFrameDecode* frame = nullptr;
  IWICFormatConverter* converter = nullptr;
  std::wstring wide(path.begin(), path.end());
  bool ok = SUCCEEDED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_IWICImagingFactory,
                                       reinterpret_cast<void**>(&factory))) &&
            SUCCEEDED(factory->CreateDecoderFromFilename(wide.c_str(), nullptr, GENERIC_READ,
                                                         WICDecodeMetadataCacheOnDemand, &decoder)) &&
            SUCCEEDED(decoder->GetFrame(0, &frame)) && SUCCEEDED(frame->GetSize(&picture.width, &picture.height)) &&
            SUCCEEDED(factory->CreateFormatConverter(&converter)) &&
            SUCCEEDED(converter->Initialize(frame, GUID_WICPixelFormat24bppBGR, WICBitmapDitherTypeNone, nullptr, 0,
                                            WICBitmapPaletteTypeCustom));
  if (ok) {
    picture.bgr.resize(static_cast<size_t>(picture.width) * picture.height * 3);
    ok = SUCCEEDED(converter->CopyPixels(nullptr, picture.width * 3, static_cast<UINT>(picture.bgr.size()),
                                         picture.bgr.data()));
  }
  for (IUnknown* object : {static_cast<IUnknown*>(converter), static_cast<IUnknown*>(frame),
                           static_cast<IUnknown*>(decoder), static_cast<IUnknown*>(factory)})
    if (object) object->Release();
  CoUninitialize();
  return ok;
}

// width x height: red in the upper half, blue in the lower, rows padded to 4 bytes.
std::vector<BYTE> Halves(int width, int height, UINT& stride) {
  stride = (static_cast<UINT>(width) * 3 + 3) & ~3u;
  std::vector<BYTE> pixels(static_cast<size_t>(stride) * height, 0xEE);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      BYTE* p = &pixels[static_cast<size_t>(y) * stride + x * 3];
      bool upper = y < height / 2;
      p[0] = upper ? 0 : 255;   // blue
      p[1] = 0;
      p[2] = upper ? 255 : 0;   // red
    }
  }
  return pixels;
}

TEST(ImageFile, APngReadsBackWithItsSizeColoursAndOrientation) {
  std::string folder = FreshFolder("zr-image");
  UINT stride = 0;
  std::vector<BYTE> pixels = Halves(7, 6, stride);   // 21 bytes of pixels in a 24-byte row
  ASSERT_TRUE(WriteImageFile(folder + "halves.png", 7, 6, stride, pixels.data()));
  EXPECT_EQ(ReadFileBytes(folder + "halves.png").substr(0, 8), std::string("\x89PNG\r\n\x1a\n", 8));
  Picture picture;
  ASSERT_TRUE(Decode(folder + "halves.png", picture));
  EXPECT_EQ(picture.width, 7u);
  EXPECT_EQ(picture.height, 6u);
  EXPECT_EQ(picture.At(0, 0), RGB(255, 0, 0));
  EXPECT_EQ(picture.At(6, 2), RGB(255, 0, 0));
  EXPECT_EQ(picture.At(0, 3), RGB(0, 0, 255));
  EXPECT_EQ(picture.At(6, 5), RGB(0, 0, 255));
  // The same pixels as BMP, by the name.
  ASSERT_TRUE(WriteImageFile(folder + "halves.BMP", 7, 6, stride, pixels.data()));
  EXPECT_EQ(ReadFileBytes(folder + "halves.BMP").substr(0, 2), "BM");
}

TEST(ImageFile, AnUnknownTypeOrAnUnwritablePathLeavesNoFile) {
  std::string folder = FreshFolder("zr-image-bad");
  UINT stride = 0;
  std::vector<BYTE> pixels = Halves(4, 4, stride);
  EXPECT_FALSE(IsImageFileName(folder + "shot.gif"));
  EXPECT_FALSE(WriteImageFile(folder + "shot.gif", 4, 4, stride, pixels.data()));
  EXPECT_FALSE(FileExists(folder + "shot.gif"));
  EXPECT_FALSE(WriteImageFile(folder + "no-such-folder\\shot.png", 4, 4, stride, pixels.data()));
  EXPECT_FALSE(WriteImageFile(folder + "empty.png", 0, 4, stride, pixels.data()));
  EXPECT_FALSE(FileExists(folder + "empty.png"));
}

TEST(ImageFile, AFileThatCannotBeOpenedForWritingStaysAsItWas) {
  std::string folder = FreshFolder("zr-image-held");
  std::string path = folder + "older.png";
  ASSERT_TRUE(WriteFileBytes(path, "an older screenshot"));
  // Another program reads the file and lets it be deleted, not written.
  HANDLE held = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  UINT stride = 0;
  std::vector<BYTE> pixels = Halves(4, 4, stride);
  EXPECT_FALSE(WriteImageFile(path, 4, 4, stride, pixels.data()));
  CloseHandle(held);
  EXPECT_EQ(ReadFileBytes(path), "an older screenshot");
}

LRESULT CALLBACK HalvesProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != WM_PAINT) return DefWindowProcA(window, message, wParam, lParam);
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(window, &paint);
  RECT client;
  GetClientRect(window, &client);
  RECT upper = {0, 0, client.right, client.bottom / 2}, lower = {0, client.bottom / 2, client.right, client.bottom};
  HBRUSH red = CreateSolidBrush(RGB(255, 0, 0)), blue = CreateSolidBrush(RGB(0, 0, 255));
  FillRect(dc, &upper, red);
  FillRect(dc, &lower, blue);
  DeleteObject(red);
  DeleteObject(blue);
  EndPaint(window, &paint);
  return 0;
}

TEST(WindowCapture, TheScreenshotShowsTheWindowAsItIsOnTheScreen) {
  WNDCLASSA windowClass = {};
  windowClass.lpfnWndProc = HalvesProc;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.lpszClassName = "ZrCaptureHalves";
  RegisterClassA(&windowClass);
  HWND window = CreateWindowExA(WS_EX_TOPMOST, "ZrCaptureHalves", "", WS_POPUP | WS_VISIBLE, 30, 40, 120, 80, nullptr,
                                nullptr, windowClass.hInstance, nullptr);
  ASSERT_NE(window, nullptr);
  std::string folder = FreshFolder("zr-capture");
  EXPECT_TRUE(CaptureWindow(window, folder + "window.png"));
  EXPECT_FALSE(CaptureWindow(window, folder + "window.jpg"));
  DestroyWindow(window);
  EXPECT_FALSE(CaptureWindow(window, folder + "gone.png"));
  Picture picture;
  ASSERT_TRUE(Decode(folder + "window.png", picture));
  EXPECT_EQ(picture.width, 120u);
  EXPECT_EQ(picture.height, 80u);
  EXPECT_EQ(picture.At(60, 10), RGB(255, 0, 0));
  EXPECT_EQ(picture.At(60, 70), RGB(0, 0, 255));
  EXPECT_FALSE(FileExists(folder + "window.jpg"));
}

}  // namespace
