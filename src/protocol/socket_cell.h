// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "protocol/net_socket.h"

#include <cstdint>
#include <memory>
#include <mutex>

namespace corvane {

// The current socket of one connection. Its owner thread connects, closes and reconnects through it; any
// other thread may abort whatever socket it holds at that moment.
class SocketCell {
public:
    SocketCell() = default;
    SocketCell(const SocketCell&) = delete;
    SocketCell& operator=(const SocketCell&) = delete;

    NetSocket* Current() const;
    // Puts a socket into an empty cell; an abort that found the cell empty applies to it.
    void Store(OwnedNetSocket socket);
    // Empties the cell and hands its socket (or null) to the caller.
    OwnedNetSocket Take();
    // Aborts the socket held now, or the next one stored when the cell is empty.
    int Abort();

private:
    mutable std::mutex mutex_;
    OwnedNetSocket socket_; // closed with the cell
    bool abortPending_ = false;
};

// Cell kinds for OpenSocketCell.
constexpr std::uint32_t kCellDatagram = 1; // broadcast permitted, joins 224.0.0.1 at its first send
constexpr std::uint32_t kCellStream = 2;

// A new cell holding a new socket of `kind`; statuses of session_status.h or NetSocketCreate's.
int OpenSocketCell(std::uint32_t kind, std::uint32_t reserved, SocketCell** out);
// Closes the socket the cell holds (if any) and frees the cell.
int CloseSocketCell(SocketCell* cell, std::uint32_t reserved);
// Aborts the cell's socket from any thread (the runner's Cancel); an empty cell gives 0.
int AbortSocketCell(SocketCell* cell, std::uint32_t reserved);

// Owns a cell: closes it, with its socket, when the owner goes.
struct SocketCellCloser {
    void operator()(SocketCell* cell) const { CloseSocketCell(cell, 0); }
};
using OwnedSocketCell = std::unique_ptr<SocketCell, SocketCellCloser>;

} // namespace corvane
