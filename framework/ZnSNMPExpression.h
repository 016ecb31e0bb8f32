#pragma once

#include "ZnSNMPVarList.h"

#include <QString>

#include <functional>

// Expressions over the variables of a list: derived values and conditions.
// Evaluation is bounded: text nested or chained deeper than ZnMaxExpressionDepth raises -531.

inline constexpr int ZnMaxExpressionDepth = 256;

// Replaces every marker + N (N decimal, no digits meaning 0) by variable N's value as a literal.
// Raises -512 for a "(NULL)" value, -513 for a syntax without a literal (quoted instead when
// quoteStrings is true) and -12 for a position beyond the list.
QString ZnExpandReferences(const ZnSNMPVarList& list, const QString& text, const QString& marker,
                           bool quoteStrings);

// Evaluates variable i's read expression (afterRead) or write expression into its Value. The
// expression's "$" references are expanded by `expand` when given (a request's replaceable
// expansion), otherwise by ZnExpandReferences without quoting.
void ZnDerive(ZnSNMPVarList& list, int i, bool afterRead,
              const std::function<QString(const QString&)>& expand = {});

// A condition over the list: true when empty, otherwise "$" references (strings quoted) are
// expanded and the text is evaluated as a logic expression.
bool ZnEvaluateCondition(const ZnSNMPVarList& list, const QString& condition);

// Arithmetic: parentheses, then the first '+', '-', '*', '/' in this order of precedence; "NOW"
// is the current date-time as days. Division by zero raises -530.
double ZnEvaluateArithmetic(const QString& text);
// Logic: parentheses, '|', '&', '!', then relational; operators inside the first quoted part
// are not applied at that level.
bool ZnEvaluateLogic(const QString& text);
// Relational: the first of "<>", ">=", "<=", ">", "<", "=" found splits the text; the sides are
// compared as texts. Without an operator the text must be "true" or "false" (any case), else -1.
bool ZnEvaluateRelational(const QString& text);
