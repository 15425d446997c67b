// How long the transfer control waits, against real servers on 127.0.0.1: a slow transfer that
// keeps moving outlasts the request timeout, a silent server is given up once it has passed.
// The timeout is VARMIO_TEST_REQUEST_TIMEOUT seconds (default 4, the real 60 at full scale);
// the throttle keeps the same ratio to it.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>

#include "delivery/ftp_runner.h"
#include "platform/curl_ftp_client.h"
#include "platform/errors.h"
#include "support/temp_dir.h"
#include "test_servers.h"

namespace varmio::test {
namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

long requestTimeout() {
    const char* text = std::getenv("VARMIO_TEST_REQUEST_TIMEOUT");
    return text && std::atol(text) > 0 ? std::atol(text) : 4;
}

double secondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

class FtpTimeouts : public ::testing::Test {
  protected:
    void start(const std::vector<std::string>& options = {}) {
        server_ = std::make_unique<ScriptServer>("ftp_server.py", root(), options);
    }
    std::string root() const { return (files_.path() / "root").string(); }
    FtpLogin login() const {
        return {"127.0.0.1:" + std::to_string(server_->port()), "guest", "secret"};
    }

    TempDir files_;
    std::unique_ptr<ScriptServer> server_;
};

TEST_F(FtpTimeouts, ThrottledUploadOutlastsTheRequestTimeout) {
    const long timeout = requestTimeout();
    constexpr std::uintmax_t kSize = 20u << 20;
    // The whole upload takes about 1.2 timeouts; no pause ever comes near one.
    start({"--read-limit", std::to_string(kSize * 10 / 12 / timeout)});
    const std::string big = (files_.path() / "big.bin").string();
    fs::resize_file((std::ofstream(big), big), kSize);

    CurlFtpClient ftp({timeout, ""});
    const auto began = Clock::now();
    runFtpPlan(ftp,
               ftpSendPlan({login(),
                            "",
                            {{files_.path().string() + "/", "big.bin", " "}},
                            false,
                            files_.path().string(),
                            std::nullopt}),
               {[] {}, {}, {}});
    EXPECT_GT(secondsSince(began), static_cast<double>(timeout));
    EXPECT_EQ(fs::file_size(root() + "/big.bin"), kSize);
}

TEST_F(FtpTimeouts, SilentServerFailsWithinTheTimeoutWhileTheWindowKeepsPolling) {
    const long timeout = requestTimeout();
    start();
    std::ofstream(files_.path() / "qdrn.sec") << "probe";
    server_->pause(true);  // connections are taken, nothing is ever answered
    CurlFtpClient ftp({timeout, ""});
    auto last = Clock::now();
    double longestGap = 0;
    const auto began = last;
    try {
        runFtpPlan(ftp, ftpListingPlan(login(), "", files_.path().string()),
                   {[&] {
                        longestGap = std::max(longestGap, secondsSince(last));
                        last = Clock::now();
                    },
                    [](const std::string&) {},
                    {}});
        ADD_FAILURE() << "a silent server listed";
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.number(), 35750 + 28) << e.what();  // libcurl's timeout
    }
    const double took = secondsSince(began);
    EXPECT_GE(took, timeout - 0.5);
    EXPECT_LT(took, timeout + 2.0);
    EXPECT_LT(longestGap, 0.25) << "the window's events are handled all along";
    server_->pause(false);
}

}  // namespace
}  // namespace varmio::test
