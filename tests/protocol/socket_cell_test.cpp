// SPDX-License-Identifier: Apache-2.0
#include "config/status_codes.h"
#include "protocol/session_status.h"
#include "protocol/socket_cell.h"

#include <array>
#include <gtest/gtest.h>

namespace corvane {
namespace {

TEST(SocketCellTest, ChecksArgumentsInOrder) {
    SocketCell* cell = nullptr;
    EXPECT_EQ(OpenSocketCell(3, 0, &cell), session_status::kBadArgument);
    EXPECT_EQ(OpenSocketCell(kCellStream, 0, nullptr), session_status::kBadArgument);
    EXPECT_EQ(OpenSocketCell(3, 1, &cell), session_status::kBadArgument);
    EXPECT_EQ(OpenSocketCell(kCellStream, 1, &cell), session_status::kReservedNotZero);
    EXPECT_EQ(cell, nullptr);
    EXPECT_EQ(CloseSocketCell(nullptr, 0), session_status::kBadArgument);
    EXPECT_EQ(AbortSocketCell(nullptr, 0), session_status::kBadArgument);

    ASSERT_EQ(OpenSocketCell(kCellDatagram, 0, &cell), 0);
    EXPECT_NE(cell->Current(), nullptr);
    EXPECT_EQ(AbortSocketCell(cell, 1), session_status::kReservedNotZero);
    EXPECT_EQ(CloseSocketCell(cell, 1), session_status::kReservedNotZero);
    EXPECT_EQ(CloseSocketCell(cell, 0), 0);
}

TEST(SocketCellTest, AbortReachesTheSocketHeldNowOrTheNextOne) {
    SocketCell* cell = nullptr;
    ASSERT_EQ(OpenSocketCell(kCellDatagram, 0, &cell), 0);
    std::array<char, 4> buffer{};
    ASSERT_EQ(AbortSocketCell(cell, 0), 0);
    EXPECT_EQ(NetSocketReceiveFrom(cell->Current(), 0, 0, 4, buffer.data(), nullptr, nullptr, nullptr),
              socket_status::kAborted);

    // Between two connections the cell is empty; the abort waits for the next socket instead of vanishing.
    cell->Take(); // closes the socket
    EXPECT_EQ(AbortSocketCell(cell, 0), 0);
    NetSocket* next = nullptr;
    ASSERT_EQ(NetSocketCreate(kFamilyInternet, kSocketDatagram, 0, &next), 0);
    cell->Store(OwnedNetSocket(next));
    EXPECT_EQ(NetSocketReceiveFrom(next, 0, 0, 4, buffer.data(), nullptr, nullptr, nullptr),
              socket_status::kAborted);
    EXPECT_EQ(NetSocketReceiveFrom(next, 0, -1, 4, buffer.data(), nullptr, nullptr, nullptr),
              socket_status::kTimedOut);
    EXPECT_EQ(CloseSocketCell(cell, 0), 0);
}

} // namespace
} // namespace corvane
