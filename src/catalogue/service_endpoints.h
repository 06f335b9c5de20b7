#pragma once
// Where the player's requests go: the scheme-less "host:port" of each endpoint
// of the catalogue service, held in one value the app makes once at start-up.
#include <string>

namespace vexo {

// The host name the chart path names as its upstream chart service (the path
// segment after "/ajax/"). Our service answers charts for any segment; this
// is the one the player sends.
inline constexpr const char* kUpstreamChartHost = "charts.vexo.local";

struct ServiceEndpoints {
  std::string chartHost;          // chart lists
  std::string upstreamChartHost;  // path segment of the chart address
  std::string searchHost;         // search and suggestions
  std::string lyricsHost;         // lyrics and singer pictures
};

// Every endpoint at one service, addressed as "host:port" (a leading
// "http://" and trailing slashes are dropped).
ServiceEndpoints EndpointsForService(const std::string& hostPort);

// The "host:port" form of a service address: without an "http://" prefix
// (any letter case), a path or trailing slashes, or surrounding spaces; empty
// when no host is left.
std::string ServiceHostPort(const std::string& address);

}  // namespace vexo
