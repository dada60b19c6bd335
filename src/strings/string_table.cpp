// SPDX-License-Identifier: Apache-2.0
#include "strings/string_table.h"

#include "strings/factory_defaults.h"
#include "strings/ids/string_ids.h"

#include <algorithm>
#include <array>
#include <utility>

namespace corvane {
namespace {

// Joins string views at compile time, so message 158 names the factory subnet from its one definition.
template <const std::string_view&... Parts> struct Joined {
    static constexpr auto kChars = [] {
        std::array<char, (Parts.size() + ... + 0)> chars{};
        auto out = chars.begin();
        ((out = std::copy(Parts.begin(), Parts.end(), out)), ...);
        return chars;
    }();
    static constexpr std::string_view kValue{kChars.data(), kChars.size()};
};

constexpr std::string_view kResetNoticeHead = "The base station you have selected has been reset and is "
                                              "currently not configured. Make sure your computer "
                                              "is configured for a ";
constexpr std::string_view kResetNoticeTail =
    ".X-compatible IP address so the base station can be reset to its default configuration.";

struct Entry {
    StringId id;
    std::string_view text;
};

// Sorted by id.
constexpr Entry kStrings[] = {
    {kStrAboutMenuItem, "&About Corvane Admin Utility"},
    {kStrSocketsFailed, "Windows sockets initialization failed."},
    {kStrColumnName, "Name"},
    {kStrColumnIpAddress, "IP Address"},
    {kStrPasswordMismatch,
     "The password and confirmation fields are either empty or do not match. You must enter the same "
     "password "
     "in both fields."},
    {kStrSoftwareFileFilter, "Corvane Firmware files (*.bin)|*.bin|All files (*.*)|*.*||"},
    {kStrSoftwareFileExtension, "bin"},
    {kStrSoftwareFileDefaultName, "*.bin"},
    {kStrFirmwareResourceName, "FirmwareImage"},
    {kStrFirmwareResourceType, "Firmware"},
    {kStrAboutFontFace, "MS Serif"},
    {kStrAboutFontSize, "140"},
    {kStrModemV90, "Modem V.90"},
    {kStrModemV34, "Modem V.34"},
    {kStrExplainBridge,
     "Internet sharing using network address translation and DHCP is not enabled. Client computers on the "
     "network must configure TCP/IP manually. The base station will act as a bridge between the Corvane and "
     "Ethernet network."},
    {kStrExplainNatDhcp,
     "NAT and DHCP will be used to share a single IP address. Client computers on the network should "
     "configure "
     "TCP/IP to obtain an IP address using a DHCP server. The base station will not act as a bridge "
     "between the "
     "Corvane and Ethernet network."},
    {kStrExplainDhcpRange,
     "DHCP will be used to share the range of IP addresses entered here. Client computers on the "
     "network should "
     "configure TCP/IP to obtain an IP address using a DHCP server. The base station will not act as a "
     "bridge "
     "between the Corvane and Ethernet network."},
    {kStrColumnPublicPort, "Public Port"},
    {kStrColumnPrivatePort, "Private Port"},
    {kStrColumnPrivateAddress, "Private IP Address"},
    {kStrFieldsBlank, "Some fields were left blank. Make sure all fields are filled in."},
    {kStrDuplicatePortMapping, "An identical port mapping already exists."},
    {kStrInvalidCorvaneId,
     "The Corvane ID does not appear to be valid. Make sure it is correct and try again."},
    {kStrColumnCorvaneId, "Corvane ID"},
    {kStrColumnDescription, "Description"},
    {kStrAclFileFilter, "Tab-delimited text file (*.txt)|*.txt||"},
    {kStrAclFileExtension, "txt"},
    {kStrAclFileDefaultName, "Access Control List.txt"},
    {kStrAclFileError,
     "An error occurred while trying to write the access control list file. Make sure the filename and "
     "access "
     "permissions are correct and try again."},
    {kStrStationAccessError,
     "An error occurred while trying to access the base station. Make sure your network connection is valid "
     "and try again."},
    {kStrWrongPassword,
     "The password entered does not match that of the base station. Make sure the password is correct "
     "and try "
     "again."},
    {kStrOutOfMemory,
     "An error occurred because there was not enough memory to perform the operation. Close open "
     "applications "
     "and documents and try again."},
    {kStrProgressReading, "Reading configuration from base station..."},
    {kStrProgressUpdating, "Updating base station configuration..."},
    {kStrProgressRestarting, "Restarting base station..."},
    {kStrProgressUploading, "Updating base station software..."},
    {kStrConfigureNamedTitle, "Configure \"%s\" Base Station"},
    {kStrConfigureTitle, "Configure Base Station"},
    {kStrConfirmRestart,
     "Restarting a base station will cause any computer on the wireless network to be disconnected. Are you "
     "sure you want to restart the base station?"},
    {kStrConfirmUpload,
     "Uploading software to a base station will cause any computer on the wireless network to be "
     "disconnected. "
     "Are you sure you want to upload software to the base station?"},
    {kStrConfigFileFilter, "Configuration file (*.cfg)|*.cfg||"},
    {kStrConfigFileExtension, "cfg"},
    {kStrConfigFileNamePattern, "%s.cfg"},
    {kStrConfigFileWriteError,
     "An error occurred while trying to write the configuration file. Make sure the filename and access "
     "permissions are correct and try again."},
    {kStrConfigFileReadError,
     "An error occurred while trying to read the configuration file. Make sure the file is a valid "
     "configuration file and try again."},
    {kStrInvalidNetworkPassword,
     "The password is invalid. Passwords must be normal text, quoted text containing exactly 5 "
     "characters for "
     "40-bit or 13 characters for 128-bit, or hex-encoded text prefixed with either \"$\" or \"0x\" and "
     "containing 11 characters for 40-bit or 26 characters for 128-bit. Make sure the password is valid "
     "and try "
     "again."},
    {kStrEquivalentPasswordText,
     "To connect to the Corvane network created by the selected Corvane Base Station from a computer "
     "not using "
     "Corvane software, you may use the following equivalent network password: \n\n        %s"},
    {kStrEquivalentPasswordCaption, "Equivalent Network Password"},
    {kStrAolV90, "AOL V.90"},
    {kStrAolV34, "AOL V.34"},
    {kStrConfirmClosedNetwork,
     "Creating a closed network prevents the network name from appearing to Corvane client computers. "
     "To join "
     "the network, clients must enter the network name exactly. Are you sure you want to change this "
     "setting?"},
    {kStrNoteCaption, "Note"},
    {kStrConfirmInterferenceRobustness,
     "Enabling interference robustness can limit the range and throughput of your network. Are you sure you "
     "want to change this setting?"},
    {kStrStationReset, Joined<kResetNoticeHead, kFactoryDefaultSubnet, kResetNoticeTail>::kValue},
    {kStrLeaseTooShort,
     "The DHCP lease time cannot be less than 10 minutes. Check your configuration and try again."},
    {kStrRestartingCountdown, "Restarting...%d"},
    {kStrMulticastNeedsDensity,
     "A multicast rate of 5.5 or higher cannot be used when the density is not Medium or higher. Medium "
     "density allows multicast rates of up to 5.5 and High density allows multicast rates of up to 11."},
    {kStrConfirmMulticastRate,
     "Setting the multicast rate above 2mb/s will prevent third-party 2mb wireless cards from "
     "connecting to the "
     "Corvane network. Client computers with Tessel Corvane cards will not be affected. Are you sure "
     "you want "
     "to change this setting?"},
    {kStrUserInformationMissing,
     "User information was not entered (e.g. username, password, phone number, etc.). Make sure all user "
     "information was entered and try again."},
    {kStrPppNeedsDhcp,
     "Distribute IP addresses must be on for a modem (PPP), PPP over Ethernet (PPPoE), or America "
     "Online (AOL) "
     "connect. Check your configuration and try again."},
    {kStrDhcpRangeNeedsStaticEthernet,
     "Sharing a range of DHCP addresses requires the base station to be configured using Ethernet and static "
     "IP addresses. Check your configuration and try again."},
    {kStrIllegalNetworkName,
     "The network name contains illegal characters. The acceptable characters are:\n\n"
     "    a-z A-Z \\ \" ' ( ) , - . / : = ? (space)\n\n"
     "Make sure only acceptable characters are used and try again."},
    {kStrLeaseNotNumeric,
     "The DHCP lease time must only contain numbers. Make sure only numbers are entered and try again."},
    {kStrDescriptionLineBreak,
     "The description cannot contain line breaks or null characters. Make sure the description is on a "
     "single line and try again."},
    {kStrChannelNotAllowed, "The channel is not one of the channels this base station may use. Choose a "
                            "channel from the list and try "
                            "again."},
    {kStrDescriptionTooLong, "The description is longer than 33 characters. Make sure the description has at "
                             "most 33 characters and try "
                             "again."},
    {kStrStationsSelected, "%u base stations selected"},
    {kStrConfirmRestartStations,
     "Restarting base stations will cause any computer on their wireless networks to be disconnected. "
     "Restart %u base stations?"},
    {kStrConfirmUploadStations,
     "Uploading software to base stations will cause any computer on their wireless networks to be "
     "disconnected. Upload software to %u base stations?"},
    {kStrBatchRestartTitle, "Restarting Base Stations"},
    {kStrBatchUploadTitle, "Updating Base Station Software"},
    {kStrBatchBackupTitle, "Backing Up Base Station Configurations"},
    {kStrBatchWaiting, "Waiting"},
    {kStrBatchWorking, "Working..."},
    {kStrBatchDone, "Done"},
    {kStrBatchFailed, "Failed: %s"},
    {kStrBatchNotBegun, "Not begun"},
    {kStrBatchCancelled, "Cancelled"},
    {kStrBatchSummary, "%u done, %u failed, %u not begun"},
    {kStrStationNotBack, "The base station did not come back within %u seconds of its restart."},
    {kStrBatchColumnState, "State"},
    {kStrBackupFolderCaption, "Choose the Folder for the Configurations"},
};

static_assert(std::ranges::is_sorted(kStrings, {}, &Entry::id));

} // namespace

std::string_view ResourceString(StringId id) {
    const auto* found = std::ranges::lower_bound(kStrings, id, {}, &Entry::id);
    return found != std::end(kStrings) && found->id == id ? found->text : std::string_view{};
}

} // namespace corvane
