#include "ZnSNMPRequest.h"

#include "ZnNumList.h"
#include "ZnSNMPExpression.h"
#include "ZnSNMPMessages.h"
#include "ZnSNMPValueCodec.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>

#include <algorithm>

namespace {

const QString kNotDone = QStringLiteral("(NOTDONE)");
constexpr int kNoSuchName = -102;
constexpr qint64 kDestructorWaitMs = 6000;

// Compares two dotted OIDs by their sub-identifiers; texts that are not OIDs compare as text.
int CompareOids(const QString& a, const QString& b) {
  std::vector<std::uint32_t> x, y;
  if (!ZnParseOid(a, x) || !ZnParseOid(b, y)) return a.compare(b);
  if (x < y) return -1;
  return x == y ? 0 : 1;
}

bool IsKnownItemType(std::uint8_t type) {
  return type <= ZnItemType::MVT_UMV;
}

// Restores a list when it goes out of scope: a write never leaves substituted, derived or
// deselected state behind, also when it fails.
class ListRestorer {
 public:
  explicit ListRestorer(ZnSNMPVarList& list) : list_(list), saved_(list) {}
  ~ListRestorer() { list_ = saved_; }

 private:
  ZnSNMPVarList& list_;
  ZnSNMPVarList saved_;
};

}  // namespace

ZnSNMPRequest::ZnSNMPRequest() {
  ReloadSettings();
}

ZnSNMPRequest::~ZnSNMPRequest() {
  Enabled = false;
  // Completions already under way are delivered while the event loop runs; the one running
  // right now (this request may be deleted from inside its own callback) is not waited for.
  QElapsedTimer waited;
  waited.start();
  // Deleted from inside a completion, nothing else can complete while it runs: drop at once.
  while (Outstanding - (dispatching_ ? 1 : 0) > 0 && waited.elapsed() < kDestructorWaitMs &&
         !ZnSNMPEventPump().IsDispatching()) {
    if (QCoreApplication::instance()) {
      QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
      QThread::msleep(1);
    } else {
      ZnSNMPEventPump().ProcessPendingEvents();
      QThread::msleep(5);
    }
  }
  // What is still outstanding is dropped: its completion must never reach this request.
  for (std::uint64_t ticket : tickets_) ZnSNMPCancel(ticket);
  *alive_ = false;
}

void ZnSNMPRequest::Abandon() {
  for (auto it = tickets_.begin(); it != tickets_.end();) {
    if (*it == dispatching_) {
      ++it;
      continue;
    }
    ZnSNMPCancel(*it);
    it = tickets_.erase(it);
    --Outstanding;
  }
}

void ZnSNMPRequest::ReloadSettings() {
  Device = ZnSNMPGlobalDevice;
  Scope = ZnSNMPGlobalScope;
  Security = ZnSNMPGlobalSecurity;
  Timeout = ZnSNMPDefaultTimeout;
  BulkRepetitions = ZnSNMPBulkRepetitions;
}

ZnSNMPTarget ZnSNMPRequest::BuildTarget() const {
  ZnSNMPTarget target{Device, Scope, Security, Timeout, Retries};
  ZnSNMPCheckTarget(target);
  return target;
}

// ---------------------------------------------------------------------------------------------
// Replaceable operations

QString ZnSNMPRequest::ExpandReferences(const QString& text, const QString& marker,
                                        bool quoteStrings) {
  return ZnExpandReferences(VarList, text, marker, quoteStrings);
}

QString ZnSNMPRequest::DecodeIndexPart(int i, const QString& rest) {
  return ZnDecodeIndexPart(VarList, i, rest);
}

QString ZnSNMPRequest::EncodeIndexPart(int i) {
  return ZnEncodeIndexPart(VarList, i);
}

void ZnSNMPRequest::StoreValue(int i, const ZnSNMPValue& binding) {
  ZnStoreValue(VarList, i, binding);
}

ZnSNMPValue ZnSNMPRequest::LoadValue(int i) {
  return ZnLoadValue(VarList, i);
}

void ZnSNMPRequest::Derive(int i, bool afterRead) {
  ZnDerive(VarList, i, afterRead, [this](const QString& expression) {
    return ExpandReferences(expression, QStringLiteral("$"), false);
  });
}

bool ZnSNMPRequest::Evaluate(const QString& condition) {
  if (condition.isEmpty()) return true;
  return ZnEvaluateLogic(ExpandReferences(condition, QStringLiteral("$"), true));
}

bool ZnSNMPRequest::IsEndOfColumn(const QString& columnOid, const QString& requestedOid,
                                  const QString& returnedOid) {
  if (!VarList.IsTable()) return false;
  if (returnedOid.size() <= columnOid.size() || !returnedOid.startsWith(columnOid) ||
      returnedOid == requestedOid)
    return true;
  // An answer that does not move forward would walk for ever: the column ends there.
  return !requestedOid.isEmpty() && CompareOids(returnedOid, requestedOid) <= 0;
}

// ---------------------------------------------------------------------------------------------
// Reads

QString ZnSNMPRequest::Instance() {
  return ZnEncodeInstance(VarList, [this](int k) { return EncodeIndexPart(k); });
}

std::vector<int> ZnSNMPRequest::ReadableNow() const {
  const bool table = VarList.IsTable();
  std::vector<int> readable;
  for (int i = 0; i < VarList.Count(); ++i)
    if (VarList.IsReadable(i) && (table || !VarList.Item(i).Absent)) readable.push_back(i);
  return readable;
}

void ZnSNMPRequest::ForgetAbsence() {
  if (VarList.IsTable()) return;  // a walk marks each row's cells as it reads them
  for (int i = 0; i < VarList.Count(); ++i) VarList.Item(i).Absent = false;
}

bool ZnSNMPRequest::LeaveOutNamed(const ZnSNMPAnswer& answer) {
  if (VarList.IsTable() || ZnSNMPMapError(answer.Status).Code != kNoSuchName) return false;
  const std::vector<int> readable = ReadableNow();
  if (answer.ErrorIndex < 1 || answer.ErrorIndex > static_cast<int>(readable.size())) return false;
  ZnSNMPVar& var = VarList.Item(readable[static_cast<size_t>(answer.ErrorIndex - 1)]);
  var.Absent = true;
  var.Value.clear();
  return true;
}

std::vector<ZnSNMPBinding> ZnSNMPRequest::ReadBindings(bool first) {
  if (!IsKnownItemType(VarList.ItemType)) throw ZnFrameworkError(ZnCode::BadItemType);
  if (!first && !VarList.IsTable()) throw ZnFrameworkError(ZnCode::GetNextOnSingleValue);
  std::vector<ZnSNMPBinding> bindings;
  for (int i : ReadableNow()) {
    ZnSNMPVar& var = VarList.Item(i);
    if (first) {
      var.CurrentOid.clear();
      bindings.push_back(
          {VarList.ItemType == ZnItemType::SVT_SV ? var.Oid + QStringLiteral(".0") : var.Oid,
           ZnSNMPValue::MakeNull()});
    } else {
      bindings.push_back({var.CurrentOid, ZnSNMPValue::MakeNull()});
    }
  }
  return bindings;
}

namespace {

// Status numbers (SNMP++ numbering) that name what is wrong with an answer.
constexpr int kInvalidPdu = -11;
constexpr int kNoSuchNameStatus = 2;
constexpr int kWrongType = 7;
constexpr int kWrongLength = 8;
constexpr int kDisplayStringMax = 255;

// The most bytes a value of a fixed-size syntax has: a longer one would be shown cut to its
// first bytes, as if the switch had sent those alone. Shorter ones are left to the conversion.
qsizetype MaxBytes(std::uint32_t syntax) {
  switch (syntax) {
    case ZnSyntax::IpAddress:
      return 4;
    case ZnSyntax::MacAddress:
      return 6;
    case ZnSyntax::DateTime:
      return 11;
    case ZnSyntax::Ipv6Address:
      return 16;
    case ZnSyntax::DisplayString:
      return kDisplayStringMax;
    default:
      return -1;
  }
}

bool IsBytes(std::uint8_t tag) {
  return tag == ZnSNMPValue::OctetString || tag == ZnSNMPValue::Opaque ||
         tag == ZnSNMPValue::IpAddress;
}

bool IsNumber(std::uint8_t tag) {
  return tag == ZnSNMPValue::Integer || tag == ZnSNMPValue::Counter32 ||
         tag == ZnSNMPValue::Gauge32 || tag == ZnSNMPValue::TimeTicks ||
         tag == ZnSNMPValue::UInteger32 || tag == ZnSNMPValue::Counter64;
}

// Whether a value of this type can be a value of the syntax; syntaxes whose values come in more
// than one form (partial data, Opaque) take any.
bool TypeFits(std::uint32_t syntax, std::uint8_t tag) {
  switch (syntax) {
    case ZnSyntax::OctetString:
    case ZnSyntax::DisplayString:
    case ZnSyntax::MacAddress:
    case ZnSyntax::IpAddress:
    case ZnSyntax::Ipv6Address:
    case ZnSyntax::DateTime:
    case ZnSyntax::BcDateTime:
    case ZnSyntax::BitString:
    case ZnSyntax::NsapAddress:
      return IsBytes(tag);
    case ZnSyntax::Boolean:
    case ZnSyntax::Integer:
    case ZnSyntax::Counter:
    case ZnSyntax::Gauge:
    case ZnSyntax::TimeTicks:
    case ZnSyntax::UInteger:
    case ZnSyntax::Counter64:
      return IsNumber(tag);
    case ZnSyntax::ObjectId:
      return tag == ZnSyntax::ObjectId;
    default:
      return true;
  }
}

// Syntaxes whose text has no form for "no value": a value the switch says it has not would read
// as an empty string, and the next write would send that empty string as the switch's.
bool TextCanSayNone(std::uint32_t syntax) {
  switch (syntax) {
    case ZnSyntax::BitString:
    case ZnSyntax::OctetString:
    case ZnSyntax::Opaque:
    case ZnSyntax::MacAddress:
    case ZnSyntax::Ipv6Address:
    case ZnSyntax::DisplayString:
      return false;
    default:
      return true;
  }
}

// The result that reports a failure met while answering an exchange: a send refused on the way.
ZnSNMPError FailureOf(const ZnException& failure, const ZnSNMPAnswer& answer) {
  ZnSNMPError result;
  result.Code = failure.Code();
  result.Message = failure.Message();
  result.AgentAddress = answer.AgentAddress;
  result.AgentPort = answer.AgentPort;
  result.Done = true;
  return result;
}

[[noreturn]] void RefuseAnswer(int status) {
  const ZnMappedError mapped = ZnSNMPMapError(status);
  throw ZnException(mapped.Message, mapped.Code);
}

}  // namespace

// A switch may answer with something other than what was asked: fewer or more varbinds, an OID
// it was not asked for, a get-next OID that does not move on, a value of another type or longer
// than the variable can be. Such an answer is refused whole, before any of it reaches the list,
// so that nothing the switch did not really say is shown as read or written back later.
void ZnSNMPRequest::CheckAnswer(const std::vector<int>& readable,
                                const std::vector<ZnSNMPBinding>& answer) {
  if (answer.size() != readable.size()) RefuseAnswer(kInvalidPdu);
  const bool table = VarList.IsTable();
  // What ReadBindings asked: the column for a first row, the current row's OID after it.
  const auto askedOf = [&](size_t k) -> const QString& {
    const ZnSNMPVar& var = VarList.Item(readable[k]);
    return var.CurrentOid.isEmpty() ? var.Oid : var.CurrentOid;
  };
  for (size_t k = 0; k < readable.size(); ++k) {
    const ZnSNMPVar& var = VarList.Item(readable[k]);
    const ZnSNMPBinding& got = answer[k];
    if (table) {
      const QString& asked = askedOf(k);
      const bool endOfView = got.Value.Type == ZnSNMPValue::EndOfMibView && got.Oid == asked;
      if (!endOfView && CompareOids(got.Oid, asked) <= 0) RefuseAnswer(kInvalidPdu);
      // A get-next has a next object or the end of the view, never "no such object/instance".
      if (got.Value.Type == ZnSNMPValue::NoSuchObject ||
          got.Value.Type == ZnSNMPValue::NoSuchInstance)
        RefuseAnswer(kInvalidPdu);
      // The end of the view after an OID while the same answer names a later object is a
      // contradiction, not a column that ended.
      if (got.Value.Type == ZnSNMPValue::EndOfMibView) {
        for (const ZnSNMPBinding& other : answer)
          if (other.Value.Type != ZnSNMPValue::EndOfMibView && CompareOids(other.Oid, asked) > 0)
            RefuseAnswer(kInvalidPdu);
      }
    } else if (got.Oid != (VarList.ItemType == ZnItemType::SVT_SV ? var.Oid + QStringLiteral(".0")
                                                                  : var.Oid)) {
      RefuseAnswer(kInvalidPdu);  // a get is answered for exactly the OIDs ReadBindings asked
    } else if (got.Value.Type == ZnSNMPValue::EndOfMibView) {
      RefuseAnswer(kInvalidPdu);  // the end of the view answers get-next, never a get
    }
    // "No such object/instance" answering a get says the switch has not that object: it is
    // absent, whatever its syntax (a get-next is never answered so, see above). The end of the
    // view was checked above. A column that has ended answers with the next column's object,
    // whatever its type.
    if (got.Value.Type >= ZnSNMPValue::NoSuchObject) continue;
    if (table && IsEndOfColumn(var.Oid, var.CurrentOid, got.Oid)) continue;
    // NULL says there is no value; it is no value of a wrong type, and reads as "(NULL)" where
    // the variable's text can say so.
    if (got.Value.Type == ZnSNMPValue::Null) {
      if (!TextCanSayNone(var.Syntax)) RefuseAnswer(kWrongType);
      continue;
    }
    if (!TypeFits(var.Syntax, got.Value.Type)) RefuseAnswer(kWrongType);
    const qsizetype most = MaxBytes(var.Syntax);
    if (most >= 0 && got.Value.Bytes.size() > most) RefuseAnswer(kWrongLength);
  }
}

ZnSNMPRequest::ReadOutcome ZnSNMPRequest::ProcessRead(const std::vector<ZnSNMPBinding>& answer,
                                                      int code) {
  const std::vector<int> readable = ReadableNow();

  const auto returnedOf = [&](size_t k) { return k < answer.size() ? answer[k].Oid : QString(); };
  if (code == kNoSuchName) {
    // noSuchName for the very OID asked is how an SNMPv1 agent says the table has ended.
    if (!readable.empty() && VarList.Item(readable[0]).CurrentOid == returnedOf(0))
      return ReadOutcome::EndOfTable;
    return ReadOutcome::Failed;
  }

  if (code == 0) CheckAnswer(readable, answer);

  std::vector<bool> ended(readable.size());
  size_t endedCount = 0;
  for (size_t k = 0; k < readable.size(); ++k) {
    const ZnSNMPVar& var = VarList.Item(readable[k]);
    // endOfMibView: the switch has nothing after the OID asked, whatever OID it puts beside it.
    ended[k] = k >= answer.size() || answer[k].Value.Type == ZnSNMPValue::EndOfMibView ||
               IsEndOfColumn(var.Oid, var.CurrentOid, answer[k].Oid);
    endedCount += ended[k];
  }
  if (endedCount == readable.size()) return ReadOutcome::NoRow;

  const QString previousInstance = VarList.IsTable() ? Instance() : QString();
  // The row is the lowest instance the columns that have not ended answered with, past the
  // previous row: a column that was asked again from the previous row (it had ended) and now
  // answers for that row has nothing for this one. Without such an instance (no answer names
  // one under its column), the row is the instance of the first column that has not ended.
  std::vector<QString> candidates;
  bool allEqual = true;
  for (size_t k = 0; k < readable.size(); ++k) {
    const QString& column = VarList.Item(readable[k]).Oid;
    const QString& returned = answer[k].Oid;
    if (ended[k] || returned.size() <= column.size() + 1 || returned[column.size()] != '.')
      continue;
    candidates.push_back(returned.mid(column.size() + 1));
    allEqual = allEqual && candidates.back() == candidates.front();
  }
  QString instance;
  bool instanceFound = false;
  if (allEqual && !candidates.empty()) {  // a dense row: nothing to compare
    instance = candidates.front();
    instanceFound = true;
  } else {
    const bool continuing = VarList.IsTable() && !VarList.Item(readable[0]).CurrentOid.isEmpty();
    for (const QString& candidate : candidates) {
      if (continuing && CompareOids(candidate, previousInstance) <= 0) continue;
      if (!instanceFound || CompareOids(candidate, instance) < 0) instance = candidate;
      instanceFound = true;
    }
  }
  for (size_t k = 0; k < readable.size() && !instanceFound; ++k) {
    const QString& column = VarList.Item(readable[k]).Oid;
    if (!ended[k] && answer[k].Oid.size() > column.size()) {
      instance = answer[k].Oid.mid(column.size() + 1);
      instanceFound = true;
    }
  }
  for (size_t k = 0; k < readable.size(); ++k) {
    const int i = readable[k];
    ZnSNMPVar& var = VarList.Item(i);
    const QString column = var.Oid;
    if (ended[k]) {
      var.Value = kNotDone;
      var.Absent = true;
      // Before the first row there is no previous one: the column is asked again from its start.
      var.CurrentOid =
          previousInstance.isEmpty() ? column : column + QLatin1Char('.') + previousInstance;
      continue;  // an ended column's answer belongs to another column: no instance from it
    }
    if (VarList.IsTable() && instanceFound && answer[k].Oid.mid(column.size() + 1) != instance) {
      // A column with no object in this row (a sparse table, or a switch that skipped one)
      // answers with a later row's object: it shows none here, and is asked from this row
      // again so that its answer lands in its own row.
      var.Value = kNotDone;
      var.Absent = true;
      var.CurrentOid = column + QLatin1Char('.') + instance;
      continue;
    }
    var.CurrentOid = answer[k].Oid;
    var.Absent = answer[k].Value.Type == ZnSNMPValue::NoSuchObject ||
                 answer[k].Value.Type == ZnSNMPValue::NoSuchInstance;
    if (var.Absent)
      var.Value.clear();  // no value: nothing to show, and nothing a write could send back
    else
      StoreValue(i, answer[k].Value);
  }
  if (VarList.IsTable())
    ZnDecodeInstance(VarList, instance,
                     [this](int k, const QString& rest) { return DecodeIndexPart(k, rest); });
  for (int i = 0; i < VarList.Count(); ++i)
    if (!VarList.Item(i).Absent) Derive(i, true);
  return VarList.IsTable() ? ReadOutcome::Row : ReadOutcome::NoRow;
}

bool ZnSNMPRequest::Get(bool first) {
  if (!Enabled) return false;
  if (first) ForgetBulk();
  ForgetAbsence();
  const ZnSNMPOperation operation =
      VarList.IsTable() ? ZnSNMPOperation::GetNext : ZnSNMPOperation::Get;
  const ZnSNMPTarget target = BuildTarget();
  ZnSNMPAnswer answer;
  for (bool leftOut = false;; leftOut = true) {
    const std::vector<ZnSNMPBinding> bindings = ReadBindings(first);
    if (bindings.empty() && leftOut) {  // every variable is absent: nothing is left to ask
      answer = ZnSNMPAnswer{};
      break;
    }
    if (!UsesBulk())
      answer = ZnSNMPExchange(target, operation, bindings);
    else if (!AnswerFromBulk(bindings, answer))
      answer = ExchangeBulk(target, bindings);
    if (!LeaveOutNamed(answer)) break;
  }
  const ZnMappedError mapped = ZnSNMPMapError(answer.Status);
  if (mapped.Code != 0 && !(mapped.Code == kNoSuchName && VarList.IsTable()))
    throw ZnException(mapped.Message, mapped.Code);
  switch (ProcessRead(answer.Bindings, mapped.Code)) {
    case ReadOutcome::Row:
      return true;
    case ReadOutcome::Failed:
      throw ZnException(mapped.Message, mapped.Code);
    default:
      return false;
  }
}

void ZnSNMPRequest::GetAsync(ZnSNMPCallback callback, void* owner, bool first) {
  if (!Enabled) return;
  if (first) ForgetBulk();
  ForgetAbsence();
  const ZnSNMPOperation operation =
      VarList.IsTable() ? ZnSNMPOperation::GetNext : ZnSNMPOperation::Get;
  std::vector<ZnSNMPBinding> bindings = ReadBindings(first);
  const ZnSNMPTarget target = BuildTarget();
  if (!UsesBulk()) {
    SendAsync(operation, std::move(bindings), true, std::move(callback), owner, target);
    return;
  }
  ZnSNMPAnswer row;
  if (!AnswerFromBulk(bindings, row)) {
    SendBulkAsync(std::move(bindings), std::move(callback), owner, target);
    return;
  }
  Launch([&](ZnSNMPCompletion completion) {
           return ZnSNMPCompleteLater(std::move(row), std::move(completion));
         },
         [this, callback = std::move(callback), owner](std::uint64_t ticket,
                                                        const ZnSNMPAnswer& answer) {
           Complete(ticket, answer, true, callback, owner);
         });
}

void ZnSNMPRequest::ReadAgainAsync(ZnSNMPCallback callback, void* owner,
                                   const ZnSNMPAnswer& previous) {
  std::vector<ZnSNMPBinding> bindings = ReadBindings(true);
  const ZnSNMPTarget target = BuildTarget();
  if (!bindings.empty()) {
    SendAsync(ZnSNMPOperation::Get, std::move(bindings), true, std::move(callback), owner, target);
    return;
  }
  // Every variable is absent: the read is complete without another exchange.
  ZnSNMPAnswer none;
  none.AgentAddress = previous.AgentAddress;
  none.AgentPort = previous.AgentPort;
  Launch([&](ZnSNMPCompletion completion) {
           return ZnSNMPCompleteLater(std::move(none), std::move(completion));
         },
         [this, callback = std::move(callback), owner](std::uint64_t ticket,
                                                        const ZnSNMPAnswer& answer) {
           Complete(ticket, answer, true, callback, owner);
         });
}

// ---------------------------------------------------------------------------------------------
// Bulk walks

bool ZnSNMPRequest::UsesBulk() const {
  const bool bulkVersion = Security.Version == 1 || Security.Version == 3;  // not SNMPv1
  return BulkRepetitions > 0 && bulkVersion && VarList.IsTable() && !bulkRefused_;
}

void ZnSNMPRequest::ForgetBulk() {
  bulkNext_.clear();
  bulkRefused_ = false;
}

bool ZnSNMPRequest::AnswerFromBulk(const std::vector<ZnSNMPBinding>& requested,
                                   ZnSNMPAnswer& row) const {
  if (bulkNext_.isEmpty() || requested.empty()) return false;
  row = ZnSNMPAnswer{};
  row.AgentAddress = bulkAgentAddress_;
  row.AgentPort = bulkAgentPort_;
  row.Bindings.reserve(requested.size());
  for (const ZnSNMPBinding& asked : requested) {
    const auto next = bulkNext_.constFind(asked.Oid);
    if (next == bulkNext_.cend()) return false;
    row.Bindings.push_back(*next);
  }
  return true;
}

bool ZnSNMPRequest::AcceptBulk(const std::vector<ZnSNMPBinding>& requested,
                               const ZnSNMPAnswer& answer, ZnSNMPAnswer& row) {
  bulkNext_.clear();
  if (answer.Status > 0) {  // an error status in the agent's response, tooBig included
    bulkRefused_ = true;
    return false;
  }
  if (answer.Status != 0) {  // no answer: the same failure a get-next would have met
    row = answer;
    return true;
  }
  // The answer is row by row: binding k follows the one a row before it, or for the first row
  // the OID asked about. Where chains meet, they name the same next OID.
  const size_t columns = requested.size();
  if (answer.Bindings.size() > columns * static_cast<size_t>(std::max(1, BulkRepetitions))) {
    // More rows than asked for answer some other request: refused whole, as a get-next answer
    // with more varbinds than asked is.
    row = ZnSNMPAnswer{};
    row.Status = kInvalidPdu;
    row.AgentAddress = answer.AgentAddress;
    row.AgentPort = answer.AgentPort;
    return true;
  }
  bulkNext_.reserve(static_cast<qsizetype>(answer.Bindings.size()));
  for (size_t k = 0; k < answer.Bindings.size(); ++k) {
    const QString& previous = k < columns ? requested[k].Oid : answer.Bindings[k - columns].Oid;
    if (!bulkNext_.contains(previous)) bulkNext_.insert(previous, answer.Bindings[k]);
  }
  bulkAgentAddress_ = answer.AgentAddress;
  bulkAgentPort_ = answer.AgentPort;
  return AnswerFromBulk(requested, row);  // false for an answer cut short before the first row
}

ZnSNMPAnswer ZnSNMPRequest::ExchangeBulk(const ZnSNMPTarget& target,
                                         const std::vector<ZnSNMPBinding>& requested) {
  ZnSNMPTarget bulk = target;
  bulk.MaxRepetitions = BulkRepetitions;
  ZnSNMPAnswer row;
  if (AcceptBulk(requested, ZnSNMPExchange(bulk, ZnSNMPOperation::GetBulk, requested), row))
    return row;
  return ZnSNMPExchange(target, ZnSNMPOperation::GetNext, requested);
}

void ZnSNMPRequest::SendBulkAsync(std::vector<ZnSNMPBinding> requested, ZnSNMPCallback callback,
                                  void* owner, const ZnSNMPTarget& target) {
  ZnSNMPTarget bulk = target;
  bulk.MaxRepetitions = BulkRepetitions;
  Launch(
      [&](ZnSNMPCompletion completion) {
        return Send(bulk, ZnSNMPOperation::GetBulk, requested, std::move(completion));
      },
      [this, requested, target, callback = std::move(callback), owner](
          std::uint64_t ticket, const ZnSNMPAnswer& answer) {
        ZnSNMPAnswer row;
        if (AcceptBulk(requested, answer, row)) {
          Complete(ticket, row, true, callback, owner);
          return;
        }
        // The same row again with get-next; the caller hears of it once, from that exchange.
        try {
          SendAsync(ZnSNMPOperation::GetNext, requested, true, callback, owner, target);
        } catch (const ZnException& e) {
          tickets_.erase(ticket);
          Deliver(ticket, FailureOf(e, answer), callback, owner);
          return;
        }
        tickets_.erase(ticket);
        --Outstanding;
      });
}

// ---------------------------------------------------------------------------------------------
// Writes

std::vector<ZnSNMPBinding> ZnSNMPRequest::WriteBindings() {
  if (!IsKnownItemType(VarList.ItemType)) throw ZnFrameworkError(ZnCode::BadItemType);
  const QString instance = VarList.IsTable() ? Instance() : QString();
  std::vector<ZnSNMPBinding> bindings;
  for (int i = 0; i < VarList.Count(); ++i) {
    // An object the switch has not is never written: there is no value of it to send.
    if (!VarList.IsWritable(i) || VarList.IsKey(i) || VarList.Item(i).Absent) continue;
    const ZnSNMPVar& var = VarList.Item(i);
    QString oid = var.Oid;
    if (VarList.ItemType == ZnItemType::SVT_SV)
      oid += QStringLiteral(".0");
    else if (VarList.IsTable())
      oid += QLatin1Char('.') + instance;
    bindings.push_back({oid, LoadValue(i)});
  }
  return bindings;
}

std::vector<ZnSNMPBinding> ZnSNMPRequest::PrepareWrite(const QString& mapping,
                                                       const QStringList* valueSource,
                                                       ZnSNMPTarget& target) {
  ListRestorer restore(VarList);
  if (!mapping.isEmpty()) {
    ZnNumList<int> positions(QLatin1Char(','));
    positions.Parse(mapping);
    for (int i = 0; i < VarList.Count(); ++i) {
      ZnSNMPVar& var = VarList.Item(i);
      const int k = positions.IndexOf(i);
      if (k < 0) {
        var.Access |= ZnAccess::Invalid;
        continue;
      }
      var.Access &= ~ZnAccess::Invalid;
      if (valueSource) {
        if (k >= valueSource->size()) throw ZnGeneralError(ZnGeneralText::IndexOutOfRange);
        var.Value = valueSource->at(k);
      }
    }
  }
  for (int i = 0; i < VarList.Count(); ++i) Derive(i, false);
  target = BuildTarget();
  return WriteBindings();
}

void ZnSNMPRequest::Set(const QString& mapping, const QStringList* valueSource) {
  if (!Enabled) return;
  ZnSNMPTarget target;
  const std::vector<ZnSNMPBinding> bindings = PrepareWrite(mapping, valueSource, target);
  bulkNext_.clear();  // rows kept from before the write may no longer be the agent's
  if (bindings.empty()) return;  // nothing to write, nothing sent
  const ZnSNMPAnswer answer = ZnSNMPExchange(target, ZnSNMPOperation::Set, bindings);
  const ZnMappedError mapped = ZnSNMPMapError(answer.Status);
  if (mapped.Code != 0) throw ZnException(mapped.Message, mapped.Code);
}

void ZnSNMPRequest::SetAsync(ZnSNMPCallback callback, void* owner, const QString& mapping,
                             const QStringList* valueSource) {
  if (!Enabled) return;
  ZnSNMPTarget target;
  std::vector<ZnSNMPBinding> bindings = PrepareWrite(mapping, valueSource, target);
  bulkNext_.clear();
  if (bindings.empty()) {  // nothing to write: done without an exchange
    Launch([&](ZnSNMPCompletion completion) {
             return ZnSNMPCompleteLater(ZnSNMPAnswer{}, std::move(completion));
           },
           [this, callback = std::move(callback), owner](std::uint64_t ticket,
                                                          const ZnSNMPAnswer& answer) {
             Complete(ticket, answer, false, callback, owner);
           });
    return;
  }
  SendAsync(ZnSNMPOperation::Set, std::move(bindings), false, std::move(callback), owner, target);
}

// ---------------------------------------------------------------------------------------------
// Asynchronous completions

void ZnSNMPRequest::SendAsync(ZnSNMPOperation operation, std::vector<ZnSNMPBinding> bindings,
                              bool read, ZnSNMPCallback callback, void* owner,
                              const ZnSNMPTarget& target) {
  Launch(
      [&](ZnSNMPCompletion completion) {
        return Send(target, operation, bindings, std::move(completion));
      },
      [this, read, callback = std::move(callback), owner](std::uint64_t ticket,
                                                           const ZnSNMPAnswer& answer) {
        Complete(ticket, answer, read, callback, owner);
      });
}

void ZnSNMPRequest::Launch(const std::function<std::uint64_t(ZnSNMPCompletion)>& start,
                           AnswerHandler handler) {
  auto ticketHolder = std::make_shared<std::uint64_t>(0);
  std::weak_ptr<bool> alive = alive_;
  const std::uint64_t ticket =
      start([alive, ticketHolder, handler = std::move(handler)](const ZnSNMPAnswer& answer) {
        if (alive.expired() || !*alive.lock()) return;
        handler(*ticketHolder, answer);
      });
  *ticketHolder = ticket;
  tickets_.insert(ticket);
  ++Outstanding;
}

void ZnSNMPRequest::Complete(std::uint64_t ticket, const ZnSNMPAnswer& answer, bool read,
                             const ZnSNMPCallback& callback, void* owner) {
  tickets_.erase(ticket);
  if (answer.Status == -8) {  // the session dropped the exchange: nobody is told
    --Outstanding;
    return;
  }
  if (read && Enabled && LeaveOutNamed(answer)) {
    // Asked again without the object the agent has not; the caller hears of the read once,
    // from the last exchange.
    try {
      ReadAgainAsync(callback, owner, answer);
    } catch (const ZnException& e) {
      Deliver(ticket, FailureOf(e, answer), callback, owner);
      return;
    }
    --Outstanding;
    return;
  }
  const ZnMappedError mapped = ZnSNMPMapError(answer.Status);
  ZnSNMPError result;
  result.Code = mapped.Code;
  result.Message = mapped.Message;
  result.ErrorIndex = answer.ErrorIndex;
  result.AgentAddress = answer.AgentAddress;
  result.AgentPort = answer.AgentPort;
  result.Done = true;
  if (read && (mapped.Code == 0 || (mapped.Code == kNoSuchName && VarList.IsTable()))) {
    try {
      switch (ProcessRead(answer.Bindings, mapped.Code)) {
        case ReadOutcome::EndOfTable: {
          const ZnMappedError ok = ZnSNMPMapError(0);
          result.Code = ok.Code;
          result.Message = ok.Message;
          break;
        }
        case ReadOutcome::Row:
          result.Done = false;
          break;
        default:
          break;
      }
    } catch (const ZnException& e) {
      result.Code = e.Code();
      result.Message = e.Message();
      result.Done = true;
    }
  }
  Deliver(ticket, result, callback, owner);
}

void ZnSNMPRequest::Deliver(std::uint64_t ticket, const ZnSNMPError& result,
                            const ZnSNMPCallback& callback, void* owner) {
  std::weak_ptr<bool> alive = alive_;
  dispatching_ = ticket;
  if (callback) callback(owner, result, VarList);
  if (alive.expired() || !*alive.lock()) return;  // deleted from inside its own callback
  dispatching_ = 0;
  --Outstanding;
}
