// SPDX-License-Identifier: Apache-2.0
#include "protocol/socket_cell.h"

#include "protocol/session_status.h"

#include <new>

namespace corvane {

NetSocket* SocketCell::Current() const {
    std::lock_guard lock(mutex_);
    return socket_.get();
}

void SocketCell::Store(OwnedNetSocket socket) {
    std::lock_guard lock(mutex_);
    socket_ = std::move(socket);
    if (abortPending_ && socket_ != nullptr) {
        abortPending_ = false;
        NetSocketAbort(socket_.get(), 0);
    }
}

OwnedNetSocket SocketCell::Take() {
    std::lock_guard lock(mutex_);
    return std::move(socket_);
}

int SocketCell::Abort() {
    std::lock_guard lock(mutex_);
    if (socket_ == nullptr) {
        // Between two connections of one operation: the next connection takes the abort, so it is not lost.
        abortPending_ = true;
        return 0;
    }
    return NetSocketAbort(socket_.get(), 0);
}

int OpenSocketCell(std::uint32_t kind, std::uint32_t reserved, SocketCell** out) {
    const bool present = (kind == kCellDatagram || kind == kCellStream) && out != nullptr;
    if (const int status = session_status::CheckArguments(present, reserved); status != 0) {
        return status;
    }
    std::unique_ptr<SocketCell> cell(new (std::nothrow) SocketCell);
    if (!cell) {
        return session_status::kOutOfMemory;
    }
    NetSocket* socket = nullptr;
    const int status = kind == kCellDatagram
                           ? NetSocketCreate(kFamilyInternet, kSocketDatagram,
                                             kOptionBroadcast | kOptionJoinAllHosts, &socket)
                           : NetSocketCreate(kFamilyInternet, kSocketStream, 0, &socket);
    if (status != 0) {
        return status;
    }
    cell->Store(OwnedNetSocket(socket));
    *out = cell.release();
    return 0;
}

int CloseSocketCell(SocketCell* cell, std::uint32_t reserved) {
    if (const int status = session_status::CheckArguments(cell != nullptr, reserved); status != 0) {
        return status;
    }
    delete cell; // with the socket it holds
    return 0;
}

int AbortSocketCell(SocketCell* cell, std::uint32_t reserved) {
    if (const int status = session_status::CheckArguments(cell != nullptr, reserved); status != 0) {
        return status;
    }
    return cell->Abort();
}

} // namespace corvane
