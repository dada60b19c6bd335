// SPDX-License-Identifier: Apache-2.0
#pragma once

namespace corvane {

// Ids of the string table: messages, captions, headings, file-dialog filters and resource names.
enum StringId : unsigned {
    kStrAboutMenuItem = 101,           // "&About Corvane Admin Utility"
    kStrSocketsFailed = 103,           // start-up: sockets unavailable
    kStrColumnName = 104,              // chooser list heading
    kStrColumnIpAddress = 105,         // chooser list heading
    kStrPasswordMismatch = 108,        // password and confirmation differ or are empty
    kStrSoftwareFileFilter = 109,      // "Corvane Firmware files (*.bin)|..."
    kStrSoftwareFileExtension = 110,   // "bin"
    kStrSoftwareFileDefaultName = 111, // "*.bin"
    kStrFirmwareResourceName = 112,    // "FirmwareImage"
    kStrFirmwareResourceType = 113,    // "Firmware"
    kStrAboutFontFace = 115,           // "MS Serif"
    kStrAboutFontSize = 116,           // "140": tenths of a point
    kStrModemV90 = 117,
    kStrModemV34 = 118,
    kStrExplainBridge = 119,         // network page: neither NAT nor DHCP
    kStrExplainNatDhcp = 120,        // network page: NAT and DHCP share one address
    kStrExplainDhcpRange = 121,      // network page: DHCP hands out a range
    kStrColumnPublicPort = 122,      // port-mapping list heading
    kStrColumnPrivatePort = 123,     // port-mapping list heading
    kStrColumnPrivateAddress = 124,  // port-mapping list heading
    kStrFieldsBlank = 125,           // an entry dialog confirmed with a field empty
    kStrDuplicatePortMapping = 126,  // "An identical port mapping already exists."
    kStrInvalidCorvaneId = 127,      // access-control entry with a bad MAC address
    kStrColumnCorvaneId = 128,       // access-control list heading
    kStrColumnDescription = 129,     // access-control list heading
    kStrAclFileFilter = 130,         // "Tab-delimited text file (*.txt)|*.txt||"
    kStrAclFileExtension = 131,      // "txt"
    kStrAclFileDefaultName = 132,    // "Access Control List.txt"
    kStrAclFileError = 133,          // the access-control list file cannot be opened
    kStrStationAccessError = 134,    // any other failure talking to a station
    kStrWrongPassword = 135,         // the station refused the password
    kStrOutOfMemory = 136,           // not enough memory
    kStrProgressReading = 137,       // "Reading configuration from base station..."
    kStrProgressUpdating = 138,      // "Updating base station configuration..."
    kStrProgressRestarting = 139,    // "Restarting base station..."
    kStrProgressUploading = 140,     // "Updating base station software..."
    kStrConfigureNamedTitle = 141,   // "Configure \"%s\" Base Station"
    kStrConfigureTitle = 142,        // "Configure Base Station"
    kStrConfirmRestart = 143,        // restart disconnects wireless clients
    kStrConfirmUpload = 144,         // an upload disconnects wireless clients
    kStrConfigFileFilter = 145,      // "Configuration file (*.cfg)|*.cfg||"
    kStrConfigFileExtension = 146,   // "cfg"
    kStrConfigFileNamePattern = 147, // "%s.cfg"
    kStrConfigFileWriteError = 148,  // a configuration file cannot be written
    kStrConfigFileReadError = 149,   // a configuration file cannot be read
    kStrInvalidNetworkPassword = 150,
    kStrEquivalentPasswordText = 151, // the hexadecimal key, formatted into the text
    kStrEquivalentPasswordCaption = 152,
    kStrAolV90 = 153,
    kStrAolV34 = 154,
    kStrConfirmClosedNetwork = 155,
    kStrNoteCaption = 156, // "Note": the caption of setting confirmations
    kStrConfirmInterferenceRobustness = 157,
    kStrStationReset = 158,        // the station is reset and unconfigured
    kStrLeaseTooShort = 159,       // lease under 10 minutes
    kStrRestartingCountdown = 160, // "Restarting...%d"
    kStrMulticastNeedsDensity = 161,
    kStrConfirmMulticastRate = 162,
    kStrUserInformationMissing = 163, // a connection sub-page lacks a user field
    kStrPppNeedsDhcp = 164,           // PPP connections need "Distribute IP addresses"
    kStrDhcpRangeNeedsStaticEthernet = 165,
    kStrIllegalNetworkName = 166,
    kStrLeaseNotNumeric = 167,
    kStrDescriptionLineBreak = 168, // a client's description holds CR, LF or NUL
    kStrChannelNotAllowed = 169,    // a channel the legal-channel mask does not offer
    kStrDescriptionTooLong = 170,   // a client's description of more than 33 characters
    // Commands on several base stations at once.
    kStrStationsSelected = 171,       // "%u base stations selected"
    kStrConfirmRestartStations = 172, // names the number of stations
    kStrConfirmUploadStations = 173,
    kStrBatchRestartTitle = 174,
    kStrBatchUploadTitle = 175,
    kStrBatchBackupTitle = 176,
    kStrBatchWaiting = 177,
    kStrBatchWorking = 178,
    kStrBatchDone = 179,
    kStrBatchFailed = 180, // "Failed: %s"
    kStrBatchNotBegun = 181,
    kStrBatchCancelled = 182,
    kStrBatchSummary = 183, // "%u done, %u failed, %u not begun"
    kStrStationNotBack = 184,
    kStrBatchColumnState = 185,
    kStrBackupFolderCaption = 186,
};

} // namespace corvane
