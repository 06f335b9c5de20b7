#pragma once
// The catalogue service the player talks to: the one named by VEXO_SERVICE,
// or one started in-process on a free loopback port (serving the demo library,
// or the folder named by VEXO_LIBRARY).
#include <memory>
#include <string>

namespace vexo {

namespace service {
class CatalogueServer;
}

class CatalogueConnection {
 public:
  // Binds the embedded service unless VEXO_SERVICE names one. Binding costs
  // well under a millisecond; serving and loading the library wait for
  // BeginServing().
  CatalogueConnection();
  // Stops the embedded service (it finishes the requests under way).
  ~CatalogueConnection();
  // "host:port" of the service; empty when the embedded one could not start.
  const std::string& Address() const { return address_; }
  bool Embedded() const;
  // Starts the embedded service's threads and the library's loading in the
  // background (the player calls it once its first frame is on the screen);
  // requests sent before wait for it. Does nothing a second time.
  void BeginServing();
  // At the end of the program: lets the embedded service go without stopping
  // it, so that ending never waits for a request under way; the process takes
  // its threads and sockets with it.
  void Abandon();

 private:
  std::unique_ptr<service::CatalogueServer> server_;
  std::string address_;
};

}  // namespace vexo
