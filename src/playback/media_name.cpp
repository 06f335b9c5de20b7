#include "playback/media_name.h"

#include <QUuid>

#include <climits>
#include <cstdint>

namespace vexo {
namespace {

struct DeviceTypeRow {
  const char* extensions[11];
  const char* device_type;
};

// The first row listing the extension wins.
constexpr DeviceTypeRow kDeviceTypes[] = {
    {{"avi"}, "avivideo"},
    {{"wav"}, "waveaudio"},
    {{"cda"}, "cdaudio"},
    {{"rm", "ra", "mp3", "ram"}, "MPEGvideo"},
    {{"mid", "rmi", "idi"}, "Sequencer"},
    {{"asf", "wma", "asx", "ivf", "lsf", "lsx", "p2v", "wax", "wvx", "wmx", "wmp"}, "MPEGvideo2"},
};

char LowerAscii(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

}  // namespace

Text MediaExtension(const Text& name) {
  const size_t dot = name.rfind('.');
  const size_t start = dot == Text::npos ? 0 : dot + 1;
  Text extension = name.substr(start, kMediaExtensionLength);
  for (char& c : extension)
    c = LowerAscii(c);
  return extension;
}

Text DeviceTypeFor(const Text& extension) {
  for (const DeviceTypeRow& row : kDeviceTypes) {
    for (const char* listed : row.extensions) {
      if (listed != nullptr && extension == listed) return row.device_type;
    }
  }
  return kDefaultDeviceType;
}

int ParseReplyInteger(const Text& reply) {
  size_t i = 0;
  while (i < reply.size() && (reply[i] == ' ' || (reply[i] >= '\t' && reply[i] <= '\r')))
    ++i;
  bool negative = false;
  if (i < reply.size() && (reply[i] == '+' || reply[i] == '-')) negative = reply[i++] == '-';
  std::int64_t value = 0;
  for (; i < reply.size() && reply[i] >= '0' && reply[i] <= '9'; ++i) {
    value = value * 10 + (reply[i] - '0');
    if (value > static_cast<std::int64_t>(INT_MAX) + 1) break;  // saturates below
  }
  if (negative) value = -value;
  if (value > INT_MAX) return INT_MAX;
  if (value < INT_MIN) return INT_MIN;
  return static_cast<int>(value);
}

Text MakeDeviceAlias() {
  const QUuid guid = QUuid::createUuid();
  if (guid.isNull()) return Text();
  return guid.toByteArray(QUuid::Id128).toLower().toStdString();
}

}  // namespace vexo
