#pragma once
// The picture formats the imaging objects can write, identified as the
// platform's imaging library identifies them: a format identifier (as text,
// with braces) and a MIME type.

namespace vexo {

inline constexpr const char* kImageFormatPng = "{B96B3CAF-0728-11D3-9D7B-0000F81EF32E}";
inline constexpr const char* kImageFormatJpeg = "{B96B3CAE-0728-11D3-9D7B-0000F81EF32E}";
inline constexpr const char* kImageFormatBmp = "{B96B3CAB-0728-11D3-9D7B-0000F81EF32E}";

inline constexpr const char* kMimePng = "image/png";
inline constexpr const char* kMimeJpeg = "image/jpeg";
inline constexpr const char* kMimeBmp = "image/bmp";

}  // namespace vexo
