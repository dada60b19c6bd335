// SPDX-License-Identifier: Apache-2.0
#include "config/byte_order.h"
#include "config/checksum.h"
#include "config/element_stream.h"
#include "config/property_codec.h"
#include "config/scrambling.h"
#include "config/status_codes.h"
#include "mock_peer.h"
#include "protocol/event.h"
#include "protocol/message_header.h"
#include "protocol/session_status.h"
#include "protocol/station_exchanges.h"
#include "protocol/station_operations.h"

#include <gtest/gtest.h>
#include <thread>

namespace corvane {
namespace {

using testing::MockPeer;
using Bytes = std::vector<std::uint8_t>;

const PropertyTag kName = MakeTag("syNm");
const PropertyTag kPassword = MakeTag("syPW");
const PropertyTag kContact = MakeTag("syCt");
const PropertyTag kChannel = MakeTag("raCh");
// A status no layer defines, as a base station may send one.
constexpr std::int32_t kStatusNoLayerDefines = -21;

// The station's side of one exchange, as the mock peer's scripts speak it.
struct StationSide {
    static MessageHeader ReadHeader(int connection) {
        MessageHeader header{};
        testing::ReadExactly(connection, header.data(), header.size());
        return header;
    }

    static void Reply(int connection, std::int32_t status, bool corrupt = false) {
        MessageHeader header = testing::StationReplyHeader(status);
        header[100] ^= corrupt ? 0x01 : 0x00;
        testing::WriteAll(connection, header.data(), header.size());
    }

    static void Send(int connection, const Bytes& bytes) {
        testing::WriteAll(connection, bytes.data(), bytes.size());
    }

    // Reads elements as a write sends them, up to and including the end element.
    static std::vector<std::pair<ElementHeader, Bytes>> ReadElements(int connection) {
        std::vector<std::pair<ElementHeader, Bytes>> elements;
        for (;;) {
            std::uint8_t raw[kElementHeaderSize];
            if (!testing::ReadExactly(connection, raw, sizeof raw)) {
                return elements;
            }
            const ElementHeader header = LoadElementHeader(raw);
            elements.emplace_back(header, testing::ReadBytes(connection, header.length));
            if (header.tag == 0) {
                return elements;
            }
        }
    }

    static Bytes Result(PropertyTag tag, std::int32_t code) {
        Bytes result(16);
        StoreElementHeader(result.data(), {tag, 0, 4});
        StoreBigEndian32(result.data() + 12, std::uint32_t(code));
        return result;
    }
};

Bytes Element(PropertyTag tag, std::uint32_t flags, std::uint32_t length, Bytes value) {
    Bytes out(kElementHeaderSize);
    StoreElementHeader(out.data(), {tag, flags, length});
    out.insert(out.end(), value.begin(), value.end());
    return out;
}

Bytes Scrambled(const std::string& text) {
    Bytes bytes(text.begin(), text.end());
    ScrambleBytes(std::uint32_t(bytes.size()), bytes.data());
    return bytes;
}

Bytes Concat(std::initializer_list<Bytes> parts) {
    Bytes out;
    for (const Bytes& part : parts) {
        out.insert(out.end(), part.begin(), part.end());
    }
    return out;
}

const Bytes kEnd = Element(0, 0, 4, {0, 0, 0, 0});

// An operation against a mock station on loopback, through a stream cell as the runner opens it.
class StationSessionTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(OpenSocketCell(kCellStream, 0, &cell_), 0);
        record_.stationAddress = 0x7F000001;
        record_.adminPassword = "secret";
    }
    void TearDown() override { CloseSocketCell(cell_, 0); }

    SocketCell* cell_ = nullptr;
    ConfigRecord record_;
};

TEST_F(StationSessionTest, ReadRequestsTheTransferListAndStoresWhatArrives) {
    MessageHeader request{};
    Bytes body;
    MockPeer peer({[&](int connection) {
        request = StationSide::ReadHeader(connection);
        body = testing::ReadBytes(connection, LoadBigEndian32(request.data() + message_offset::kBodyLength));
        StationSide::Reply(connection, 0);
        StationSide::Send(connection, Concat({
                                          Element(kName, ELEMENT_SCRAMBLED, 7, Scrambled("Kitchen")),
                                          Element(kChannel, 0, 4, {0, 0, 0, 9}),
                                          Element(kPassword, ELEMENT_STATUS, 1000,
                                                  {0xFF, 0xFF, 0xFF, 0xF0}), // a status element: 4 bytes
                                          Element(kContact, 0, 0, {}),       // an empty value
                                          kEnd,
                                      }));
    }});
    record_.syCt = "before";
    record_.syPW = "kept";
    ASSERT_EQ(ReadStationConfiguration(record_, cell_, peer.Port()), 0);
    EXPECT_EQ(cell_->Current(), nullptr) << "disconnected at the end";
    peer.Finish();

    EXPECT_TRUE(VerifyMessageHeader(request));
    EXPECT_EQ(LoadBigEndian32(request.data() + message_offset::kCommand), kCommandReadProperties);
    ASSERT_EQ(body.size(), kTransferCount * kElementHeaderSize);
    for (std::size_t i = 0; i < kTransferCount; ++i) {
        EXPECT_EQ(LoadElementHeader(body.data() + i * kElementHeaderSize), TransferList[i]) << i;
    }
    MessageHeader expected;
    BuildMessageHeader(0, 0, kCommandReadProperties, std::uint32_t(body.size()), body.data(), "secret",
                       expected);
    EXPECT_EQ(request, expected);

    EXPECT_EQ(record_.syNm, "Kitchen");
    EXPECT_EQ(record_.raCh, 9u);
    EXPECT_EQ(record_.syPW, "kept");
    EXPECT_EQ(record_.syCt, "");
}

TEST_F(StationSessionTest, ReplyHeaderProblemsEndTheReadBeforeAnyElement) {
    struct Case {
        std::int32_t status;
        bool corrupt;
        int expected;
    };
    const Case cases[] = {
        {session_status::kWrongPassword, false, session_status::kWrongPassword},
        {0, true, session_status::kReplyChecksumWrong},
        {session_status::kWrongPassword, true, session_status::kReplyChecksumWrong},
    };
    for (const Case& c : cases) {
        MockPeer peer({[&c](int connection) {
            StationSide::ReadHeader(connection);
            testing::ReadBytes(connection, kTransferCount * kElementHeaderSize);
            StationSide::Reply(connection, c.status, c.corrupt);
            StationSide::Send(connection, Concat({Element(kName, 0, 3, {'B', 'a', 'd'}), kEnd}));
        }});
        ConfigRecord record = record_;
        record.syNm = "Old";
        SocketCell* cell = nullptr;
        ASSERT_EQ(OpenSocketCell(kCellStream, 0, &cell), 0);
        EXPECT_EQ(ReadStationConfiguration(record, cell, peer.Port()), c.expected);
        EXPECT_EQ(record.syNm, "Old");
        CloseSocketCell(cell, 0);
    }
}

TEST_F(StationSessionTest, GiantElementLengthIsRefusedBeforeAllocating) {
    MockPeer peer({[](int connection) {
        StationSide::ReadHeader(connection);
        testing::ReadBytes(connection, kTransferCount * kElementHeaderSize);
        StationSide::Reply(connection, 0);
        StationSide::Send(connection, Concat({Element(kName, 0, 5, {'F', 'i', 'r', 's', 't'}),
                                              Element(kContact, 0, 0xFFFFFFF0, {})}));
    }});
    EXPECT_EQ(ReadStationConfiguration(record_, cell_, peer.Port()), kMalformedValue);
    EXPECT_EQ(record_.syNm, "First") << "what arrived before stays";
}

// A station that never ends its reply is stopped once it has sent kMaxReplySize bytes, in a read (elements of
// a tag nobody knows) and in a write (results without the end).
TEST_F(StationSessionTest, AnEndlessReplyEndsWithMinus15) {
    const Bytes element = Element(MakeTag("zzzz"), 0, 1 << 20, Bytes(1 << 20, 0));
    const Bytes results = [] {
        Bytes many;
        for (int i = 0; i < 4096; ++i) {
            const Bytes one = StationSide::Result(kName, 0);
            many.insert(many.end(), one.begin(), one.end());
        }
        return many;
    }();
    for (const bool write : {false, true}) {
        MockPeer peer({[&](int connection) {
            StationSide::ReadHeader(connection);
            if (!write) {
                testing::ReadBytes(connection, kTransferCount * kElementHeaderSize);
            }
            StationSide::Reply(connection, 0);
            if (write) {
                StationSide::ReadElements(connection);
            }
            const Bytes& endless = write ? results : element;
            while (testing::WriteAll(connection, endless.data(), endless.size())) {
            }
        }});
        const int status = write ? WriteStationConfiguration(record_, cell_, peer.Port())
                                 : ReadStationConfiguration(record_, cell_, peer.Port());
        EXPECT_EQ(status, session_status::kTooLarge) << (write ? "write" : "read");
        DisconnectSession(cell_, 0); // a failed operation leaves its socket to the caller
    }
}

TEST_F(StationSessionTest, ReadEndsWithTheSocketStatusWhenTheStationHangsUp) {
    MockPeer peer({[](int connection) {
        StationSide::ReadHeader(connection);
        testing::ReadBytes(connection, kTransferCount * kElementHeaderSize);
        StationSide::Reply(connection, 0);
        StationSide::Send(connection, Element(kName, 0, 9, {'c', 'u', 't'}));
    }});
    EXPECT_EQ(ReadStationConfiguration(record_, cell_, peer.Port()), socket_status::kConnectionLost);
}

TEST_F(StationSessionTest, WriteSendsEveryPropertyThenFinishRestartAndEnd) {
    std::vector<std::pair<ElementHeader, Bytes>> elements;
    MessageHeader request{};
    MockPeer peer({[&](int connection) {
        request = StationSide::ReadHeader(connection);
        StationSide::Reply(connection, 0);
        elements = StationSide::ReadElements(connection);
        StationSide::Send(connection, Concat({StationSide::Result(kName, 0), StationSide::Result(0, 0)}));
    }});
    record_.syNm = "Hall";
    ASSERT_EQ(WriteStationConfiguration(record_, cell_, peer.Port()), 0);
    EXPECT_EQ(cell_->Current(), nullptr);
    peer.Finish();

    EXPECT_EQ(LoadBigEndian32(request.data() + message_offset::kCommand), kCommandWriteProperties);
    EXPECT_EQ(LoadBigEndian32(request.data() + message_offset::kBodyLength), kNoBody);
    EXPECT_EQ(LoadBigEndian32(request.data() + message_offset::kBodyChecksum), 1u);
    ASSERT_EQ(elements.size(), kTransferCount + 3);
    for (std::size_t i = 0; i < kTransferCount; ++i) {
        const auto& [header, value] = elements[i];
        EXPECT_EQ(header.tag, TransferList[i].tag) << i;
        EXPECT_EQ(header.flags, TransferList[i].flags) << i;
        Bytes plain = value;
        if (header.flags & ELEMENT_SCRAMBLED) {
            ScrambleBytes(std::uint32_t(plain.size()), plain.data());
        }
        Bytes expected;
        ASSERT_EQ(GetProperty(record_, header.tag, expected), 0);
        EXPECT_EQ(plain, expected) << i;
    }
    EXPECT_EQ(elements[kTransferCount].first, (ElementHeader{kActionFinish, 0, 0}));
    EXPECT_EQ(elements[kTransferCount + 1].first, (ElementHeader{kActionRestart, 0, 0}));
    EXPECT_EQ(elements[kTransferCount + 2].first, (ElementHeader{0, 0, 4}));
    EXPECT_EQ(elements[kTransferCount + 2].second, Bytes(4, 0));
}

TEST_F(StationSessionTest, WriteResultWithACodeEndsTheWriteWithIt) {
    MockPeer peer({[](int connection) {
        StationSide::ReadHeader(connection);
        StationSide::Reply(connection, 0);
        StationSide::ReadElements(connection);
        StationSide::Send(connection, Concat({StationSide::Result(kChannel, kStatusNoLayerDefines),
                                              StationSide::Result(0, 0)}));
    }});
    EXPECT_EQ(WriteStationConfiguration(record_, cell_, peer.Port()), kStatusNoLayerDefines);
}

TEST_F(StationSessionTest, RestartSendsTheSingleActionAndClosesItsConnection) {
    std::vector<std::pair<ElementHeader, Bytes>> elements;
    MockPeer peer({[&](int connection) {
        StationSide::ReadHeader(connection);
        StationSide::Reply(connection, 0);
        elements = StationSide::ReadElements(connection);
        StationSide::Send(connection, StationSide::Result(0, 0));
    }});
    ASSERT_EQ(RestartStationOperation(record_, cell_, peer.Port()), 0);
    EXPECT_EQ(cell_->Current(), nullptr);
    peer.Finish();
    ASSERT_EQ(elements.size(), 2u);
    EXPECT_EQ(elements[0].first, (ElementHeader{kActionRestart, 0, 0}));
    EXPECT_EQ(elements[1].first, (ElementHeader{0, 0, 4}));
}

TEST_F(StationSessionTest, SetPropertiesRefusesActionsWithValuesAndStillDisconnects) {
    MockPeer peer({[](int connection) {
        StationSide::ReadHeader(connection);
        StationSide::Reply(connection, 0);
        StationSide::ReadElements(connection);
    }});
    const ElementHeader entries[] = {{kActionFinish, 0, 0}, {kActionRestart, 0, 4}};
    EXPECT_EQ(SetProperties(cell_, 0, 5000, peer.Host().c_str(), "", 2, entries), session_status::kTooLarge);
    EXPECT_EQ(cell_->Current(), nullptr);
    EXPECT_EQ(SetProperties(cell_, 0, 5000, peer.Host().c_str(), "", 0, entries),
              session_status::kBadArgument);
    EXPECT_EQ(SetProperties(cell_, 1, 5000, peer.Host().c_str(), "", 1, entries),
              session_status::kReservedNotZero);
    EXPECT_EQ(SetProperties(cell_, 0, 5000, nullptr, "", 1, entries), session_status::kBadArgument);
}

TEST(SessionPrimitiveTest, ArgumentChecksComeBeforeTheReservedCheck) {
    SocketCell* cell = nullptr;
    ASSERT_EQ(OpenSocketCell(kCellStream, 0, &cell), 0);
    const ElementHeader withLength{kName, 0, 3};
    struct Case {
        int status;
        int expected;
    };
    const Case cases[] = {
        {ConnectSession(nullptr, "1.2.3.4", 1, 0), session_status::kBadArgument},
        {ConnectSession(cell, nullptr, 0, 0), session_status::kBadArgument},
        {ConnectSession(cell, "1.2.3.4", 1, 0), session_status::kReservedNotZero},
        {DisconnectSession(nullptr, 0), session_status::kBadArgument},
        {SendRequest(cell, 1, nullptr, 20, 0, nullptr), session_status::kBadArgument},
        {SendRequest(cell, 0, "", 20, 5, nullptr), session_status::kBadArgument},
        {SendRequest(cell, 1, "", 20, kNoBody, nullptr), session_status::kReservedNotZero},
        {SendPropertyRequest(cell, 0, "", 0, TransferList.data()), session_status::kBadArgument},
        {SendElement(cell, 0, &withLength, nullptr), session_status::kBadArgument},
        {SendElement(cell, 0, nullptr, nullptr), session_status::kBadArgument},
        {ReceiveBytes(cell, 1, 0, 0, nullptr), session_status::kReservedNotZero},
        {SendEndElement(nullptr, 0, 0), session_status::kBadArgument},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        EXPECT_EQ(cases[i].status, cases[i].expected) << "case " << i;
    }
    CloseSocketCell(cell, 0);
}

// Images at the block's edges: up to the checksum trailer they fit; beyond it they are refused unsent.
TEST_F(StationSessionTest, UploadChecksImageSizeAgainstTheChecksumTrailer) {
    const Bytes image(kSoftwareBlockSize + 1, 0x5A);
    struct Case {
        std::uint32_t size;
        int expected;
    };
    const Case refused[] = {
        {kSoftwareBlockSize + 1, session_status::kTooLarge},
        {kSoftwareBlockSize, session_status::kTooLarge},
        {kSoftwareChecksumOffset + 1, session_status::kTooLarge},
        {0, session_status::kBadArgument},
    };
    MockPeer nobody({[](int) {}});
    for (const Case& c : refused) {
        EXPECT_EQ(UploadStationSoftwareOperation(record_, cell_, c.size, image.data(), kUploadRestart,
                                                 nobody.Port()),
                  c.expected)
            << c.size;
    }
    EXPECT_EQ(UploadStationSoftwareOperation(record_, cell_, 10, nullptr, 0, nobody.Port()),
              session_status::kBadArgument);
    EXPECT_EQ(UploadStationSoftwareOperation(record_, cell_, 10, image.data(), 4, nobody.Port()),
              session_status::kReservedNotZero);
    EXPECT_EQ(UploadStationSoftware(nullptr, 0, 0, "1.2.3.4", "", 10, image.data()),
              session_status::kBadArgument);
    EXPECT_EQ(nobody.Accepted(), 0u) << "nothing was sent";
}

TEST_F(StationSessionTest, UploadSendsTheBlockWithBothChecksumsThenRestarts) {
    Bytes image(kMaxSoftwareImageSize);
    for (std::size_t i = 0; i < image.size(); ++i) {
        image[i] = std::uint8_t(i * 7 + 3);
    }
    MessageHeader request{};
    Bytes block;
    std::vector<std::pair<ElementHeader, Bytes>> restart;
    MockPeer peer({
        [&](int connection) {
            request = StationSide::ReadHeader(connection);
            block = testing::ReadBytes(connection, kSoftwareBlockSize);
            StationSide::Reply(connection, 0);
        },
        [&](int connection) {
            StationSide::ReadHeader(connection);
            StationSide::Reply(connection, 0);
            restart = StationSide::ReadElements(connection);
            StationSide::Send(connection, StationSide::Result(0, 0));
        },
    });
    ASSERT_EQ(UploadStationSoftwareOperation(record_, cell_, std::uint32_t(image.size()), image.data(),
                                             kUploadRestart, peer.Port()),
              0);
    peer.Finish();
    ASSERT_EQ(block.size(), kSoftwareBlockSize);
    EXPECT_TRUE(std::equal(image.begin(), image.end(), block.begin()));
    EXPECT_EQ(LoadBigEndian32(block.data() + kSoftwareChecksumOffset),
              ComputeChecksum(1, 5000, block.data(), kSoftwareChecksumOffset));
    EXPECT_EQ(LoadBigEndian32(request.data() + message_offset::kCommand), kCommandUploadSoftware);
    EXPECT_EQ(LoadBigEndian32(request.data() + message_offset::kBodyLength), kSoftwareBlockSize);
    EXPECT_EQ(LoadBigEndian32(request.data() + message_offset::kBodyChecksum),
              ComputeChecksum(1, 5000, block.data(), kSoftwareBlockSize));
    ASSERT_FALSE(restart.empty());
    EXPECT_EQ(restart[0].first.tag, kActionRestart);
}

TEST_F(StationSessionTest, SmallImageIsZeroFilledUpToTheTrailer) {
    Bytes block;
    const Bytes image{1, 2, 3};
    ASSERT_EQ(BuildSoftwareBlock(image, block), 0);
    ASSERT_EQ(block.size(), kSoftwareBlockSize);
    EXPECT_EQ(block[2], 3);
    EXPECT_TRUE(std::all_of(block.begin() + 3, block.begin() + kSoftwareChecksumOffset,
                            [](auto b) { return b == 0; }));
    EXPECT_EQ(LoadBigEndian32(block.data() + kSoftwareChecksumOffset),
              ComputeChecksum(1, 5000, block.data(), kSoftwareChecksumOffset));
    const Bytes overlapping(kMaxSoftwareImageSize + 1, 1);
    EXPECT_EQ(BuildSoftwareBlock(overlapping, block), session_status::kTooLarge);
}

TEST_F(StationSessionTest, AbortEndsTheWaitForTheReplyAndOnlyThatOperation) {
    Event requested(Event::ResetMode::Manual);
    Event release(Event::ResetMode::Manual);
    MockPeer peer({
        [&](int connection) {
            StationSide::ReadHeader(connection);
            requested.Set();
            release.Wait();
        },
        [](int connection) {
            StationSide::ReadHeader(connection);
            StationSide::Reply(connection, 0);
            StationSide::ReadElements(connection);
            StationSide::Send(connection, StationSide::Result(0, 0));
        },
    });
    std::thread canceller([&] {
        requested.Wait();
        EXPECT_EQ(AbortSocketCell(cell_, 0), 0);
    });
    EXPECT_EQ(RestartStationOperation(record_, cell_, peer.Port()), socket_status::kAborted);
    canceller.join();
    release.Set();
    EXPECT_EQ(RestartStationOperation(record_, cell_, peer.Port()), 0);
}

} // namespace
} // namespace corvane
