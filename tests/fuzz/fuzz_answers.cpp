// Answers of a switch: whatever a switch answers (any OIDs, types, values, error statuses, fewer
// or more varbinds than asked) goes the way a network answer goes — the request's completion,
// its variable list, then the binding that shows the list in the controls and list view of a
// real dialog and reads the controls back as before a write. The dialogs are the catalogue's
// own: every page as it is (scalar groups and walked tables with their keys of every index
// syntax the catalogue uses) and every table page as one row (the way the per-port dialog reads
// its row). The request's sender is replaced by one that answers from the input instead of a
// network, so no answer is ever produced by the program itself.
//
// Input: bytes 0-1 pick the dialog page (the top bit: walks ask in bulk, and rows a bulk answer
// already holds reach the walk through the event pump, as they do in the program); the rest is
// read as the answers of one read, answer by answer as the request asks: a status byte (most values mean success), a varbind count byte
// (most values mean "as many as asked"), then per varbind an OID form, its instance parts, a type
// byte (most values mean "the variable's own type") and the value's content. When the input runs
// out, a walk gets endOfMibView for every column (its natural end) and a get a time-out.
//
// Properties: every read ends (no request left outstanding, the binding no longer busy, the
// done event exactly once); a read reported as succeeded received only successful answers; the
// rows shown are no more than the answers received could hold; the list view shows every row
// counted.

#include "FuzzSupport.h"
#include "TConfigForm.h"
#include "ZnCatalogue.h"
#include "ZnCatalogueDialog.h"
#include "ZnSNMPMessages.h"
#include "ZnSNMPRequest2Edits.h"
#include "ZnSNMPSession.h"
#include "ZnSNMPSettings.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QTreeWidget>

#include <algorithm>
#include <cstdlib>
#include <deque>
#include <map>
#include <memory>
#include <vector>

// Fontconfig, which Qt's font database loads for the first widget, keeps a few hundred bytes it
// never frees; they are no finding of this target.
extern "C" const char* __lsan_default_suppressions() {
  return "leak:libfontconfig.so\n";
}

namespace {

constexpr int kMaxAnswers = 48;  // answers taken from one input; then the read is ended
constexpr int kMaxExchanges = kMaxAnswers + 16;
constexpr size_t kMaxOidLength = 128;  // net-snmp's longest OID
constexpr int kNoSuchNameStatus = 2;

// The bytes of the input, read front to back; zeros once it is used up.
class Reader {
 public:
  Reader(const std::uint8_t* data, size_t size) : data_(data), size_(size) {}
  bool Empty() const { return pos_ >= size_; }
  std::uint8_t Byte() { return pos_ < size_ ? data_[pos_++] : 0; }
  std::uint32_t Word(int bytes) {
    std::uint32_t v = 0;
    for (int k = 0; k < bytes; ++k) v = (v << 8) | Byte();
    return v;
  }
  QByteArray Take(size_t n) {
    QByteArray bytes(static_cast<qsizetype>(n), '\0');
    for (size_t k = 0; k < n; ++k) bytes[static_cast<qsizetype>(k)] = static_cast<char>(Byte());
    return bytes;
  }

 private:
  const std::uint8_t* data_;
  size_t size_;
  size_t pos_ = 0;
};

// One exchange the request sent and that waits for its answer.
struct Pending {
  ZnSNMPOperation operation;
  std::vector<ZnSNMPBinding> asked;
  ZnSNMPCompletion completion;
};

std::deque<Pending>& Queue() {
  static std::deque<Pending> queue;
  return queue;
}

// Tickets far above any the session layer hands out.
std::uint64_t Sender(const ZnSNMPTarget&, ZnSNMPOperation operation,
                     const std::vector<ZnSNMPBinding>& bindings, ZnSNMPCompletion completion) {
  static std::uint64_t next = std::uint64_t{1} << 62;
  Queue().push_back({operation, bindings, std::move(completion)});
  return ++next;
}

// Lets the event pump deliver the rows a bulk answer already held, until the read asks the
// switch again or has ended.
void DeliverKnownRows(const ZnSNMPRequest2Edits& binding) {
  for (int turn = 0; turn < 100 && Queue().empty() && binding.Busy(); ++turn)
    QCoreApplication::processEvents();
}

struct Target {
  const ZnCatalogueEntry* entry;
  int page;
  bool oneRow;
};

std::vector<Target> BuildTargets() {
  std::vector<Target> targets;
  for (const ZnCatalogueEntry& entry : ZnCatalogue()) {
    for (size_t p = 0; p < entry.pages.size(); ++p) {
      targets.push_back({&entry, static_cast<int>(p), false});
      if (entry.pages[p].itemType == ZnItemType::MVT_FMV ||
          entry.pages[p].itemType == ZnItemType::MVT_UMV)
        targets.push_back({&entry, static_cast<int>(p), true});
    }
  }
  return targets;
}

struct Dialog {
  std::unique_ptr<TConfigForm> form;
  ZnSNMPRequest2Edits* binding = nullptr;
};

// Answers what is queued with the natural end, until nothing is queued.
void DrainWithEnds() {
  while (!Queue().empty()) {
    Pending pending = std::move(Queue().front());
    Queue().pop_front();
    ZnSNMPAnswer answer;
    answer.Status = -5;
    pending.completion(answer);
  }
}

Dialog& DialogOf(size_t index, const Target& target) {
  static std::map<size_t, Dialog> dialogs;
  auto found = dialogs.find(index);
  if (found != dialogs.end()) return found->second;
  Dialog dialog;
  if (!target.oneRow) {
    QString title;
    dialog.form = ZnBuildCatalogueDialog(*target.entry, QStringLiteral("127.0.0.1"), title);
    dialog.binding = dialog.form->Requests().at(static_cast<size_t>(target.page));
  } else {
    // One row of the table, as the per-port dialog reads it: the instance follows every column.
    const ZnCataloguePage& page = target.entry->pages[static_cast<size_t>(target.page)];
    dialog.form = std::make_unique<TConfigForm>();
    dialog.binding = new ZnSNMPRequest2Edits(dialog.form.get());
    dialog.binding->VarList() = ZnSNMPVarList(page.table, ZnItemType::MVT_SV, page.keyCount);
    dialog.binding->Request().ReloadSettings();
    dialog.binding->VarList().AppendInstance(QStringLiteral("3"));
    dialog.form->AddEditor(dialog.binding);
  }
  for (ZnSNMPRequest2Edits* binding : dialog.form->Requests()) binding->Request().Send = Sender;
  // The dialog's own first read is queued when it is built: let it start and end.
  QCoreApplication::processEvents();
  DrainWithEnds();
  return dialogs.emplace(index, std::move(dialog)).first->second;
}

// The tag a switch would normally use for a variable of this syntax.
std::uint8_t NaturalTag(std::uint32_t syntax) {
  switch (syntax) {
    case ZnSyntax::Boolean:
    case ZnSyntax::Integer:
      return ZnSNMPValue::Integer;
    case ZnSyntax::ObjectId:
      return ZnSNMPValue::ObjectId;
    case ZnSyntax::IpAddress:
      return ZnSNMPValue::IpAddress;
    case ZnSyntax::Counter:
      return ZnSNMPValue::Counter32;
    case ZnSyntax::Gauge:
      return ZnSNMPValue::Gauge32;
    case ZnSyntax::TimeTicks:
      return ZnSNMPValue::TimeTicks;
    case ZnSyntax::Opaque:
    case ZnSyntax::Double:
      return ZnSNMPValue::Opaque;
    case ZnSyntax::Counter64:
      return ZnSNMPValue::Counter64;
    case ZnSyntax::UInteger:
      return ZnSNMPValue::UInteger32;
    case ZnSyntax::Null:
      return ZnSNMPValue::Null;
    default:
      return ZnSNMPValue::OctetString;
  }
}

constexpr std::uint8_t kAnyTags[] = {
    ZnSNMPValue::Integer,      ZnSNMPValue::OctetString,    ZnSNMPValue::Null,
    ZnSNMPValue::ObjectId,     ZnSNMPValue::IpAddress,      ZnSNMPValue::Counter32,
    ZnSNMPValue::Gauge32,      ZnSNMPValue::TimeTicks,      ZnSNMPValue::Opaque,
    ZnSNMPValue::Counter64,    ZnSNMPValue::UInteger32,     ZnSNMPValue::NoSuchObject,
    ZnSNMPValue::NoSuchInstance, ZnSNMPValue::EndOfMibView,
};

// Statuses of a response or of the session: tooBig, noSuchName, badValue, readOnly, genErr,
// noAccess, wrongType, authorizationError, a time-out and a failure to send.
constexpr int kFailures[] = {1, 2, 3, 4, 5, 6, 7, 16, -5, -1};

std::uint32_t SubIdentifier(Reader& in) {
  const std::uint8_t b = in.Byte();
  return b < 0xf0 ? b : in.Word(4);
}

QString Appended(const QString& oid, Reader& in, int maxParts) {
  QString text = oid;
  const int parts = in.Byte() % (maxParts + 1);
  for (int k = 0; k < parts; ++k) {
    if (!text.isEmpty()) text += QLatin1Char('.');
    text += QString::number(SubIdentifier(in));
  }
  return text;
}

QString Bumped(const QString& oid, std::uint32_t by) {
  const qsizetype dot = oid.lastIndexOf(QLatin1Char('.'));
  if (dot < 0) return oid;
  return oid.left(dot + 1) + QString::number(oid.mid(dot + 1).toUInt() + by);
}

ZnSNMPValue Value(Reader& in, std::uint32_t syntax) {
  const std::uint8_t pick = in.Byte();
  const std::uint8_t tag = pick < 0x80 ? NaturalTag(syntax) : kAnyTags[pick % std::size(kAnyTags)];
  switch (tag) {
    case ZnSNMPValue::Integer:
      return ZnSNMPValue::MakeInteger(static_cast<std::int32_t>(
          pick & 1 ? in.Word(4) : static_cast<std::uint32_t>(static_cast<std::int8_t>(in.Byte()))));
    case ZnSNMPValue::Counter32:
    case ZnSNMPValue::Gauge32:
    case ZnSNMPValue::TimeTicks:
    case ZnSNMPValue::UInteger32:
      return ZnSNMPValue::MakeUnsigned(static_cast<ZnSNMPValue::Tag>(tag),
                                       pick & 1 ? in.Word(4) : in.Byte());
    case ZnSNMPValue::Counter64:
      return ZnSNMPValue::MakeUnsigned(ZnSNMPValue::Counter64,
                                       (std::uint64_t{in.Word(4)} << 32) | in.Word(4));
    case ZnSNMPValue::OctetString:
    case ZnSNMPValue::Opaque:
    case ZnSNMPValue::IpAddress: {
      // Up to what one message holds: mostly short, sometimes a few kilobytes.
      size_t length = in.Byte();
      if (length >= 0xf8) length = 0x100 + in.Word(2) % 4000;
      return ZnSNMPValue::MakeBytes(static_cast<ZnSNMPValue::Tag>(tag), in.Take(length));
    }
    case ZnSNMPValue::ObjectId: {
      std::vector<std::uint32_t> oid(in.Byte() % (kMaxOidLength + 1));
      for (std::uint32_t& part : oid) part = SubIdentifier(in);
      return ZnSNMPValue::MakeOid(std::move(oid));
    }
    default: {
      ZnSNMPValue value;
      value.Type = tag;
      return value;
    }
  }
}

// One answer to `pending`, read from the input.
ZnSNMPAnswer Answer(Reader& in, const Pending& pending, const ZnSNMPVarList& list) {
  std::vector<int> readable;
  for (int i = 0; i < list.Count(); ++i)
    if (list.IsReadable(i)) readable.push_back(i);

  ZnSNMPAnswer answer;
  const std::uint8_t status = in.Byte();
  if (status >= 0xd0) answer.Status = kFailures[status % std::size(kFailures)];
  answer.ErrorIndex = in.Byte() % static_cast<int>(pending.asked.size() + 2);
  answer.AgentAddress = QStringLiteral("127.0.0.1");
  answer.AgentPort = 161;
  const std::uint8_t count = in.Byte();
  const size_t asked = pending.asked.size();
  const size_t varbinds = count < 0xe0 ? asked : count % (asked + 3);
  for (size_t k = 0; k < varbinds; ++k) {
    const size_t ref = readable.empty() ? 0 : k % readable.size();
    const ZnSNMPVar* var = readable.empty() ? nullptr : &list.Item(readable[ref]);
    const QString column = var ? var->Oid : QStringLiteral("1.3.6.1");
    const QString requested = k < asked ? pending.asked[k].Oid : column;
    QString oid;
    switch (in.Byte() % 8) {
      case 0:  // the column and an instance: a row of the table
        oid = Appended(column, in, 6);
        break;
      case 1:  // exactly what was asked
        oid = requested;
        break;
      case 2:  // a little further than asked
        oid = Bumped(requested, 1 + in.Byte() % 3);
        break;
      case 3: {  // another variable's column
        const int other = readable.empty() ? 0 : readable[in.Byte() % readable.size()];
        oid = Appended(list.Count() ? list.Item(other).Oid : column, in, 6);
        break;
      }
      case 4:  // anywhere
        oid = Appended(QStringLiteral("1"), in, static_cast<int>(kMaxOidLength) - 1);
        break;
      case 5:  // below what was asked
        oid = Appended(requested, in, 4);
        break;
      case 6:  // the varbind before again
        oid = answer.Bindings.empty() ? requested : answer.Bindings.back().Oid;
        break;
      default:  // the bare column
        oid = column;
        break;
    }
    answer.Bindings.push_back({oid, Value(in, var ? var->Syntax : ZnSyntax::OctetString)});
  }
  return answer;
}

// What the end of the input answers: endOfMibView for a walk, a time-out otherwise.
ZnSNMPAnswer EndAnswer(const Pending& pending) {
  ZnSNMPAnswer answer;
  if (pending.operation != ZnSNMPOperation::GetNext &&
      pending.operation != ZnSNMPOperation::GetBulk) {
    answer.Status = -5;
    return answer;
  }
  for (const ZnSNMPBinding& asked : pending.asked) {
    ZnSNMPValue end;
    end.Type = ZnSNMPValue::EndOfMibView;
    answer.Bindings.push_back({asked.Oid, end});
  }
  return answer;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  static QApplication app(*argc, *argv);
  // The session's event pump delivers answers already known (rows kept from a bulk answer).
  static QTemporaryDir state;
  ZnSNMPOpenSession(state.path());
  ZnSNMPGlobalDevice.Address = QStringLiteral("127.0.0.1");
  ZnSNMPGlobalDevice.Port = 161;
  ZnSNMPGlobalSecurity.Version = 1;
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const std::vector<Target> targets = BuildTargets();
  if (size < 2 || targets.empty()) return 0;
  Reader in(data, size);
  // The top bit of the pick makes table walks ask for rows in bulk (a few repetitions).
  const std::uint32_t pick = in.Word(2);
  const size_t index = (pick & 0x7fff) % targets.size();
  const Target& target = targets[index];
  Dialog& dialog = DialogOf(index, target);
  ZnSNMPRequest2Edits& binding = *dialog.binding;
  binding.Request().BulkRepetitions = pick & 0x8000 ? 1 + static_cast<int>(pick % 5) : 0;

  int done = 0;
  ZnSNMPError last;
  binding.OnGetDone = [&](ZnSNMPRequest2Controls*, const ZnSNMPError& result) {
    ++done;
    last = result;
  };
  if (dialog.form->Type() == TConfigForm::FormType::Pages) {
    const QSignalBlocker quiet(dialog.form->PageControl());
    dialog.form->PageControl()->setCurrentIndex(target.page);
  }
  dialog.form->RefreshCurrentPage();

  int exchanges = 0, answered = 0, succeeded = 0, lastStatus = 0;
  for (DeliverKnownRows(binding); !Queue().empty(); DeliverKnownRows(binding)) {
    FUZZ_CHECK(++exchanges <= kMaxExchanges,
               QStringLiteral("a read of %1 asked more than %2 times")
                   .arg(QString::fromLatin1(target.entry->componentName))
                   .arg(kMaxExchanges));
    Pending pending = std::move(Queue().front());
    Queue().pop_front();
    ZnSNMPAnswer answer;
    if (in.Empty() || answered >= kMaxAnswers) {
      answer = EndAnswer(pending);
    } else {
      answer = Answer(in, pending, binding.VarList());
      ++answered;
    }
    lastStatus = answer.Status;
    succeeded += answer.Status == 0;
    pending.completion(answer);
  }

  const QString where = QStringLiteral("%1 page %2%3")
                            .arg(QString::fromLatin1(target.entry->componentName))
                            .arg(target.page)
                            .arg(target.oneRow ? QStringLiteral(" (one row)") : QString());
  FUZZ_CHECK(!binding.Busy(), where + QStringLiteral(": still busy after its last answer"));
  FUZZ_CHECK(binding.Request().Outstanding == 0,
             where + QStringLiteral(": %1 exchanges outstanding").arg(binding.Request().Outstanding));
  FUZZ_CHECK(done == 1, where + QStringLiteral(": the read ended %1 times").arg(done));
  // A table may end with noSuchName (how an SNMPv1 agent ends it); any other failure must be
  // reported as one.
  const bool endedBySnmpV1 = lastStatus == kNoSuchNameStatus && binding.VarList().IsTable();
  FUZZ_CHECK(last.Code != 0 || lastStatus == 0 || endedBySnmpV1,
             where + QStringLiteral(": reported success after an answer with status %1")
                         .arg(lastStatus));
  // A bulk answer holds up to its repetitions of rows.
  const int rowsPerAnswer = std::max(1, binding.Request().BulkRepetitions);
  FUZZ_CHECK(binding.RowCount() <= succeeded * rowsPerAnswer,
             where + QStringLiteral(": %1 rows shown from %2 successful answers")
                         .arg(binding.RowCount())
                         .arg(succeeded));
  if (QTreeWidget* view = binding.ListView(); view && last.Code == 0)
    FUZZ_CHECK(view->topLevelItemCount() == binding.RowCount(),
               where + QStringLiteral(": %1 rows in the list view, %2 counted")
                           .arg(view->topLevelItemCount())
                           .arg(binding.RowCount()));

  // What was shown goes back into the list as before a write: from the selected row of a table.
  if (QTreeWidget* view = binding.ListView(); view && view->topLevelItemCount() > 0)
    view->setCurrentItem(view->topLevelItem(0));
  try {
    binding.ReadControls();
  } catch (const ZnException&) {
    // A shown value that the controls' format refuses is reported to the user before a write.
  }
  binding.OnGetDone = nullptr;
  return 0;
}
