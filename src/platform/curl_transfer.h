#pragma once

#include <curl/curl.h>

#include <atomic>
#include <cstdint>
#include <mutex>
#include <vector>

#include "network_options.h"

// How every libcurl request of ours waits, and how another thread stops one.
namespace varmio {

// The waiting rules of one request: connecting and each answer of the server may take the
// request timeout, and a transfer is given up only when it has stood still that long, however
// long it runs in all. Certificates are checked against the system's store, or the options' CA
// file.
void applyNetworkOptions(CURL* curl, const NetworkOptions& options);

// Watches the requests made on a handle: counts the bytes they send and lets another thread
// stop them at once. Stopping shuts the handle's sockets down, which wakes libcurl from any
// wait, and its progress callback asks libcurl to give up; the request then fails with
// CURLE_ABORTED_BY_CALLBACK or a connection error. Must outlive the handle's connections.
class CurlInterrupt {
  public:
    // Sets the socket and progress callbacks on `curl`; again after each curl_easy_reset.
    void attach(CURL* curl);
    // From any thread.
    void interrupt();
    bool interrupted() const { return stop_.load(); }
    // Before a new piece of work: not interrupted, nothing sent.
    void reset();
    // Bytes the current request has sent so far, and how many it will send (0: not known).
    std::uint64_t sent() const { return sent_.load(); }
    std::uint64_t total() const { return total_.load(); }

  private:
    static curl_socket_t openSocket(void* self, curlsocktype purpose, curl_sockaddr* address);
    static int closeSocket(void* self, curl_socket_t socket);
    static int progress(void* self, curl_off_t, curl_off_t, curl_off_t total, curl_off_t now);

    std::mutex mutex_;  // guards sockets_ against a close racing a shutdown
    std::vector<curl_socket_t> sockets_;
    std::atomic<bool> stop_{false};
    std::atomic<std::uint64_t> sent_{0};
    std::atomic<std::uint64_t> total_{0};
};

}  // namespace varmio
