// Expressions: read and write expressions and display conditions come from definition tables and
// variable files, and after reference expansion they hold values received from the agent. Any text
// must evaluate or raise one of the documented codes, within the depth bound.

#include "FuzzSupport.h"
#include "ZnOptionList.h"
#include "ZnSNMPExpression.h"
#include "ZnSNMPMessages.h"
#include "ZnSNMPVarList.h"
#include "ZnValueFormat.h"

#include <cmath>
#include <cstdlib>

namespace {

const ZnOptionItem kPortStates[] = {{1, "up"}, {2, "down"}, {0, nullptr}};

// A row of a port table with one variable of each kind an expression can refer to.
const ZnSNMPVarList& Variables() {
  static const ZnOptionList states(kPortStates);
  static const ZnSNMPVarDef defs[] = {
      {"1.3.6.1.2.1.2.2.1.1", "Index", ZnSyntax::Integer, ZnAccess::ReadOnly, nullptr, nullptr,
       nullptr, nullptr, "5", nullptr},
      {"1.3.6.1.2.1.2.2.1.10", "In octets", ZnSyntax::Counter, ZnAccess::ReadOnly, nullptr, nullptr,
       nullptr, nullptr, "7", nullptr},
      {"1.3.6.1.2.1.2.2.1.5", "Speed", ZnSyntax::Gauge, ZnAccess::ReadOnly, nullptr, nullptr,
       nullptr, nullptr, "4294967295", nullptr},
      {"1.3.6.1.2.1.2.2.1.9", "Last change", ZnSyntax::TimeTicks, ZnAccess::ReadOnly, nullptr,
       nullptr, nullptr, nullptr, "1 day 0:00:00.00", nullptr},
      {"1.3.6.1.4.1.99917.2.1", "Enabled", ZnSyntax::Boolean, ZnAccess::ReadWrite, nullptr, nullptr,
       nullptr, nullptr, "true", nullptr},
      {"1.3.6.1.4.1.99917.2.2", "Load", ZnSyntax::Double, ZnAccess::ReadOnly, nullptr, nullptr,
       nullptr, nullptr, "2.5", nullptr},
      {"1.3.6.1.4.1.99917.2.3", "Since", ZnSyntax::BcDateTime, ZnAccess::ReadOnly, nullptr, nullptr,
       nullptr, nullptr, "2005/03/07 01:02:03 pm", nullptr},
      {"1.3.6.1.2.1.2.2.1.2", "Description", ZnSyntax::DisplayString, ZnAccess::ReadOnly, nullptr,
       nullptr, nullptr, nullptr, "port 1", nullptr},
      {"1.3.6.1.2.1.2.2.1.6", "Address", ZnSyntax::OctetString, ZnAccess::ReadOnly, nullptr,
       nullptr, nullptr, nullptr, "0A0B", nullptr},
      {"1.3.6.1.2.1.2.2.1.8", "Status", ZnSyntax::Integer, ZnAccess::ReadOnly, &states, nullptr,
       nullptr, nullptr, "up", nullptr},
      {"1.3.6.1.2.1.2.2.1.7", "Admin", ZnSyntax::Integer, ZnAccess::ReadWrite, nullptr, nullptr,
       nullptr, nullptr, "(NULL)", nullptr},
      {"1.3.6.1.4.1.99917.2.4", "Mode bits", ZnSyntax::Int8, ZnAccess::Derived, nullptr, nullptr,
       nullptr, nullptr, "3", nullptr},
      {"1.3.6.1.2.1.31.1.1.1.6", "HC in octets", ZnSyntax::Counter64, ZnAccess::ReadOnly, nullptr,
       nullptr, nullptr, nullptr, "18446744073709551615", nullptr},
      {"1.3.6.1.4.1.99917.2.5", "Peer", ZnSyntax::IpAddress, ZnAccess::ReadOnly, nullptr, nullptr,
       nullptr, nullptr, "10.0.0.1", nullptr},
      {nullptr, nullptr, 0, 0, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
  };
  static const ZnSNMPVarList list(defs, ZnItemType::MVT_FMV, 1);
  return list;
}

// Syntaxes a derived value can have.
constexpr std::uint32_t kDerivedSyntaxes[] = {
    ZnSyntax::Boolean,   ZnSyntax::Integer, ZnSyntax::Counter,    ZnSyntax::TimeTicks,
    ZnSyntax::Counter64, ZnSyntax::Double,  ZnSyntax::BcDateTime,
};

void Evaluate(const QString& text, std::uint8_t selector) {
  const ZnSNMPVarList& list = Variables();
  try {
    ZnEvaluateArithmetic(text);
  } catch (const ZnException& e) {
    fuzz::CheckCode(e, {ZnCode::DivisionByZero, ZnCode::ExpressionTooDeep}, "ZnEvaluateArithmetic",
                    text);
  }
  try {
    ZnEvaluateLogic(text);
  } catch (const ZnException& e) {
    fuzz::CheckCode(e, {ZnCode::BadLogicOperand, ZnCode::ExpressionTooDeep}, "ZnEvaluateLogic",
                    text);
  }
  try {
    ZnEvaluateRelational(text);
  } catch (const ZnException& e) {
    fuzz::CheckCode(e, {ZnCode::BadLogicOperand}, "ZnEvaluateRelational", text);
  }

  for (const bool quoteStrings : {false, true}) {
    try {
      const QString expanded = ZnExpandReferences(list, text, QStringLiteral("$"), quoteStrings);
      // Without a marker there is nothing to replace.
      FUZZ_CHECK(text.contains(QLatin1Char('$')) || expanded == text,
                 QStringLiteral("%1 expanded to %2").arg(fuzz::Shown(text), fuzz::Shown(expanded)));
    } catch (const ZnException& e) {
      FUZZ_CHECK(text.contains(QLatin1Char('$')),
                 QStringLiteral("raised %1 for %2 without a reference")
                     .arg(e.Code())
                     .arg(fuzz::Shown(text)));
      if (quoteStrings)
        fuzz::CheckCode(e, {ZnCode::NullInExpression, ZnCode::IndexOutOfRange},
                        "ZnExpandReferences", text);
      else
        fuzz::CheckCode(
            e, {ZnCode::NullInExpression, ZnCode::BadSyntaxInExpression, ZnCode::IndexOutOfRange},
            "ZnExpandReferences", text);
    }
  }

  try {
    ZnEvaluateCondition(list, text);
  } catch (const ZnException& e) {
    fuzz::CheckCode(e,
                    {ZnCode::NullInExpression, ZnCode::IndexOutOfRange, ZnCode::BadLogicOperand,
                     ZnCode::ExpressionTooDeep},
                    "ZnEvaluateCondition", text);
  }

  // The text as the read expression of a derived variable.
  ZnSNMPVarList row = list;
  const int derived = 11;
  row.Item(derived).Syntax = kDerivedSyntaxes[selector % std::size(kDerivedSyntaxes)];
  row.Item(derived).ReadExpression = text;
  try {
    ZnDerive(row, derived, true);
  } catch (const ZnException& e) {
    fuzz::CheckCode(e,
                    {ZnCode::NullInExpression, ZnCode::BadSyntaxInExpression,
                     ZnCode::IndexOutOfRange, ZnCode::DivisionByZero, ZnCode::ExpressionTooDeep},
                    "ZnDerive", text);
  }
}

// The leading decimal literal of a text: ASCII digits with at most one '.', at least one digit.
QString LeadingLiteral(const QString& text) {
  qsizetype end = 0;
  bool dot = false;
  bool digit = false;
  for (; end < text.size(); ++end) {
    const char16_t u = text[end].unicode();
    if (u >= '0' && u <= '9') {
      digit = true;
    } else if (u == '.' && !dot) {
      dot = true;
    } else {
      break;
    }
  }
  return digit ? text.left(end) : QString();
}

// A plain decimal literal is read like strtod reads it, and keeps its value in parentheses (the
// evaluator writes a parenthesised result back into the text and reads it again).
void CheckLiteral(const QString& text) {
  const QString literal = LeadingLiteral(text);
  if (literal.isEmpty()) return;
  const QByteArray latin1 = literal.toLatin1();
  const double expected = std::strtod(latin1.constData(), nullptr);
  const double read = ZnLeadingDouble(literal);
  FUZZ_CHECK(read == expected, QStringLiteral("ZnLeadingDouble(%1) = %2, strtod gives %3")
                                   .arg(fuzz::Shown(literal))
                                   .arg(read, 0, 'g', 17)
                                   .arg(expected, 0, 'g', 17));
  const double plain = ZnEvaluateArithmetic(literal);
  const double enclosed = ZnEvaluateArithmetic(QLatin1Char('(') + literal + QLatin1Char(')'));
  // The result is written with 15 significant digits before it is read again.
  const bool same = plain == enclosed || (std::isfinite(plain) &&
                                          std::fabs(enclosed - plain) <= 1e-14 * std::fabs(plain));
  FUZZ_CHECK(same, QStringLiteral("%1 evaluates to %2, (%1) to %3")
                       .arg(fuzz::Shown(literal))
                       .arg(plain, 0, 'g', 17)
                       .arg(enclosed, 0, 'g', 17));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const QByteArray raw = fuzz::Bytes(data, size);
  const std::uint8_t selector = size > 0 ? data[0] : 0;
  Evaluate(QString::fromLatin1(raw), selector);
  Evaluate(QString::fromUtf8(raw), selector);
  CheckLiteral(QString::fromLatin1(raw));
  return 0;
}
