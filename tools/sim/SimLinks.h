#pragma once

#include "SimOptions.h"
#include "SimRtuServer.h"
#include "SimTcpServer.h"

#include <memory>

class TSimDevice;

// The links the options ask for, which can go away and come back while the device runs on: the
// pty at the same path, the TCP listener on the same port.
class TSimLinks {
public:
    TSimLinks(TSimDevice& device, const TSimOptions& options);

    // Opens every link and prints one line for each ("rtu PATH", "tcp ADDR:PORT"); false after a
    // message on standard error.
    bool Start();
    void Stop();

private:
    TSimDevice& device_;
    TSimOptions options_; // the TCP port as first bound, so that it comes back on the same one
    std::unique_ptr<TSimRtuServer> rtu_;
    std::unique_ptr<TSimTcpServer> tcp_;
};
