// SPDX-License-Identifier: Apache-2.0
#include "sim/sim_options.h"

#include "protocol/host_resolution.h"

#include <charconv>

namespace corvane::sim {

const char* const kSimUsage =
    "usage: corvane-sim [options]\n"
    "Simulates Corvane base stations: discovery answers on UDP, sessions on TCP.\n"
    "  --stations N            simulate N stations, each with its own address (default 1)\n"
    "  --first-address A.B.C.D address of the first station; the others follow it (default 127.0.0.1)\n"
    "  --discovery-port P      UDP port of discovery (default 192; 0 lets the system choose)\n"
    "  --session-port P        TCP port of sessions (default 5009; 0 lets the system choose)\n"
    "  --state-dir DIR         one configuration file per station, kept across runs (default "
    "corvane-sim-state)\n"
    "  --restart-ms MS         how long a restarting station is unreachable (default 5000)\n"
    "  --reset N|all           station N answers discovery as reset and not configured (repeatable)\n"
    "  --fault N|all:KIND      station N shows a fault (repeatable); KIND is one of bad-reply-checksum,\n"
    "                          close-mid-stream, stall, lying-status-length, giant-length, drop-discovery,\n"
    "                          stay-down (a restart never ends), forget-writes (writes are acknowledged,\n"
    "                          never kept)\n"
    "  --answer-bursts N:MS    discovery answers leave in bursts of N every MS milliseconds (default 8:8)\n"
    "  --unpaced               discovery answers leave all at once, as fast as they can be sent\n"
    "  --ready-file PATH       write \"ready DISCOVERY-PORT SESSION-PORT\" there once every socket is bound\n"
    "  --quiet                 no session log on standard output\n"
    "  --version               print the version and exit\n";

namespace {

template <typename Number> bool ParseNumber(const std::string& text, Number& out) {
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), out);
    return error == std::errc{} && end == text.data() + text.size() && !text.empty();
}

bool ParseStationIndex(const std::string& text, std::uint32_t& index) {
    if (text == "all") {
        index = 0;
        return true;
    }
    return ParseNumber(text, index) && index != 0;
}

// "N:MS" of --answer-bursts: at least one answer per burst.
bool ParseBursts(const std::string& text, SimOptions& options) {
    const std::size_t colon = text.find(':');
    return colon != std::string::npos && ParseNumber(text.substr(0, colon), options.answersPerBurst) &&
           options.answersPerBurst != 0 && ParseNumber(text.substr(colon + 1), options.burstPauseMs);
}

} // namespace

bool ParseSimOptions(const std::vector<std::string>& args, SimOptions& options, bool& help,
                     std::string& error) {
    help = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& name = args[i];
        if (name == "--help" || name == "-h") {
            help = true;
            return true;
        }
        if (name == "--") { // the end of the options: the simulator takes no other arguments
            if (i + 1 < args.size()) {
                error = "unexpected argument " + args[i + 1];
                return false;
            }
            break;
        }
        if (name == "--quiet") {
            options.quiet = true;
            continue;
        }
        if (name == "--unpaced") {
            options.answersPerBurst = 0;
            continue;
        }
        if (i + 1 >= args.size()) {
            error = name.rfind("--", 0) == 0 ? name + " needs a value" : "unexpected argument " + name;
            return false;
        }
        const std::string& value = args[++i];
        bool ok = true;
        if (name == "--stations") {
            ok = ParseNumber(value, options.stationCount) && options.stationCount >= 1 &&
                 options.stationCount <= kMaxStations;
        } else if (name == "--first-address") {
            std::uint16_t port = 0;
            ok = ParseDottedQuad(value.c_str(), options.firstAddress, port) &&
                 value.find(':') == std::string::npos;
        } else if (name == "--discovery-port") {
            ok = ParseNumber(value, options.discoveryPort);
        } else if (name == "--session-port") {
            ok = ParseNumber(value, options.sessionPort);
        } else if (name == "--state-dir") {
            options.stateDir = value;
            ok = !value.empty();
        } else if (name == "--restart-ms") {
            ok = ParseNumber(value, options.restartMs);
        } else if (name == "--reset") {
            std::uint32_t index = 0;
            ok = ParseStationIndex(value, index);
            options.resetStations.push_back(index);
        } else if (name == "--fault") {
            const auto rule = ParseFaultRule(value);
            ok = rule.has_value();
            if (ok) {
                options.faults.push_back(*rule);
            }
        } else if (name == "--answer-bursts") {
            ok = ParseBursts(value, options);
        } else if (name == "--ready-file") {
            options.readyFile = value;
        } else {
            error = "unknown option " + name;
            return false;
        }
        if (!ok) {
            error = "bad value for " + name + ": " + value;
            return false;
        }
    }
    if (std::uint64_t(options.firstAddress) + options.stationCount - 1 > 0xFFFFFFFFu) {
        error = "the station addresses run past 255.255.255.255";
        return false;
    }
    return true;
}

} // namespace corvane::sim
