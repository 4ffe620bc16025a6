#pragma once
// A real HTTP server on 127.0.0.1, on a port the kernel picks, for tests. Each connection is
// served on its own thread by a handler that the test writes: it gets the request as it
// arrived and answers with raw bytes, so it can also misbehave (stall, break off, reset).

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <map>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

namespace zerlith::testing {

struct ReceivedRequest {
    std::string head;          // every byte up to and including the blank line
    std::string request_line;  // without its CR LF
    std::string method;
    std::string target;
    std::string version;
    std::vector<std::pair<std::string, std::string>> headers;

    // The value of the first header of that name (case-insensitive), or "" when absent.
    std::string header(std::string_view name) const;
    int header_count(std::string_view name) const;
};

class Connection {
  public:
    explicit Connection(int fd, const std::atomic<bool>& stopping) : fd_(fd), stopping_(stopping) {}
    // Sends all bytes; false once the peer has gone.
    bool send(std::string_view bytes);
    // Sends the bytes one at a time with a pause between them, until done, the peer goes or
    // the server stops.
    bool trickle(std::string_view bytes, std::chrono::milliseconds pause);
    // Waits, sending nothing, until the peer closes, the server stops or the time is up.
    // True when the peer closed.
    bool hold(std::chrono::milliseconds at_most);
    // Ends the connection with a reset instead of an orderly close.
    void reset();

  private:
    int fd_;
    const std::atomic<bool>& stopping_;
};

using Handler = std::function<void(const ReceivedRequest&, Connection&)>;

class LoopbackHttpServer {
  public:
    explicit LoopbackHttpServer(Handler handler);
    ~LoopbackHttpServer();
    LoopbackHttpServer(const LoopbackHttpServer&) = delete;
    LoopbackHttpServer& operator=(const LoopbackHttpServer&) = delete;

    std::uint16_t port() const { return port_; }
    // "http://127.0.0.1:<port>"
    std::string base_url() const;
    // Every request received so far, in arrival order.
    std::vector<ReceivedRequest> requests() const;
    std::size_t connection_count() const;

    void stop();

  private:
    void accept_loop();
    void serve(int fd);

    Handler handler_;
    int listen_fd_ = -1;
    int wake_pipe_[2] = {-1, -1};
    std::uint16_t port_ = 0;
    std::atomic<bool> stopping_{false};
    std::thread acceptor_;

    mutable std::mutex mutex_;
    std::vector<ReceivedRequest> requests_;
    std::vector<std::thread> workers_;
    std::vector<int> open_fds_;
    std::size_t connections_ = 0;
};

// A whole HTTP/1.0 response. With content_length false, the body simply ends at the close.
std::string http_response(int status, std::string_view body, bool content_length = true,
                          std::string_view extra_headers = {});

// A server that sends the same raw response to every request.
Handler always_answer(std::string raw_response);

// A server that answers by the request target: the first route whose key the target
// starts with gives the body, served as 200 with a Content-Length; others get a 404.
Handler route_table(std::map<std::string, std::string> routes);

}  // namespace zerlith::testing
