#include "curl_connections.h"

#include <sys/select.h>

#include <algorithm>

namespace varmio {

namespace {

// libcurl's own ceiling for one wait; it wakes sooner for each socket event and timeout.
constexpr long kLongestWaitMs = 1000;
// The wait when libcurl names no socket again: it has a step to take that nothing will wake it
// for. The first time it goes on at once.
constexpr long kNoSocketWaitMs = 1;

}  // namespace

CurlConnections::CurlConnections() : multi_(curl_multi_init()) {}

CurlConnections::~CurlConnections() {
    if (multi_) curl_multi_cleanup(multi_);
}

void CurlConnections::closeAll() {
    if (multi_) curl_multi_cleanup(multi_);
    multi_ = curl_multi_init();
}

bool CurlConnections::waitsOnSocket() const {
    fd_set read, write, error;
    FD_ZERO(&read);
    FD_ZERO(&write);
    FD_ZERO(&error);
    int highest = -1;
    // Sockets beyond FD_SETSIZE are left out: we then merely wake more often.
    return curl_multi_fdset(multi_, &read, &write, &error, &highest) == CURLM_OK && highest >= 0;
}

CURLcode CurlConnections::perform(CURL* easy) {
    if (!multi_) return CURLE_OUT_OF_MEMORY;
    if (curl_multi_add_handle(multi_, easy) != CURLM_OK) return CURLE_FAILED_INIT;
    CURLcode result = CURLE_FAILED_INIT;  // unless libcurl reports the request's end
    int socketless = 0;                   // waits in a row without a socket
    for (int running = 1;;) {
        if (curl_multi_perform(multi_, &running) != CURLM_OK) break;
        if (running == 0) break;
        long wait = kLongestWaitMs;
        long timeout = -1;
        if (curl_multi_timeout(multi_, &timeout) == CURLM_OK && timeout >= 0)
            wait = std::min(wait, timeout);
        if (waitsOnSocket())
            socketless = 0;
        else
            wait = std::min(wait, socketless++ == 0 ? 0 : kNoSocketWaitMs);
        if (curl_multi_poll(multi_, nullptr, 0, static_cast<int>(wait), nullptr) != CURLM_OK) break;
    }
    int left = 0;
    while (CURLMsg* message = curl_multi_info_read(multi_, &left))
        if (message->msg == CURLMSG_DONE && message->easy_handle == easy)
            result = message->data.result;
    curl_multi_remove_handle(multi_, easy);
    return result;
}

}  // namespace varmio
