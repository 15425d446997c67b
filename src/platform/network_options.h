#pragma once

#include <string>

namespace varmio {

class SystemInfo;

// How the FTP control and the mail system talk to servers.
struct NetworkOptions {
    // Connecting, and waiting for each answer of a server, may take this long; so may a
    // transfer that stands still. A transfer that keeps moving has no limit.
    long requestTimeoutSeconds = 60;
    // Certificate authorities to trust instead of the system's store (a PEM file); "" for the
    // system's store.
    std::string caFile;
};

// From VARMIO_REQUEST_TIMEOUT (whole seconds, 1 to 3600) and VARMIO_CA_FILE.
NetworkOptions networkOptionsFrom(const SystemInfo& system);

}  // namespace varmio
