#include <arpa/inet.h>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <stdexcept>
#include <string>

#include "FaultFixture.h"

namespace {

using testing::ElementsAre;

// A port where connections are accepted and never answered: the kernel completes each
// handshake from the listen queue, and nobody reads.
class SilentServer {
public:
    SilentServer() : fd_(socket(AF_INET, SOCK_STREAM, 0)) {
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof address;
        if (bind(fd_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
            listen(fd_, 8) != 0 ||
            getsockname(fd_, reinterpret_cast<sockaddr*>(&address), &length) != 0)
            throw std::runtime_error("cannot listen on 127.0.0.1");
        port_ = ntohs(address.sin_port);
    }
    ~SilentServer() { close(fd_); }
    SilentServer(const SilentServer&) = delete;
    SilentServer& operator=(const SilentServer&) = delete;

    int port() const { return port_; }

private:
    int fd_;
    int port_ = 0;
};

using ConnectionTimeout = FaultFixture;

TEST_F(ConnectionTimeout, EndsTheOpeningOnASilentServerWithTheDriversMessage) {
    SilentServer silent;
    writeConnectionEntry("127.0.0.1/" + std::to_string(silent.port()) + ":/bills.fdb", "unused",
                         "Connection Timeout=2\n");
    auto form = startWindow();

    EXPECT_THAT(errorTexts(), ElementsAre("dbExpress Error: [0x0015]: Connection failed\n"
                                          "SQL Server Error: connection rejected by remote "
                                          "interface."));
    EXPECT_EQ(form->CheckListBox1->count(), 0);
}

}  // namespace
