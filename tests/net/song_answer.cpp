#include "song_answer.h"

namespace vexo::testing {

std::string SongRecord(int id, bool standard) {
  std::string n = std::to_string(id);
  std::string record =
      R"({"song_id":)" + n + R"(,"singer_id":)" + n + R"(,"song_name":"歌曲)" + n +
      R"(","singer_name":"歌手)" + n +
      R"(","album_name":"专辑","audition_list":[{"type_description":"流畅品质","url":"http://m.example/)" +
      n + R"(/low.mp3","format":"mp3"})";
  if (standard) {
    record += R"(,{"type_description":"标准品质","url":"http://m.example/)" + n +
              R"(/std.mp3","format":"mp3"})";
  }
  return record + R"(],"pick_count":)" + n + "}";
}

std::string SongAnswer(int count) {
  std::string answer = R"({"code":1,"rows":)" + std::to_string(count) + R"(,"data":[)";
  for (int i = 1; i <= count; ++i) {
    if (i > 1) answer += ",";
    answer += SongRecord(i);
  }
  return answer + "]}";
}

}  // namespace vexo::testing
