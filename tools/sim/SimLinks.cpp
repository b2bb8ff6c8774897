#include "SimLinks.h"

#include <cstdio>

TSimLinks::TSimLinks(TSimDevice& device, const TSimOptions& options) : device_(device), options_(options) {}

bool TSimLinks::Start() {
    if (options_.rtuLink || options_.rtuDevice) {
        rtu_ = std::make_unique<TSimRtuServer>(device_, options_);
        if (!rtu_->Start()) {
            std::fprintf(stderr, "qel880-sim: %s\n", rtu_->Error().c_str());
            return false;
        }
        std::printf("rtu %s\n", rtu_->Path().c_str());
    }
    if (options_.tcpPort) {
        tcp_ = std::make_unique<TSimTcpServer>(device_, options_);
        if (!tcp_->Start()) {
            std::fprintf(stderr, "qel880-sim: cannot listen on %s:%d: %s\n", options_.listen.c_str(),
                         *options_.tcpPort, qPrintable(tcp_->Error()));
            return false;
        }
        options_.tcpPort = tcp_->Port();
        std::printf("tcp %s\n", qPrintable(tcp_->Address()));
    }
    return true;
}

void TSimLinks::Stop() {
    rtu_.reset();
    tcp_.reset();
}
