#pragma once

#include "NetSnmp.h"

#include <cstdint>
#include <map>
#include <string>
#include <vector>

// A switch that misbehaves the way real ones do after a firmware update or on a bad link: it
// answers with wrong types, repeated or missing varbinds, OIDs that do not increase, errors,
// end-of-view in the middle of a table, late or twice. The agent answers every request as usual;
// the misbehaviour is applied to the encoded answer on its way out (the listening transport's
// send), through net-snmp's own parser and builder, so what goes on the wire is a well-formed
// message that says something wrong. SNMPv3 answers are encrypted and signed for the manager;
// they go out unchanged.
//
// The modes are a comma-separated list, from the command line (--misbehave) or, at run time, by
// writing the same text to the control object kMisbehaveObject with the write community (reading
// it gives the list in force; an empty string ends the misbehaviour). The control object exists
// only in an agent started with --misbehave, so a well-behaved switch's MIB is only the device's.
namespace nx596 {

// In net-snmp's playpen subtree, outside every object of the device.
inline constexpr char kMisbehaveObject[] = "1.3.6.1.4.1.8072.9999.9999.596.1.0";

struct MisbehaveMode {
  enum class Kind {
    WrongType,       // integers become strings, strings integers, counters OIDs
    Oversize,        // strings become as long as a message allows
    Backwards,       // answers to get-next and get-bulk repeat the OID asked for
    Repeat,          // the first varbind's OID appears twice
    Fewer,           // the last varbind is left out
    More,            // a varbind nobody asked for is added
    GenErr,          // genErr with the index of the last varbind
    TooBig,          // tooBig with the index of the last varbind
    EndOfMib,        // the last varbind is endOfMibView (noSuchName on SNMPv1)
    NoSuchInstance,  // the last varbind is noSuchInstance (noSuchName on SNMPv1)
    Late,            // the answer leaves after `number` milliseconds
    Twice,           // the answer is sent twice
  };
  Kind kind;
  std::string prefix;        // only varbinds under this OID are touched; empty: every varbind
  std::vector<oid> under;    // the prefix as sub-identifiers, checked when the mode is parsed
  std::uint32_t number = 0;  // late: milliseconds; oversize: bytes of each string
};

// Parses "wrongtype=1.3.6.1.4.1.99917,late=2000,twice"; false with a reason. An OID must be
// dotted sub-identifiers of 0 to 4294967295 each, none of them empty.
bool ParseMisbehaveModes(const std::string& text, std::vector<MisbehaveMode>& modes,
                         std::string& error);

class Misbehaviour {
 public:
  explicit Misbehaviour(const std::string& modes);
  ~Misbehaviour();
  Misbehaviour(const Misbehaviour&) = delete;
  Misbehaviour& operator=(const Misbehaviour&) = delete;

  // Wraps the send of the session's transport and, with `control`, registers the control object
  // (a switch started without misbehaviour has no object beyond its own).
  bool Install(netsnmp_session* session, bool control);
  void Uninstall();
  // The request an answer will answer, so that get-next answers can go backwards.
  void NoteRequest(const netsnmp_pdu& request);
  bool SetModes(const std::string& text, std::string& error);
  const std::string& ModesText() const { return text_; }

 private:
  static int Send(netsnmp_transport* transport, const void* data, int size, void** opaque,
                  int* opaqueLength);
  static int ControlHandler(netsnmp_mib_handler*, netsnmp_handler_registration*,
                            netsnmp_agent_request_info*, netsnmp_request_info*);
  static void SendLater(unsigned int alarm, void* held);
  int Misbehave(netsnmp_transport* transport, const void* data, int size, void** opaque,
                int* opaqueLength);
  void Apply(netsnmp_pdu& answer, long version);

  std::string text_;
  std::vector<MisbehaveMode> modes_;
  std::map<long, std::vector<std::vector<oid>>> asked_;  // request ID -> OIDs of get-next
  netsnmp_transport* transport_ = nullptr;
  int (*send_)(netsnmp_transport*, const void*, int, void**, int*) = nullptr;
  netsnmp_handler_registration* control_ = nullptr;
};

}  // namespace nx596
