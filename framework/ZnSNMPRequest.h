#pragma once

#include "ZnSNMPSession.h"
#include "ZnSNMPSettings.h"
#include "ZnSNMPVarList.h"

#include <QHash>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>
#include <memory>
#include <set>

// The result record of an asynchronous exchange. Done false means a table read has more rows and
// the caller should read on.
struct ZnSNMPError {
  int Code = 0;
  int ErrorIndex = 0;
  QString Message;
  QString AgentAddress;
  std::uint16_t AgentPort = 0;
  bool Done = false;
};

using ZnSNMPCallback =
    std::function<void(void* owner, const ZnSNMPError& result, ZnSNMPVarList& list)>;

// Sends one asynchronous exchange and returns its ticket; the completion later carries the answer.
using ZnSNMPSender = std::function<std::uint64_t(const ZnSNMPTarget&, ZnSNMPOperation,
                                                 const std::vector<ZnSNMPBinding>&,
                                                 ZnSNMPCompletion)>;

// One exchange unit over a variable list: a read of a scalar group with one get, a read of one
// table row with one get-next over all readable columns, a write of all writable variables with
// one set; synchronous or asynchronous. It owns its list and a copy of the connection settings.
//
// With BulkRepetitions above 0 over SNMPv2c or SNMPv3, a table walk asks for that many rows in
// one GETBULK and answers the get-nexts of the following rows from it: the caller still gets one
// row per Get or GetAsync completion, the same rows in the same order as a get-next walk, since
// each is what the agent named as the next of the OIDs the row asks about. A row the kept answer
// does not reach is asked for with the next GETBULK. An agent that answers a GETBULK with an
// error status (tooBig, genErr, ...) has that row and the rest of the walk read with get-next.
class ZnSNMPRequest {
 public:
  ZnSNMPRequest();
  virtual ~ZnSNMPRequest();
  ZnSNMPRequest(const ZnSNMPRequest&) = delete;
  ZnSNMPRequest& operator=(const ZnSNMPRequest&) = delete;

  // Copies the global settings and default time-out into this request.
  void ReloadSettings();
  // The target of the next exchange; raises -509 for an invalid address and the SNMPv3 codes for
  // unavailable security settings, before anything is sent.
  ZnSNMPTarget BuildTarget() const;

  // Reads the list. For a table, `first` reads the first row, otherwise the row after the last
  // one read; true when a row was read. For scalars always false. Raises on errors.
  bool Get(bool first);
  void GetAsync(ZnSNMPCallback callback, void* owner, bool first);
  // Writes the writable variables; `mapping` ("0,2") selects them and picks their values from
  // `valueSource` by position. The list is unchanged afterwards.
  void Set(const QString& mapping = QString(), const QStringList* valueSource = nullptr);
  void SetAsync(ZnSNMPCallback callback, void* owner, const QString& mapping = QString(),
                const QStringList* valueSource = nullptr);
  bool CheckCondition(const QString& condition) { return Evaluate(condition); }
  // Gives up every asynchronous exchange still under way: their completions never come, and
  // nothing is left for the destructor to wait for. For owners whose answers are worthless once
  // they go (a poll); the completion running right now, if any, is not affected.
  void Abandon();

  // Replaceable operations.
  virtual QString ExpandReferences(const QString& text, const QString& marker, bool quoteStrings);
  virtual QString DecodeIndexPart(int i, const QString& rest);
  virtual QString EncodeIndexPart(int i);
  virtual void StoreValue(int i, const ZnSNMPValue& binding);
  virtual ZnSNMPValue LoadValue(int i);
  virtual void Derive(int i, bool afterRead);
  virtual bool Evaluate(const QString& condition);
  virtual bool IsEndOfColumn(const QString& columnOid, const QString& requestedOid,
                             const QString& returnedOid);

  std::int32_t Timeout = 100;
  std::int32_t Retries = 1;
  std::int32_t BulkRepetitions = 0;
  ZnSNMPDevice Device;
  ZnSNMPScope Scope;
  ZnSNMPSecurity Security;
  ZnSNMPVarList VarList;
  bool Enabled = true;
  std::int32_t Outstanding = 0;
  // Where asynchronous exchanges go: the session layer. A harness that answers from memory (the
  // answer-path fuzzer) replaces it; its answers then take the way a network answer takes
  // (Complete, the list, the callback). A replacement hands out tickets the session layer never
  // uses, because ZnSNMPCancel is still called with them, and runs each completion later from
  // its own loop, never inside the call.
  ZnSNMPSender Send = ZnSNMPExchangeAsync;

 private:
  enum class ReadOutcome { Row, NoRow, EndOfTable, Failed };

  // The variables a read asks for: the readable ones, less those a scalar read has found absent.
  std::vector<int> ReadableNow() const;
  std::vector<ZnSNMPBinding> ReadBindings(bool first);
  // A new read of a scalar list or a single row asks for every variable again.
  void ForgetAbsence();
  // An SNMPv1 agent answers a get with noSuchName and the index of the object it has not: that
  // variable is marked absent, and true says the read must be sent again without it. Each
  // variable can be left out once, so a read is sent at most once more than it has variables.
  bool LeaveOutNamed(const ZnSNMPAnswer& answer);
  void ReadAgainAsync(ZnSNMPCallback callback, void* owner, const ZnSNMPAnswer& previous);
  std::vector<ZnSNMPBinding> WriteBindings();
  ReadOutcome ProcessRead(const std::vector<ZnSNMPBinding>& answer, int code);
  // Raises the status that names what is wrong when an answer does not answer the read.
  void CheckAnswer(const std::vector<int>& readable, const std::vector<ZnSNMPBinding>& answer);
  QString Instance();
  void SendAsync(ZnSNMPOperation operation, std::vector<ZnSNMPBinding> bindings, bool read,
                 ZnSNMPCallback callback, void* owner, const ZnSNMPTarget& target);
  // Counts an asynchronous exchange that `start` begins as this request's until `handler` has
  // its answer; an answer that arrives after the request is gone is dropped.
  using AnswerHandler = std::function<void(std::uint64_t ticket, const ZnSNMPAnswer& answer)>;
  void Launch(const std::function<std::uint64_t(ZnSNMPCompletion)>& start, AnswerHandler handler);
  void Complete(std::uint64_t ticket, const ZnSNMPAnswer& answer, bool read,
                const ZnSNMPCallback& callback, void* owner);
  void Deliver(std::uint64_t ticket, const ZnSNMPError& result, const ZnSNMPCallback& callback,
               void* owner);

  // Bulk walks.
  bool UsesBulk() const;
  void ForgetBulk();
  // What a get-next of `requested` would answer, from the kept GETBULK answer; false when the
  // next of some OID is not known.
  bool AnswerFromBulk(const std::vector<ZnSNMPBinding>& requested, ZnSNMPAnswer& row) const;
  // Takes a GETBULK answer: true with the row to hand on (or the failure to report); false when
  // the row has to be read with get-next instead.
  bool AcceptBulk(const std::vector<ZnSNMPBinding>& requested, const ZnSNMPAnswer& answer,
                  ZnSNMPAnswer& row);
  ZnSNMPAnswer ExchangeBulk(const ZnSNMPTarget& target,
                            const std::vector<ZnSNMPBinding>& requested);
  void SendBulkAsync(std::vector<ZnSNMPBinding> requested, ZnSNMPCallback callback, void* owner,
                     const ZnSNMPTarget& target);
  // Prepares a write (selection, substitution, derived values), builds its bindings and restores
  // the list, whatever happens.
  std::vector<ZnSNMPBinding> PrepareWrite(const QString& mapping, const QStringList* valueSource,
                                          ZnSNMPTarget& target);

  // Of the last GETBULK answer: each OID asked about or named, and the binding that follows it.
  QHash<QString, ZnSNMPBinding> bulkNext_;
  QString bulkAgentAddress_;
  std::uint16_t bulkAgentPort_ = 0;
  bool bulkRefused_ = false;  // the agent refused a GETBULK of this walk

  std::set<std::uint64_t> tickets_;
  std::uint64_t dispatching_ = 0;
  std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};
