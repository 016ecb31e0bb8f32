#include "AgentOptions.h"

#include "Misbehaviour.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <utility>

namespace nx596 {

namespace {

// Protocol names on our command line and the tokens net-snmp's createUser takes for them.
constexpr std::array<std::pair<const char*, const char*>, 7> kAuthProtocols = {{
    {"none", ""},
    {"MD5", "MD5"},
    {"SHA", "SHA"},
    {"SHA-224", "SHA-224"},
    {"SHA-256", "SHA-256"},
    {"SHA-384", "SHA-384"},
    {"SHA-512", "SHA-512"},
}};
constexpr std::array<std::pair<const char*, const char*>, 5> kPrivProtocols = {{
    {"none", ""},
    {"DES", "DES"},
    {"AES", "AES"},
    {"AES-192", "AES-192"},
    {"AES-256", "AES-256"},
}};

// net-snmp refuses pass phrases shorter than this when it derives the keys.
constexpr std::size_t kMinPassphrase = 8;

template <std::size_t N>
std::optional<std::string> Token(const std::array<std::pair<const char*, const char*>, N>& table,
                                 const std::string& name) {
  for (const auto& [ours, token] : table) {
    if (name == ours) return std::string(token);
  }
  return std::nullopt;
}

template <typename Number>
bool ParseNumber(const std::string& text, Number& number) {
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
  return !text.empty() && error == std::errc() && end == text.data() + text.size();
}

std::vector<std::string> Split(const std::string& text, char separator) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  while (true) {
    auto at = text.find(separator, start);
    parts.push_back(text.substr(start, at - start));
    if (at == std::string::npos) return parts;
    start = at + 1;
  }
}

// The user's fields end up in a configuration line for net-snmp, so nothing may break its
// word splitting or quoting.
bool SafeWord(const std::string& word) {
  for (unsigned char c : word) {
    if (c <= ' ' || c == '"' || c == '\'' || c == '\\' || c == '#' || c >= 0x7f) return false;
  }
  return !word.empty();
}

std::optional<UserOption> ParseUser(const std::string& text, std::string& error) {
  auto parts = Split(text, ':');
  if (parts.size() != 5) {
    error = "--user needs NAME:AUTH:AUTHPASS:PRIV:PRIVPASS, got \"" + text + "\"";
    return std::nullopt;
  }
  UserOption user;
  user.name = parts[0];
  auto auth = Token(kAuthProtocols, parts[1]);
  auto priv = Token(kPrivProtocols, parts[3]);
  if (!SafeWord(user.name)) {
    error = "--user: the name must be printable without blanks or quotes";
  } else if (!auth) {
    error = "--user: unknown authentication protocol \"" + parts[1] +
            "\" (none, MD5, SHA, SHA-224, SHA-256, SHA-384, SHA-512)";
  } else if (!priv) {
    error =
        "--user: unknown privacy protocol \"" + parts[3] + "\" (none, DES, AES, AES-192, AES-256)";
  } else if (auth->empty() && !priv->empty()) {
    error = "--user: privacy needs authentication";
  } else if (!auth->empty() && (parts[2].size() < kMinPassphrase || !SafeWord(parts[2]))) {
    error =
        "--user: the authentication pass phrase needs at least 8 printable characters "
        "without blanks or quotes";
  } else if (!priv->empty() && (parts[4].size() < kMinPassphrase || !SafeWord(parts[4]))) {
    error =
        "--user: the privacy pass phrase needs at least 8 printable characters without "
        "blanks or quotes";
  }
  if (!error.empty()) return std::nullopt;
  user.auth = *auth;
  user.priv = *priv;
  if (!user.auth.empty()) user.authPassword = parts[2];
  if (!user.priv.empty()) user.privPassword = parts[4];
  return user;
}

// Pairs of hexadecimal digits, blanks and colons allowed between the pairs; the empty value too.
bool ValidHexBytes(const std::string& text) {
  bool halfByte = false;
  for (char c : text) {
    if (std::isxdigit(static_cast<unsigned char>(c))) {
      halfByte = !halfByte;
    } else if ((c != ' ' && c != ':') || halfByte) {
      return false;
    }
  }
  return !halfByte;
}

// An SNMP engine ID is 5 to 32 bytes (RFC 3411), given as hexadecimal digits.
bool ValidEngineId(std::string hex) {
  if (hex.rfind("0x", 0) == 0 || hex.rfind("0X", 0) == 0) hex.erase(0, 2);
  if (hex.size() % 2 != 0 || hex.size() < 10 || hex.size() > 64) return false;
  for (char c : hex) {
    if (!std::isxdigit(static_cast<unsigned char>(c))) return false;
  }
  return true;
}

}  // namespace

const char* AgentUsage() {
  return "usage: nx596-agent [options]\n"
         "  --port N            UDP port on 127.0.0.1 (0: the system chooses; default 0)\n"
         "  --state-dir DIR     keep engine boots and engine ID here (default: a temporary\n"
         "                      directory removed at exit)\n"
         "  --engine-id HEX     fixed SNMP engine ID (5 to 32 bytes)\n"
         "  --user NAME:AUTH:AUTHPASS:PRIV:PRIVPASS\n"
         "                      add an SNMPv3 user with read-write access (may repeat);\n"
         "                      AUTH none|MD5|SHA|SHA-224|SHA-256|SHA-384|SHA-512,\n"
         "                      PRIV none|DES|AES|AES-192|AES-256\n"
         "  --trace FILE        append one line per received request\n"
         "  --delay MS          answer each request only after MS milliseconds\n"
         "  --drop N            drop every N-th request without an answer\n"
         "  --fdb-rows N        rows of the bridge forwarding table (default 50)\n"
         "  --refuse-bulk genErr|tooBig  answer every GETBULK with this error status\n"
         "  --vlans N           static VLANs, 3 to 4094 (default 3)\n"
         "  --slot1 N           module type in uplink slot 1: 0 none, 1 XM-71, 2 XM-73,\n"
         "                      3 XM-72, 4 COMBA (default 0)\n"
         "  --slot2 N           module type in uplink slot 2, likewise (default 0)\n"
         "  --leds HEX          the front-panel LED value as hexadecimal bytes, any length\n"
         "  --leds-live         a switch in use: links come and go, ports carry traffic and\n"
         "                      blink, IF-MIB counters move with it (ports 1-4 and uplinks\n"
         "                      busy, 5-8 nearly idle, 9-20 come and go, 21-24 no link)\n"
         "  --counters-near-wrap[=S]  with --leds-live: counters start S seconds (default\n"
         "                      60) of traffic below 2^32, so 32-bit ones wrap that soon\n"
         "  --octets OID=HEX    an octet-string instance reports these bytes, unchecked\n"
         "                      (may repeat)\n"
         "  --misbehave MODE[,MODE...]  answers go wrong: wrongtype, oversize, backwards,\n"
         "                      repeat, fewer, more, generr, toobig, endofmib, nosuchinstance,\n"
         "                      twice (each =OID: only answers under it), late=MS; also\n"
         "                      written at run time (\"\" to start with none)\n"
         "  --without OID[,OID...]  the switch lacks these objects, subtrees or instances,\n"
         "                      as a firmware without them: a get finds no such object,\n"
         "                      walks pass them by, sets are refused\n"
         "Prints \"READY <port>\" when it answers requests.\n";
}

ParsedOptions ParseAgentOptions(const std::vector<std::string>& arguments) {
  AgentOptions options;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    std::string name = arguments[i];
    std::string value;
    bool hasValue = false;
    if (auto equals = name.find('='); name.rfind("--", 0) == 0 && equals != std::string::npos) {
      value = name.substr(equals + 1);
      name.erase(equals);
      hasValue = true;
    }
    if (name == "--help" || name == "-h") return {std::nullopt, ""};
    if (name == "--leds-live") {
      if (hasValue) return {std::nullopt, name + " takes no value"};
      options.ledsLive = true;
      continue;
    }
    if (name == "--counters-near-wrap") {
      options.countersNearWrap = 60;
      if (hasValue && (!ParseNumber(value, options.countersNearWrap) ||
                       options.countersNearWrap < 1 || options.countersNearWrap > 86400)) {
        return {std::nullopt, name + ": expected 1 to 86400 seconds, got \"" + value + "\""};
      }
      continue;
    }
    if (!hasValue) {
      if (i + 1 >= arguments.size()) return {std::nullopt, name + " needs a value"};
      value = arguments[++i];
    }
    auto bad = [&](const std::string& what) {
      return ParsedOptions{std::nullopt, name + ": " + what + ", got \"" + value + "\""};
    };
    if (name == "--port") {
      if (!ParseNumber(value, options.port)) return bad("expected a port number 0..65535");
    } else if (name == "--state-dir") {
      if (value.empty()) return bad("expected a directory");
      options.stateDir = value;
    } else if (name == "--engine-id") {
      if (!ValidEngineId(value)) return bad("expected 5 to 32 bytes in hexadecimal");
      options.engineIdHex =
          value.rfind("0x", 0) == 0 || value.rfind("0X", 0) == 0 ? value.substr(2) : value;
    } else if (name == "--user") {
      std::string error;
      auto user = ParseUser(value, error);
      if (!user) return {std::nullopt, error};
      options.users.push_back(*user);
    } else if (name == "--trace") {
      if (value.empty()) return bad("expected a file");
      options.traceFile = value;
    } else if (name == "--misbehave") {
      std::vector<MisbehaveMode> modes;
      std::string error;
      if (!ParseMisbehaveModes(value, modes, error)) return bad(error);
      options.misbehave = value;
      options.misbehaveControl = true;
    } else if (name == "--delay") {
      if (!ParseNumber(value, options.delayMs)) return bad("expected milliseconds");
    } else if (name == "--drop") {
      if (!ParseNumber(value, options.dropEvery) || options.dropEvery == 0) {
        return bad("expected a count of 1 or more");
      }
    } else if (name == "--fdb-rows") {
      if (!ParseNumber(value, options.fdbRows) || options.fdbRows > 1000000) {
        return bad("expected 0 to 1000000 rows");
      }
    } else if (name == "--refuse-bulk") {
      if (value == "genErr")
        options.refuseBulk = 5;  // genErr
      else if (value == "tooBig")
        options.refuseBulk = 1;  // tooBig
      else
        return bad("expected genErr or tooBig");
    } else if (name == "--vlans") {
      if (!ParseNumber(value, options.vlans) || options.vlans < 3 || options.vlans > 4094) {
        return bad("expected 3 to 4094 VLANs");
      }
    } else if (name == "--slot1" || name == "--slot2") {
      std::uint32_t& slot = name == "--slot1" ? options.slot1 : options.slot2;
      if (!ParseNumber(value, slot) || slot > 4) return bad("expected a module type 0..4");
    } else if (name == "--octets") {
      const auto equals = value.find('=');
      if (equals == std::string::npos || !ValidHexBytes(value.substr(equals + 1)))
        return bad("expected OID=HEX");
      options.octets.emplace_back(value.substr(0, equals), value.substr(equals + 1));
    } else if (name == "--without") {
      std::size_t start = 0;
      while (start <= value.size()) {
        const std::size_t comma = std::min(value.find(',', start), value.size());
        const std::optional<Oid> hidden =
            ParseOid(std::string_view(value.data() + start, comma - start));
        if (!hidden || hidden->size() < 2) return bad("expected OIDs separated by commas");
        options.without.push_back(*hidden);
        start = comma + 1;
      }
    } else if (name == "--leds") {
      if (!ValidHexBytes(value)) return bad("expected hexadecimal bytes");
      options.ledsHex = value;
    } else {
      return {std::nullopt, "unknown option " + name};
    }
  }
  if (options.ledsHex && options.ledsLive) {
    return {std::nullopt, "--leds and --leds-live exclude each other"};
  }
  if (options.countersNearWrap && !options.ledsLive) {
    return {std::nullopt, "--counters-near-wrap needs --leds-live (counters move only then)"};
  }
  return {options, ""};
}

}  // namespace nx596
