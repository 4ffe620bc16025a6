#include "support/loopback_http_server.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <stdexcept>

namespace zerlith::testing {

namespace {

constexpr std::size_t kMaxHeadBytes = 64 * 1024;
constexpr int kHeadReadTimeoutMs = 5000;

bool iequals(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

ReceivedRequest parse_head(std::string head) {
    ReceivedRequest r;
    r.head = std::move(head);
    std::string_view rest = r.head;
    auto next_line = [&rest]() {
        const std::size_t end = rest.find("\r\n");
        std::string_view line = rest.substr(0, end);
        rest = end == std::string_view::npos ? std::string_view{} : rest.substr(end + 2);
        return line;
    };
    r.request_line = std::string(next_line());
    const std::size_t sp1 = r.request_line.find(' ');
    const std::size_t sp2 = r.request_line.rfind(' ');
    if (sp1 != std::string::npos && sp2 != sp1) {
        r.method = r.request_line.substr(0, sp1);
        r.target = r.request_line.substr(sp1 + 1, sp2 - sp1 - 1);
        r.version = r.request_line.substr(sp2 + 1);
    }
    for (std::string_view line = next_line(); !line.empty(); line = next_line()) {
        const std::size_t colon = line.find(':');
        if (colon == std::string_view::npos)
            continue;
        std::string_view value = line.substr(colon + 1);
        while (!value.empty() && value.front() == ' ')
            value.remove_prefix(1);
        r.headers.emplace_back(std::string(line.substr(0, colon)), std::string(value));
    }
    return r;
}

// Reads up to the blank line that ends the request head.
bool read_head(int fd, std::string& head) {
    char buffer[4096];
    while (head.find("\r\n\r\n") == std::string::npos) {
        if (head.size() > kMaxHeadBytes)
            return false;
        pollfd p{fd, POLLIN, 0};
        if (poll(&p, 1, kHeadReadTimeoutMs) <= 0)
            return false;
        const ssize_t n = ::recv(fd, buffer, sizeof buffer, 0);
        if (n <= 0)
            return false;
        head.append(buffer, static_cast<std::size_t>(n));
    }
    head.resize(head.find("\r\n\r\n") + 4);
    return true;
}

}  // namespace

std::string ReceivedRequest::header(std::string_view name) const {
    for (const auto& [key, value] : headers) {
        if (iequals(key, name))
            return value;
    }
    return {};
}

int ReceivedRequest::header_count(std::string_view name) const {
    return static_cast<int>(std::count_if(headers.begin(), headers.end(),
                                          [&](const auto& h) { return iequals(h.first, name); }));
}

bool Connection::send(std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::send(fd_, bytes.data(), bytes.size(), MSG_NOSIGNAL);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

bool Connection::trickle(std::string_view bytes, std::chrono::milliseconds pause) {
    for (const char c : bytes) {
        if (stopping_ || !send(std::string_view(&c, 1)) || hold(pause))
            return false;
    }
    return true;
}

bool Connection::hold(std::chrono::milliseconds at_most) {
    const auto until = std::chrono::steady_clock::now() + at_most;
    char sink[1024];
    while (!stopping_) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            until - std::chrono::steady_clock::now());
        if (left.count() <= 0)
            return false;
        pollfd p{fd_, POLLIN, 0};
        const int ready = poll(&p, 1, static_cast<int>(std::min<long>(left.count(), 50)));
        if (ready > 0 && ::recv(fd_, sink, sizeof sink, MSG_DONTWAIT) <= 0)
            return true;
    }
    return false;
}

void Connection::reset() {
    linger l{1, 0};
    setsockopt(fd_, SOL_SOCKET, SO_LINGER, &l, sizeof l);
    ::shutdown(fd_, SHUT_RDWR);
}

LoopbackHttpServer::LoopbackHttpServer(Handler handler) : handler_(std::move(handler)) {
    listen_fd_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (listen_fd_ < 0 || ::pipe2(wake_pipe_, O_CLOEXEC) != 0) {
        throw std::runtime_error("loopback server: no socket");
    }
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    addr.sin_port = 0;
    socklen_t len = sizeof addr;
    if (::bind(listen_fd_, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0 ||
        ::listen(listen_fd_, 128) != 0 ||
        ::getsockname(listen_fd_, reinterpret_cast<sockaddr*>(&addr), &len) != 0) {
        throw std::runtime_error("loopback server: cannot listen");
    }
    port_ = ntohs(addr.sin_port);
    acceptor_ = std::thread([this] { accept_loop(); });
}

LoopbackHttpServer::~LoopbackHttpServer() {
    stop();
}

std::string LoopbackHttpServer::base_url() const {
    return "http://127.0.0.1:" + std::to_string(port_);
}

std::vector<ReceivedRequest> LoopbackHttpServer::requests() const {
    std::lock_guard lock(mutex_);
    return requests_;
}

std::size_t LoopbackHttpServer::connection_count() const {
    std::lock_guard lock(mutex_);
    return connections_;
}

void LoopbackHttpServer::stop() {
    if (stopping_.exchange(true))
        return;
    const char wake = 1;
    [[maybe_unused]] const ssize_t n = ::write(wake_pipe_[1], &wake, 1);
    if (acceptor_.joinable())
        acceptor_.join();
    std::vector<std::thread> workers;
    {
        std::lock_guard lock(mutex_);
        for (const int fd : open_fds_)
            ::shutdown(fd, SHUT_RDWR);
        workers.swap(workers_);
    }
    for (std::thread& t : workers)
        t.join();
    ::close(listen_fd_);
    ::close(wake_pipe_[0]);
    ::close(wake_pipe_[1]);
}

void LoopbackHttpServer::accept_loop() {
    while (!stopping_) {
        pollfd fds[2] = {{listen_fd_, POLLIN, 0}, {wake_pipe_[0], POLLIN, 0}};
        if (poll(fds, 2, -1) < 0)
            continue;
        if (fds[1].revents != 0)
            return;
        const int fd = ::accept4(listen_fd_, nullptr, nullptr, SOCK_CLOEXEC);
        if (fd < 0)
            continue;
        std::lock_guard lock(mutex_);
        ++connections_;
        open_fds_.push_back(fd);
        workers_.emplace_back([this, fd] { serve(fd); });
    }
}

void LoopbackHttpServer::serve(int fd) {
    std::string head;
    if (read_head(fd, head)) {
        ReceivedRequest request = parse_head(std::move(head));
        {
            std::lock_guard lock(mutex_);
            requests_.push_back(request);
        }
        Connection connection(fd, stopping_);
        handler_(request, connection);
    }
    std::lock_guard lock(mutex_);
    open_fds_.erase(std::remove(open_fds_.begin(), open_fds_.end(), fd), open_fds_.end());
    ::close(fd);
}

std::string http_response(int status, std::string_view body, bool content_length,
                          std::string_view extra_headers) {
    std::string r = "HTTP/1.0 " + std::to_string(status) + (status < 400 ? " OK" : " Error") +
                    "\r\nContent-Type: text/html\r\n";
    if (content_length)
        r += "Content-Length: " + std::to_string(body.size()) + "\r\n";
    r += extra_headers;
    r += "\r\n";
    r += body;
    return r;
}

Handler always_answer(std::string raw_response) {
    return [raw = std::move(raw_response)](const ReceivedRequest&, Connection& c) { c.send(raw); };
}

Handler route_table(std::map<std::string, std::string> routes) {
    return [routes = std::move(routes)](const ReceivedRequest& request, Connection& connection) {
        for (const auto& [prefix, body] : routes) {
            if (request.target.rfind(prefix, 0) == 0) {
                connection.send(http_response(200, body));
                return;
            }
        }
        connection.send(http_response(404, "no such page"));
    };
}

}  // namespace zerlith::testing
