// The Windows side of the JPEG interface: the system's imaging component,
// reached through COM so that the exe imports nothing beyond ole32.
#include <windows.h>
#include <wincodec.h>

#include "image/Jpeg.h"
#include "windows/system/Handles.h"

namespace launcher {
namespace {

// One factory for the thread's whole life: starting COM and loading the
// imaging component for every picture would cost more than the decoding.
// The thread's end releases the factory, then leaves the apartment.
class ImagingFactory {
 public:
  ImagingFactory() {
    if (FAILED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_IWICImagingFactory,
                                reinterpret_cast<void**>(factory_.Out())))) {
      factory_.Reset();
    }
  }
  IWICImagingFactory* Get() const { return factory_.Get(); }

 private:
  ComApartment apartment_;
  ComPtr<IWICImagingFactory> factory_;
};

IWICImagingFactory* Factory() {
  thread_local ImagingFactory factory;
  return factory.Get();
}

JpegResult Failure(const std::string& why) {
  JpegResult result;
  result.error = why;
  return result;
}

}  // namespace

JpegResult DecodeJpeg(const uint8_t* data, size_t size) {
  if (size == 0) return Failure("no picture data");
  if (size > MAXDWORD) return Failure("the picture data is too large");
  IWICImagingFactory* factory = Factory();
  if (!factory) return Failure("the imaging component is not available");
  ComPtr<IWICStream> stream;
  ComPtr<IWICBitmapDecoder> decoder;
  ComPtr<IWICBitmapFrameDecode> frame;
  if (FAILED(factory->CreateStream(stream.Out())) ||
      FAILED(stream->InitializeFromMemory(const_cast<BYTE*>(data), static_cast<DWORD>(size))) ||
      FAILED(factory->CreateDecoder(GUID_ContainerFormatJpeg, nullptr, decoder.Out())) ||
      FAILED(decoder->Initialize(stream.Get(), WICDecodeMetadataCacheOnDemand)) ||
      FAILED(decoder->GetFrame(0, frame.Out()))) {
    return Failure("not a readable JPEG picture");
  }
  UINT width = 0, height = 0;
  if (FAILED(frame->GetSize(&width, &height)) || width == 0 || height == 0) {
    return Failure("not a readable JPEG picture");
  }
  if (width > kMaxJpegSide || height > kMaxJpegSide) {
    return Failure("the picture is " + std::to_string(width) + " x " + std::to_string(height) + ", larger than " +
                   std::to_string(kMaxJpegSide) + " x " + std::to_string(kMaxJpegSide));
  }
  // The factory's converter rather than WICConvertBitmapSource, which would
  // make the exe import windowscodecs.dll.
  ComPtr<IWICFormatConverter> converted;
  if (FAILED(factory->CreateFormatConverter(converted.Out())) ||
      FAILED(converted->Initialize(frame.Get(), GUID_WICPixelFormat32bppBGR, WICBitmapDitherTypeNone, nullptr, 0.0,
                                   WICBitmapPaletteTypeCustom))) {
    return Failure("the picture's pixel format cannot be converted");
  }
  JpegResult result;
  result.bitmap.width = static_cast<int>(width);
  result.bitmap.height = static_cast<int>(height);
  result.bitmap.pixels.resize(static_cast<size_t>(width) * height);
  const UINT stride = width * 4;
  if (FAILED(converted->CopyPixels(nullptr, stride, stride * height,
                                   reinterpret_cast<BYTE*>(result.bitmap.pixels.data())))) {
    return Failure("the picture's data is damaged");
  }
  for (uint32_t& pixel : result.bitmap.pixels) pixel &= 0x00FFFFFF;
  result.ok = true;
  return result;
}

}  // namespace launcher
