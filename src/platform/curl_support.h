#pragma once

#include <curl/curl.h>

#include <memory>

// What the FTP control and the mail system share of libcurl.
namespace varmio {

// Runs libcurl's global set-up once, before the first handle is made; thread-safe in this
// libcurl.
inline void initialiseCurl() {
    static const CURLcode initialised = curl_global_init(CURL_GLOBAL_DEFAULT);
    (void)initialised;
}

struct CurlListFree {
    void operator()(curl_slist* list) const { curl_slist_free_all(list); }
};
using CurlList = std::unique_ptr<curl_slist, CurlListFree>;

}  // namespace varmio
