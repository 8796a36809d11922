// libjpeg reports errors through longjmp; everything that can be jumped over
// here is plain C data, and the C++ objects are built only after the decoder
// has finished.
#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

#include "image/Jpeg.h"

namespace launcher {
namespace {

struct ErrorManager {
  jpeg_error_mgr base;
  jmp_buf jump;
  char message[JMSG_LENGTH_MAX];
};

void OnError(j_common_ptr info) {
  auto* manager = reinterpret_cast<ErrorManager*>(info->err);
  (*info->err->format_message)(info, manager->message);
  longjmp(manager->jump, 1);
}

void OnMessage(j_common_ptr, int) {}  // warnings are not worth a word

enum class Outcome { kDecoded, kTooLarge, kFailed };

// C-style core: decodes into `rgb` (3 bytes a pixel), which the caller sized
// through the first call with rgb == nullptr.
Outcome DecodeRgb(const uint8_t* data, size_t size, unsigned char* rgb, JDIMENSION* width, JDIMENSION* height,
                  char* message) {
  jpeg_decompress_struct info;
  ErrorManager errors;
  info.err = jpeg_std_error(&errors.base);
  errors.base.error_exit = OnError;
  errors.base.emit_message = OnMessage;
  errors.message[0] = '\0';
  if (setjmp(errors.jump)) {
    jpeg_destroy_decompress(&info);
    std::snprintf(message, JMSG_LENGTH_MAX, "%s", errors.message);
    return Outcome::kFailed;
  }
  jpeg_create_decompress(&info);
  jpeg_mem_src(&info, data, static_cast<unsigned long>(size));
  jpeg_read_header(&info, TRUE);
  *width = info.image_width;
  *height = info.image_height;
  if (info.image_width > kMaxJpegSide || info.image_height > kMaxJpegSide) {
    jpeg_destroy_decompress(&info);
    return Outcome::kTooLarge;
  }
  if (rgb == nullptr) {
    jpeg_destroy_decompress(&info);
    return Outcome::kDecoded;
  }
  info.out_color_space = JCS_RGB;
  jpeg_start_decompress(&info);
  while (info.output_scanline < info.output_height) {
    JSAMPROW row = rgb + static_cast<size_t>(info.output_scanline) * info.output_width * 3;
    jpeg_read_scanlines(&info, &row, 1);
  }
  jpeg_finish_decompress(&info);
  jpeg_destroy_decompress(&info);
  return Outcome::kDecoded;
}

}  // namespace

JpegResult DecodeJpeg(const uint8_t* data, size_t size) {
  JpegResult result;
  if (size == 0) {
    result.error = "no picture data";
    return result;
  }
  JDIMENSION width = 0, height = 0;
  char message[JMSG_LENGTH_MAX] = "";
  Outcome outcome = DecodeRgb(data, size, nullptr, &width, &height, message);
  if (outcome == Outcome::kDecoded && (width == 0 || height == 0)) outcome = Outcome::kFailed;
  if (outcome == Outcome::kDecoded) {
    std::vector<unsigned char> rgb(static_cast<size_t>(width) * height * 3);
    outcome = DecodeRgb(data, size, rgb.data(), &width, &height, message);
    if (outcome == Outcome::kDecoded) {
      result.ok = true;
      result.bitmap.width = static_cast<int>(width);
      result.bitmap.height = static_cast<int>(height);
      result.bitmap.pixels.resize(static_cast<size_t>(width) * height);
      for (size_t i = 0; i < result.bitmap.pixels.size(); ++i) {
        result.bitmap.pixels[i] = static_cast<uint32_t>(rgb[i * 3]) << 16 | static_cast<uint32_t>(rgb[i * 3 + 1]) << 8 |
                                  rgb[i * 3 + 2];
      }
      return result;
    }
  }
  result.error = outcome == Outcome::kTooLarge
                     ? "the picture is " + std::to_string(width) + " x " + std::to_string(height) +
                           ", larger than " + std::to_string(kMaxJpegSide) + " x " + std::to_string(kMaxJpegSide)
                     : std::string("not a readable JPEG picture: ") + message;
  return result;
}

}  // namespace launcher
