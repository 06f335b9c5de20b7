#pragma once
// The addresses of the chart, search and suggestion requests, composed exactly
// as the service expects them.
#include <string_view>

#include "catalogue/service_endpoints.h"
#include "platform/text.h"

namespace vexo {

// Fixed parts of the request addresses.
inline constexpr std::string_view kRequestScheme = "http://";
inline constexpr std::string_view kChartPathStart = "/ajax/";
inline constexpr std::string_view kChartPathQuery = "/ttpod?id=";
inline constexpr std::string_view kChartQueryRest = "&page=1&size=50";
inline constexpr std::string_view kSearchPathQuery = "/s/song_with_out?q=";
inline constexpr std::string_view kSearchQueryRest = "&page=1&size=1&callback=jsonp_search";
inline constexpr std::string_view kSuggestionPathQuery = "/suggest.do?q=";
inline constexpr std::string_view kSuggestionQueryRest =
    "&size=5&callback=jQuery18308304068592842668_1425372762077";

// "http://<chart host>/ajax/<upstream host>/ttpod?id=<id>&page=1&size=50".
Text ChartUrlFor(const ServiceEndpoints& endpoints, int chartId);

// The search and suggestion addresses for a search text in the system code
// page; the text is sent as the percent-encoded UTF-8 bytes, unreserved
// characters kept.
Text SearchUrl(const ServiceEndpoints& endpoints, std::string_view searchText);
Text SuggestionUrl(const ServiceEndpoints& endpoints, std::string_view searchText);

// The query value form of a search text.
Text EncodeSearchText(std::string_view searchText);

}  // namespace vexo
