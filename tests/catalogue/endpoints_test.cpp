// Where requests go and how their addresses are spelled.
#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

#include "catalogue/request_urls.h"
#include "catalogue/service_endpoints.h"
#include "platform/system_text.h"

namespace vexo {
namespace {

TEST(ServiceEndpoints, EveryEndpointAtTheServiceWhateverTheAddressForm) {
  for (const char* address : {"127.0.0.1:8917", "http://127.0.0.1:8917", "HTTP://127.0.0.1:8917/",
                              " 127.0.0.1:8917/x "}) {
    const ServiceEndpoints endpoints = EndpointsForService(address);
    EXPECT_EQ(endpoints.chartHost, "127.0.0.1:8917") << address;
    EXPECT_EQ(endpoints.searchHost, "127.0.0.1:8917") << address;
    EXPECT_EQ(endpoints.lyricsHost, "127.0.0.1:8917") << address;
    EXPECT_EQ(endpoints.upstreamChartHost, kUpstreamChartHost) << address;
  }
}

TEST(RequestUrls, ChartSearchAndSuggestionAddressesAreSpelledExactly) {
  ServiceEndpoints endpoints{"charts:1", "upstream.example", "search:2", "lyrics:3"};
  EXPECT_EQ(ChartUrlFor(endpoints, 943),
            "http://charts:1/ajax/upstream.example/ttpod?id=943&page=1&size=50");
  EXPECT_EQ(SearchUrl(endpoints, Sys("可惜没如果")),
            "http://search:2/s/song_with_out?q=%E5%8F%AF%E6%83%9C%E6%B2%A1%E5%A6%82%E6%9E%9C"
            "&page=1&size=1&callback=jsonp_search");
  // Unreserved characters stay; everything else, the space and "&" included,
  // is encoded so that it cannot end the value.
  EXPECT_EQ(SuggestionUrl(endpoints, "a-Z.9 &_"),
            "http://search:2/suggest.do?q=a-Z.9%20%26%5F"
            "&size=5&callback=jQuery18308304068592842668_1425372762077");
}

}  // namespace
}  // namespace vexo
