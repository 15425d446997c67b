#include "network_factories.h"

#include "errors.h"

namespace varmio {

namespace {

class UnavailableFtp : public FtpClient {
  public:
    void execute(std::string_view) override {
        throw RuntimeError(35750, "The transfer control is not available");
    }
    bool busy() const override { return false; }
    void checkResult() override {}
    std::string getChunk(size_t) override { return {}; }
};

class UnavailableMail : public MailSystem {
  public:
    int logon() override { return 1; }
    void send(const MailMessage&) override {}
};

}  // namespace

std::unique_ptr<FtpClient> makeFtpClient() {
    return std::make_unique<UnavailableFtp>();
}

std::unique_ptr<MailSystem> makeMailSystem(const SystemInfo&) {
    return std::make_unique<UnavailableMail>();
}

}  // namespace varmio
