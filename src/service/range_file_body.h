#pragma once
// A part of a file as the body of an answer, read and sent a chunk at a
// time (Boost.Beast's body concept), so a song is never held in memory whole.
#include <boost/beast/core/file.hpp>
#include <boost/beast/http/error.hpp>
#include <boost/beast/http/message.hpp>
#include <boost/optional.hpp>

#include <algorithm>
#include <cstdint>
#include <utility>

#include "service/service_constants.h"

namespace vexo::service {

struct RangeFileBody {
  struct value_type {
    boost::beast::file file;
    std::uint64_t offset = 0;
    std::uint64_t length = 0;
  };

  static std::uint64_t size(const value_type& body) { return body.length; }

  class writer {
   public:
    using const_buffers_type = boost::asio::const_buffer;

    template <bool isRequest, class Fields>
    writer(boost::beast::http::header<isRequest, Fields>&, value_type& body) : body_(body) {}

    void init(boost::beast::error_code& ec) {
      body_.file.seek(body_.offset, ec);
      remain_ = body_.length;
    }

    boost::optional<std::pair<const_buffers_type, bool>> get(boost::beast::error_code& ec) {
      ec = {};
      if (remain_ == 0) return boost::none;
      const auto amount =
          static_cast<std::size_t>(std::min<std::uint64_t>(remain_, kFileChunkBytes));
      const auto got = body_.file.read(chunk_, amount, ec);
      if (ec) return boost::none;
      if (got == 0) {
        // The file shrank while it was sent: the answer ends short, and the
        // connection with it.
        ec = boost::beast::http::error::partial_message;
        return boost::none;
      }
      remain_ -= got;
      return std::make_pair(const_buffers_type(chunk_, got), remain_ > 0);
    }

   private:
    value_type& body_;
    std::uint64_t remain_ = 0;
    char chunk_[kFileChunkBytes];
  };
};

}  // namespace vexo::service
