#include "protocol/socket_cell.h"

#include "protocol/session_status.h"

#include <new>

namespace corvane {

NetSocket* SocketCell::Current() const {
    std::lock_guard lock(mutex_);
    return socket_;
}

void SocketCell::Store(NetSocket* socket) {
    std::lock_guard lock(mutex_);
    socket_ = socket;
    if (abortPending_ && socket_ != nullptr) {
        abortPending_ = false;
        NetSocketAbort(socket_, 0);
    }
}

NetSocket* SocketCell::Take() {
    std::lock_guard lock(mutex_);
    NetSocket* socket = socket_;
    socket_ = nullptr;
    return socket;
}

int SocketCell::Abort() {
    std::lock_guard lock(mutex_);
    if (socket_ == nullptr) {
        // Between two connections of one operation: the next connection takes the abort, so it is not lost.
        abortPending_ = true;
        return 0;
    }
    return NetSocketAbort(socket_, 0);
}

int OpenSocketCell(std::uint32_t kind, std::uint32_t reserved, SocketCell** out) {
    const bool present = (kind == kCellDatagram || kind == kCellStream) && out != nullptr;
    if (const int status = session_status::CheckArguments(present, reserved); status != 0) {
        return status;
    }
    auto* cell = new (std::nothrow) SocketCell;
    if (cell == nullptr) {
        return session_status::kOutOfMemory;
    }
    NetSocket* socket = nullptr;
    const int status = kind == kCellDatagram
                           ? NetSocketCreate(kFamilyInternet, kSocketDatagram,
                                             kOptionBroadcast | kOptionJoinAllHosts, &socket)
                           : NetSocketCreate(kFamilyInternet, kSocketStream, 0, &socket);
    if (status != 0) {
        delete cell;
        return status;
    }
    cell->Store(socket);
    *out = cell;
    return 0;
}

int CloseSocketCell(SocketCell* cell, std::uint32_t reserved) {
    if (const int status = session_status::CheckArguments(cell != nullptr, reserved); status != 0) {
        return status;
    }
    if (NetSocket* socket = cell->Take()) {
        NetSocketClose(socket, 0);
    }
    delete cell;
    return 0;
}

int AbortSocketCell(SocketCell* cell, std::uint32_t reserved) {
    if (const int status = session_status::CheckArguments(cell != nullptr, reserved); status != 0) {
        return status;
    }
    return cell->Abort();
}

} // namespace corvane
