#pragma once
// The text endpoints of the service. Each takes the decoded query of the
// request and the base address ("http://host:port") that absolute addresses
// in the answer start with, and gives the whole answer.
#include <string_view>

#include "service/catalogue.h"
#include "service/library_view.h"
#include "service/query_string.h"
#include "service/text_reply.h"

namespace vexo::service {

// "/ajax/<segment>/ttpod?id=&page=&size=": a chart as one-line JSON in the
// escaped style. An unknown chart id gives an empty list.
// The order comes from the store; StoreError passes through.
TextReply ChartAnswer(const LibraryView& library, const QueryString& query,
                      std::string_view base_url);

// "/s/song_with_out?q=&page=&size=&callback=": JSONP with the matching songs
// in plain UTF-8. The best match of a first page counts as searched.
TextReply SearchAnswer(const LibraryView& library, const QueryString& query,
                       std::string_view base_url);

// "/suggest.do?q=&size=&callback=": JSONP whose object ends in the "data"
// array of suggested texts.
TextReply SuggestAnswer(const LibraryView& library, const QueryString& query);

// "/lrc/down?artist=&title=&song_id=&callback=": JSONP holding the song's LRC
// text after {"lrc":", its lines joined by the two characters \ and n, closed
// by the lyrics slogan; without that marker when the song has no lyrics.
TextReply LyricsAnswer(const Catalogue& catalogue, const QueryString& query);

// "/pic/down?artist=&callback=": JSONP holding {"singerPic":"<address>"}}; an
// empty address when the singer has no picture.
TextReply PictureLookupAnswer(const Catalogue& catalogue, const QueryString& query,
                              std::string_view base_url);

}  // namespace vexo::service
