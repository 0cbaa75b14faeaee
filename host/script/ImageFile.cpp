#include "host/script/ImageFile.h"
#include <wincodec.h>
#include <cstring>
#include "host/ide/AnsiText.h"

namespace {

struct ImageFormat {
  const char* extension;
  const GUID* container;
};

const ImageFormat kFormats[] = {
    {".png", &GUID_ContainerFormatPng},
    {".bmp", &GUID_ContainerFormatBmp},
};

const GUID* ContainerFor(const std::string& path) {
  for (const ImageFormat& format : kFormats) {
    size_t length = strlen(format.extension);
    if (path.size() > length && lstrcmpiA(path.c_str() + path.size() - length, format.extension) == 0)
      return format.container;
  }
  return nullptr;
}

// One COM reference, released at the end of its scope.
template <class T>
class ComRef {
 public:
  ComRef() = default;
  ComRef(const ComRef&) = delete;
  ComRef& operator=(const ComRef&) = delete;
  ~ComRef() {
    if (m_object) m_object->Release();
  }
  T** Out() { return &m_object; }
  T* operator->() const { return m_object; }
  T* get() const { return m_object; }

 private:
  T* m_object = nullptr;
};

// COM for this thread while it lives (the imaging component is a COM server).
class ComScope {
 public:
  ComScope() : m_result(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
  ~ComScope() {
    if (SUCCEEDED(m_result)) CoUninitialize();
  }

 private:
  HRESULT m_result;
};

// Encodes the pixels into the file at path. `opened` tells whether the file
// was opened for writing (created, or an older one emptied) before a failure.
bool Encode(const std::wstring& path, const GUID& container, int width, int height, UINT stride, const BYTE* pixels,
            bool& opened) {
  ComRef<IWICImagingFactory> factory;
  if (FAILED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_IWICImagingFactory,
                              reinterpret_cast<void**>(factory.Out()))))
    return false;
  ComRef<IWICStream> stream;
  ComRef<IWICBitmapEncoder> encoder;
  ComRef<IWICBitmapFrameEncode> frame;
  ComRef<IPropertyBag2> options;
  if (FAILED(factory->CreateStream(stream.Out())) || FAILED(stream->InitializeFromFilename(path.c_str(), GENERIC_WRITE)))
    return false;
  opened = true;
  if (FAILED(factory->CreateEncoder(container, nullptr, encoder.Out())) ||
      FAILED(encoder->Initialize(stream.get(), WICBitmapEncoderNoCache)) ||
      FAILED(encoder->CreateNewFrame(frame.Out(), options.Out())) || FAILED(frame->Initialize(options.get())) ||
      FAILED(frame->SetSize(static_cast<UINT>(width), static_cast<UINT>(height))))
    return false;
  // The encoder may offer another layout; then these pixels are not what it takes.
  WICPixelFormatGUID format = GUID_WICPixelFormat24bppBGR;
  if (FAILED(frame->SetPixelFormat(&format)) || !IsEqualGUID(format, GUID_WICPixelFormat24bppBGR)) return false;
  return SUCCEEDED(frame->WritePixels(static_cast<UINT>(height), stride, stride * static_cast<UINT>(height),
                                      const_cast<BYTE*>(pixels))) &&
         SUCCEEDED(frame->Commit()) && SUCCEEDED(encoder->Commit());
}

}  // namespace

bool IsImageFileName(const std::string& path) { return ContainerFor(path) != nullptr; }

bool WriteImageFile(const std::string& path, int width, int height, UINT stride, const BYTE* pixels) {
  const GUID* container = ContainerFor(path);
  if (!container || width <= 0 || height <= 0 || !pixels) return false;
  std::wstring widePath = AnsiToWide(path);
  bool written, opened = false;
  {
    ComScope com;
    written = Encode(widePath, *container, width, height, stride, pixels, opened);
  }
  // The stream is closed now; a half-written file must not pass for a picture.
  // A file that was never opened is someone else's (an older screenshot, a
  // file another program holds): it stays as it is.
  if (!written && opened) DeleteFileW(widePath.c_str());
  return written;
}
