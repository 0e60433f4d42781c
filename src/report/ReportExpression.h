#pragma once

#include <QString>
#include <QVariant>

#include <memory>
#include <vector>

// Expressions of templates, the text between [ and ] in a memo:
//   Dataset."Field"  <Dataset."Field">  a variable name  'text'  12.5
//   Date  Time  Page#  TotalPages#  Line#
//   SUM(expr[, Band])  COUNT(Band)  AVG/MIN/MAX(expr[, Band])
//   FormatFloat(fmt, v)  FormatDateTime(fmt, v)  Trim(s)  UpperCase(s)  LowerCase(s)
//   + - * / and parentheses ('+' joins texts).
// Compiled once per preparation; names of fields are resolved then, so evaluation
// only indexes.

enum class ReportBuiltin { Date, Time, Page, TotalPages, Line };

struct ExprNode
{
    enum class Op { Literal, Field, Variable, Builtin, Neg, Add, Sub, Mul, Div, Call, Aggregate };

    Op op = Op::Literal;
    QVariant value;  // Literal
    QString name;    // Variable name, function name, aggregate function, aggregate band
    int dataset = -1, field = -1;  // Field
    ReportBuiltin builtin = ReportBuiltin::Date;
    int aggregate = -1;  // Aggregate: index given by the environment
    std::vector<std::unique_ptr<ExprNode>> args;
};

// What an expression sees: the engine implements it.
class ExprEnvironment
{
public:
    virtual ~ExprEnvironment() = default;
    // Compile time: a dataset field; false when there is no such dataset or field.
    virtual bool resolveField(const QString &dataset, const QString &field, int &datasetIndex, int &fieldIndex) = 0;
    // Compile time: registers an aggregate (its argument is args[0], band in name); returns its index.
    virtual int addAggregate(ExprNode *node) = 0;

    virtual QVariant fieldValue(int dataset, int field) = 0;
    virtual QVariant variable(const QString &name) = 0;
    virtual QVariant builtin(ReportBuiltin which) = 0;
    virtual QVariant aggregateValue(int index) = 0;
};

namespace ReportExpression {

// Parses one expression; null with *error set when it is not valid.
std::unique_ptr<ExprNode> compile(const QString &expr, ExprEnvironment &env, QString *error = nullptr);
QVariant evaluate(const ExprNode &node, ExprEnvironment &env);
// True when the expression mentions TotalPages# (it needs a second pass).
bool usesTotalPages(const QString &text);

// A value as text without display format: numbers shortest, dates yyyy-MM-dd,
// the empty date (1900-08-14) blank.
QString toText(const QVariant &v);
double toNumber(const QVariant &v);

} // namespace ReportExpression

// A memo text: literal pieces and compiled [expressions].
class CompiledText
{
public:
    struct Piece
    {
        QString literal;
        std::unique_ptr<ExprNode> expr;  // null for a literal piece
    };

    void compile(const QString &text, ExprEnvironment &env);
    bool isConstant() const { return m_constant; }
    bool usesTotalPages() const { return m_totalPages; }
    const std::vector<Piece> &pieces() const { return m_pieces; }

private:
    std::vector<Piece> m_pieces;
    bool m_constant = true;
    bool m_totalPages = false;
};
