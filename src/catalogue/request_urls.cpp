#include "catalogue/request_urls.h"

#include <string>

#include "net/url_encode.h"

namespace vexo {

namespace {

Text Compose(std::initializer_list<std::string_view> parts) {
  Text url;
  for (std::string_view part : parts)
    url.append(part);
  return url;
}

}  // namespace

Text EncodeSearchText(std::string_view searchText) {
  return UrlEncode(searchText, /*keepUnreserved=*/true, /*utf8First=*/true);
}

Text ChartUrlFor(const ServiceEndpoints& endpoints, int chartId) {
  const std::string id = std::to_string(chartId);
  return Compose({kRequestScheme, endpoints.chartHost, kChartPathStart, endpoints.upstreamChartHost,
                  kChartPathQuery, id, kChartQueryRest});
}

Text SearchUrl(const ServiceEndpoints& endpoints, std::string_view searchText) {
  return Compose({kRequestScheme, endpoints.searchHost, kSearchPathQuery,
                  EncodeSearchText(searchText), kSearchQueryRest});
}

Text SuggestionUrl(const ServiceEndpoints& endpoints, std::string_view searchText) {
  return Compose({kRequestScheme, endpoints.searchHost, kSuggestionPathQuery,
                  EncodeSearchText(searchText), kSuggestionQueryRest});
}

}  // namespace vexo
