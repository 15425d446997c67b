#include "curl_transfer.h"

#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>

namespace varmio {

void applyNetworkOptions(CURL* curl, const NetworkOptions& options) {
    const long seconds = options.requestTimeoutSeconds;
    curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT, seconds);
    curl_easy_setopt(curl, CURLOPT_SERVER_RESPONSE_TIMEOUT, seconds);
    // Below one byte a second for the whole timeout counts as standing still.
    curl_easy_setopt(curl, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(curl, CURLOPT_LOW_SPEED_TIME, seconds);
    curl_easy_setopt(curl, CURLOPT_TIMEOUT, 0L);
    curl_easy_setopt(curl, CURLOPT_SSL_VERIFYPEER, 1L);
    curl_easy_setopt(curl, CURLOPT_SSL_VERIFYHOST, 2L);
    if (!options.caFile.empty()) curl_easy_setopt(curl, CURLOPT_CAINFO, options.caFile.c_str());
}

void CurlInterrupt::attach(CURL* curl) {
    curl_easy_setopt(curl, CURLOPT_OPENSOCKETFUNCTION, openSocket);
    curl_easy_setopt(curl, CURLOPT_OPENSOCKETDATA, this);
    curl_easy_setopt(curl, CURLOPT_CLOSESOCKETFUNCTION, closeSocket);
    curl_easy_setopt(curl, CURLOPT_CLOSESOCKETDATA, this);
    curl_easy_setopt(curl, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(curl, CURLOPT_XFERINFOFUNCTION, progress);
    curl_easy_setopt(curl, CURLOPT_XFERINFODATA, this);
}

void CurlInterrupt::interrupt() {
    stop_ = true;
    std::lock_guard lock(mutex_);
    for (curl_socket_t socket : sockets_)
        ::shutdown(socket, SHUT_RDWR);
}

void CurlInterrupt::reset() {
    stop_ = false;
    sent_ = 0;
    total_ = 0;
}

curl_socket_t CurlInterrupt::openSocket(void* self, curlsocktype, curl_sockaddr* address) {
    auto* watch = static_cast<CurlInterrupt*>(self);
    std::lock_guard lock(watch->mutex_);
    if (watch->stop_) return CURL_SOCKET_BAD;
    const curl_socket_t socket =
        ::socket(address->family, address->socktype | SOCK_CLOEXEC, address->protocol);
    if (socket != CURL_SOCKET_BAD) watch->sockets_.push_back(socket);
    return socket;
}

int CurlInterrupt::closeSocket(void* self, curl_socket_t socket) {
    auto* watch = static_cast<CurlInterrupt*>(self);
    std::lock_guard lock(watch->mutex_);
    std::erase(watch->sockets_, socket);
    return ::close(socket);
}

int CurlInterrupt::progress(void* self, curl_off_t, curl_off_t, curl_off_t total, curl_off_t now) {
    auto* watch = static_cast<CurlInterrupt*>(self);
    watch->sent_ = static_cast<std::uint64_t>(std::max<curl_off_t>(now, 0));
    watch->total_ = static_cast<std::uint64_t>(std::max<curl_off_t>(total, 0));
    return watch->stop_ ? 1 : 0;
}

}  // namespace varmio
