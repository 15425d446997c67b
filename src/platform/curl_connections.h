#pragma once

#include <curl/curl.h>

// Runs a session's libcurl requests on connections it keeps, waiting on their sockets itself.
namespace varmio {

// The requests of one session, one at a time, through a libcurl multi handle of ours: its
// connections stay open from one request to the next (the FTP control connection lasts a
// whole send) until closeAll().
//
// Why not curl_easy_perform: libcurl 7.88 at times ends a step of an FTP upload with the data
// connection scheduled ("Connecting to 127.0.0.1 port N", "ftp_perform ends with SECONDARY: 0")
// but its socket not yet opened, and names neither a socket nor a timeout to wait for.
// curl_easy_perform then sleeps its fixed 1000 ms poll before "Trying 127.0.0.1:N" opens it.
// On a local pyftpdlib server that stalled 1 to 9% of 100 KiB uploads by a second, with EPSV
// and PASV alike (PASV more often), and the curl tool stalls the same way; no connect option
// changes it, as the socket does not exist yet. Here, when libcurl waits on no socket, we go
// on at once (then after a millisecond each time, should it last).
class CurlConnections {
  public:
    CurlConnections();
    ~CurlConnections();
    CurlConnections(const CurlConnections&) = delete;
    CurlConnections& operator=(const CurlConnections&) = delete;

    // Runs the request set up on `easy` to its end, as curl_easy_perform would.
    CURLcode perform(CURL* easy);
    // Closes every connection kept (an FTP server hears QUIT).
    void closeAll();

  private:
    // True when libcurl names at least one socket to wait on.
    bool waitsOnSocket() const;

    CURLM* multi_ = nullptr;
};

}  // namespace varmio
