#include "ZnSNMPExpression.h"

#include "ZnOptionList.h"
#include "ZnSNMPMessages.h"
#include "ZnValueFormat.h"

#include <array>
#include <cmath>
#include <limits>

namespace {

void CheckDepth(int depth) {
  if (depth > ZnMaxExpressionDepth) throw ZnFrameworkError(ZnCode::ExpressionTooDeep);
}

// The ')' that closes the '(' at `open`, counting nested pairs; -1 when there is none.
qsizetype MatchingParenthesis(const QString& text, qsizetype open) {
  int level = 0;
  for (qsizetype k = open; k < text.size(); ++k) {
    if (text[k] == QLatin1Char('(')) ++level;
    if (text[k] == QLatin1Char(')') && --level == 0) return k;
  }
  return -1;
}

bool IsNow(const QString& text) {
  return text.compare(QLatin1String("NOW"), Qt::CaseInsensitive) == 0;
}

double SingleNumber(const QString& text) {
  return IsNow(text) ? ZnNowDays() : ZnLeadingDouble(text);
}

double Arithmetic(QString text, int depth) {
  CheckDepth(depth);
  for (;;) {
    const qsizetype open = text.indexOf(QLatin1Char('('));
    const qsizetype close = open < 0 ? -1 : MatchingParenthesis(text, open);
    if (close < 0) break;
    const double inside = Arithmetic(text.mid(open + 1, close - open - 1), depth + 1);
    // The result goes back into the text, so it must read back as itself: plain digits (an
    // exponent's sign would be taken for an operator) and nothing that is not a number.
    if (!std::isfinite(inside)) throw ZnFrameworkError(ZnCode::NumberOutOfRange);
    text = text.left(open) + ZnPlainDouble(inside) + text.mid(close + 1);
  }
  for (const char op : {'+', '-', '*', '/'}) {
    const qsizetype at = text.indexOf(QLatin1Char(op));
    if (at < 0) continue;
    const QString left = text.left(at);
    const double right = Arithmetic(text.mid(at + 1), depth + 1);
    switch (op) {
      case '+':
        return Arithmetic(left, depth + 1) + right;
      case '-':
        return Arithmetic(left, depth + 1) - right;
      case '*':
        return SingleNumber(left) * right;
      default:
        if (right == 0.0) throw ZnFrameworkError(ZnCode::DivisionByZero);
        return SingleNumber(left) / right;
    }
  }
  return SingleNumber(text);
}

bool Logic(QString text, int depth) {
  CheckDepth(depth);
  for (;;) {
    const qsizetype q1 = text.indexOf(QLatin1Char('"'));
    const qsizetype q2 = q1 < 0 ? -1 : text.indexOf(QLatin1Char('"'), q1 + 1);
    const auto quoted = [&](qsizetype at) { return q2 >= 0 && at > q1 && at < q2; };

    const qsizetype open = text.indexOf(QLatin1Char('('));
    if (open >= 0 && !quoted(open)) {
      const qsizetype close = MatchingParenthesis(text, open);
      if (close >= 0 && !quoted(close)) {
        const bool inside = Logic(text.mid(open + 1, close - open - 1), depth + 1);
        text = text.left(open) + (inside ? QStringLiteral("true") : QStringLiteral("false")) +
               text.mid(close + 1);
        continue;
      }
    }
    if (const qsizetype at = text.indexOf(QLatin1Char('|')); at >= 0 && !quoted(at))
      return Logic(text.left(at), depth + 1) || Logic(text.mid(at + 1), depth + 1);
    if (const qsizetype at = text.indexOf(QLatin1Char('&')); at >= 0 && !quoted(at))
      return Logic(text.left(at), depth + 1) && Logic(text.mid(at + 1), depth + 1);
    if (const qsizetype at = text.indexOf(QLatin1Char('!')); at >= 0 && !quoted(at))
      return !Logic(text.mid(at + 1), depth + 1);
    return ZnEvaluateRelational(text);
  }
}

QString RelationalSide(const QString& side) {
  QString text = side.trimmed();
  if (text.size() >= 2 && text.startsWith(QLatin1Char('"')) && text.endsWith(QLatin1Char('"')))
    return text.mid(1, text.size() - 2);
  if (IsNow(text)) return ZnFormatDouble(ZnNowDays());
  return text;
}

QString Literal(const ZnSNMPVar& var, bool quoteStrings) {
  const QString value = var.Options ? var.Options->LabelToValue(var.Value) : var.Value;
  if (value == QLatin1String("(NULL)")) throw ZnFrameworkError(ZnCode::NullInExpression);
  switch (var.Syntax) {
    case ZnSyntax::Boolean:
    case ZnSyntax::Bool8:
    case ZnSyntax::Bool16:
      return value == QLatin1String("true") ? QStringLiteral("1") : QStringLiteral("0");
    case ZnSyntax::Integer:
    case ZnSyntax::Counter:
    case ZnSyntax::Gauge:
    case ZnSyntax::Counter64:
    case ZnSyntax::UInteger:
    case ZnSyntax::Double:
    case ZnSyntax::Int8:
    case ZnSyntax::UInt8:
    case ZnSyntax::Int16:
    case ZnSyntax::UInt16:
      return value;
    case ZnSyntax::TimeTicks:
      return QString::number(TextToTicks(value));
    case ZnSyntax::BcDateTime:
      return ZnFormatDouble(ZnCalendarTextToDays(value));
    default:
      if (!quoteStrings) throw ZnFrameworkError(ZnCode::BadSyntaxInExpression);
      return QLatin1Char('"') + value + QLatin1Char('"');
  }
}

// Truncation toward zero into [lo, hi]; not-a-number gives 0.
template <typename T>
T TruncateInto(double x) {
  if (std::isnan(x)) return 0;
  x = std::trunc(x);
  if (x <= static_cast<double>(std::numeric_limits<T>::min())) return std::numeric_limits<T>::min();
  if (x >= static_cast<double>(std::numeric_limits<T>::max())) return std::numeric_limits<T>::max();
  return static_cast<T>(x);
}

}  // namespace

double ZnEvaluateArithmetic(const QString& text) {
  return Arithmetic(text, 0);
}

bool ZnEvaluateLogic(const QString& text) {
  return Logic(text, 0);
}

bool ZnEvaluateRelational(const QString& text) {
  static const std::array<QLatin1String, 6> kOperators = {QLatin1String("<>"), QLatin1String(">="),
                                                          QLatin1String("<="), QLatin1String(">"),
                                                          QLatin1String("<"),  QLatin1String("=")};
  for (const QLatin1String op : kOperators) {
    const qsizetype at = text.indexOf(op);
    if (at < 0) continue;
    const int order =
        RelationalSide(text.left(at)).compare(RelationalSide(text.mid(at + op.size())));
    if (op == QLatin1String("<>")) return order != 0;
    if (op == QLatin1String(">=")) return order >= 0;
    if (op == QLatin1String("<=")) return order <= 0;
    if (op == QLatin1String(">")) return order > 0;
    if (op == QLatin1String("<")) return order < 0;
    return order == 0;
  }
  const QString word = text.trimmed();
  if (word.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0) return true;
  if (word.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0) return false;
  throw ZnGeneralError(ZnGeneralText::BadLogicOperand);
}

QString ZnExpandReferences(const ZnSNMPVarList& list, const QString& text, const QString& marker,
                           bool quoteStrings) {
  if (marker.isEmpty()) return text;
  QString result;
  qsizetype pos = 0;
  for (;;) {
    const qsizetype at = text.indexOf(marker, pos);
    if (at < 0) break;
    result += QStringView(text).mid(pos, at - pos);
    qsizetype end = at + marker.size();
    long long n = 0;
    for (; end < text.size() && text[end] >= QLatin1Char('0') && text[end] <= QLatin1Char('9');
         ++end)
      n = std::min<long long>(n * 10 + (text[end].unicode() - '0'),
                              std::numeric_limits<int>::max());
    if (n >= list.Count()) throw ZnGeneralError(ZnGeneralText::IndexOutOfRange);
    result += Literal(list.Item(static_cast<int>(n)), quoteStrings);
    pos = end;
  }
  result += QStringView(text).mid(pos);
  return result;
}

void ZnDerive(ZnSNMPVarList& list, int i, bool afterRead,
              const std::function<QString(const QString&)>& expand) {
  ZnSNMPVar& var = list.Item(i);
  const QString& expression = afterRead ? var.ReadExpression : var.WriteExpression;
  if (expression.isEmpty()) return;
  const double x = ZnEvaluateArithmetic(
      expand ? expand(expression) : ZnExpandReferences(list, expression, QStringLiteral("$"), false));
  QString text;
  switch (var.Syntax) {
    case ZnSyntax::Boolean:
      text = x != 0.0 ? QStringLiteral("true") : QStringLiteral("false");
      break;
    case ZnSyntax::Integer:
      text = QString::number(TruncateInto<std::int32_t>(x));
      break;
    case ZnSyntax::Counter:
    case ZnSyntax::Gauge:
    case ZnSyntax::UInteger:
      text = QString::number(TruncateInto<std::uint32_t>(x));
      break;
    case ZnSyntax::TimeTicks:
      text = TicksToText(TruncateInto<std::uint32_t>(x));
      break;
    case ZnSyntax::Counter64:
      text = QString::number(TruncateInto<std::uint64_t>(x));
      break;
    case ZnSyntax::Double:
      text = ZnFormatDouble(x);
      break;
    case ZnSyntax::BcDateTime:
      text = ZnDaysToCalendarText(x);
      break;
    default:
      throw ZnFrameworkError(ZnCode::BadSyntaxInExpression);
  }
  var.Value = var.Options ? var.Options->ValueToLabel(text) : text;
}

bool ZnEvaluateCondition(const ZnSNMPVarList& list, const QString& condition) {
  if (condition.isEmpty()) return true;
  return ZnEvaluateLogic(ZnExpandReferences(list, condition, QStringLiteral("$"), true));
}
