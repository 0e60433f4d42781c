#include "report/ReportExpression.h"

#include "core/Dates.h"
#include "core/DisplayFormat.h"

#include <QDateTime>

namespace {

bool isIdentChar(QChar c)
{
    return c.isLetterOrNumber() || c == QLatin1Char('_') || c == QLatin1Char('#') || c.unicode() > 127;
}

class Parser
{
public:
    Parser(const QString &s, ExprEnvironment &env) : m_s(s), m_env(env) {}

    std::unique_ptr<ExprNode> parse(QString *error)
    {
        auto n = expr();
        skip();
        if (n && m_pos < m_s.size())
            fail(QStringLiteral("多余的字符：%1").arg(m_s.mid(m_pos)));
        if (!m_error.isEmpty()) {
            if (error)
                *error = m_error;
            return nullptr;
        }
        return n;
    }

private:
    void fail(const QString &why)
    {
        if (m_error.isEmpty())
            m_error = why;
    }
    void skip()
    {
        while (m_pos < m_s.size() && m_s.at(m_pos).isSpace())
            ++m_pos;
    }
    bool eat(QChar c)
    {
        skip();
        if (m_pos < m_s.size() && m_s.at(m_pos) == c) {
            ++m_pos;
            return true;
        }
        return false;
    }
    static std::unique_ptr<ExprNode> node(ExprNode::Op op)
    {
        auto n = std::make_unique<ExprNode>();
        n->op = op;
        return n;
    }
    static std::unique_ptr<ExprNode> binary(ExprNode::Op op, std::unique_ptr<ExprNode> a, std::unique_ptr<ExprNode> b)
    {
        auto n = node(op);
        n->args.push_back(std::move(a));
        n->args.push_back(std::move(b));
        return n;
    }

    std::unique_ptr<ExprNode> expr()
    {
        auto left = term();
        while (left) {
            if (eat(QLatin1Char('+')))
                left = binary(ExprNode::Op::Add, std::move(left), term());
            else if (eat(QLatin1Char('-')))
                left = binary(ExprNode::Op::Sub, std::move(left), term());
            else
                break;
            if (!left->args.back())
                return nullptr;
        }
        return left;
    }

    std::unique_ptr<ExprNode> term()
    {
        auto left = factor();
        while (left) {
            if (eat(QLatin1Char('*')))
                left = binary(ExprNode::Op::Mul, std::move(left), factor());
            else if (eat(QLatin1Char('/')))
                left = binary(ExprNode::Op::Div, std::move(left), factor());
            else
                break;
            if (!left->args.back())
                return nullptr;
        }
        return left;
    }

    QString quoted(QChar q)
    {
        // At the opening quote; a doubled quote stands for one.
        QString out;
        ++m_pos;
        while (m_pos < m_s.size()) {
            const QChar c = m_s.at(m_pos++);
            if (c == q) {
                if (m_pos < m_s.size() && m_s.at(m_pos) == q) {
                    out += q;
                    ++m_pos;
                    continue;
                }
                return out;
            }
            out += c;
        }
        fail(QStringLiteral("引号没有结束"));
        return out;
    }

    QString identifier()
    {
        const int start = m_pos;
        while (m_pos < m_s.size() && isIdentChar(m_s.at(m_pos)))
            ++m_pos;
        return m_s.mid(start, m_pos - start);
    }

    std::unique_ptr<ExprNode> factor()
    {
        skip();
        if (m_pos >= m_s.size()) {
            fail(QStringLiteral("表达式不完整"));
            return nullptr;
        }
        const QChar c = m_s.at(m_pos);
        if (c == QLatin1Char('(')) {
            ++m_pos;
            auto n = expr();
            if (!eat(QLatin1Char(')')))
                fail(QStringLiteral("缺少右括号"));
            return n;
        }
        if (c == QLatin1Char('-')) {
            ++m_pos;
            auto n = node(ExprNode::Op::Neg);
            n->args.push_back(factor());
            return n->args.back() ? std::move(n) : nullptr;
        }
        if (c == QLatin1Char('\'') || c == QLatin1Char('"')) {
            auto n = node(ExprNode::Op::Literal);
            n->value = quoted(c);
            return n;
        }
        if (c.isDigit()) {
            const int start = m_pos;
            while (m_pos < m_s.size() && (m_s.at(m_pos).isDigit() || m_s.at(m_pos) == QLatin1Char('.')))
                ++m_pos;
            auto n = node(ExprNode::Op::Literal);
            n->value = m_s.mid(start, m_pos - start).toDouble();
            return n;
        }
        if (c == QLatin1Char('<')) {
            ++m_pos;
            auto n = reference();
            if (!eat(QLatin1Char('>')))
                fail(QStringLiteral("缺少 >"));
            return n;
        }
        if (isIdentChar(c))
            return reference();
        fail(QStringLiteral("无法识别的字符：%1").arg(c));
        return nullptr;
    }

    std::unique_ptr<ExprNode> reference()
    {
        skip();
        const QString id = identifier();
        if (id.isEmpty()) {
            fail(QStringLiteral("缺少名称"));
            return nullptr;
        }
        skip();
        if (m_pos < m_s.size() && m_s.at(m_pos) == QLatin1Char('.')) {
            ++m_pos;
            skip();
            QString field;
            if (m_pos < m_s.size() && m_s.at(m_pos) == QLatin1Char('"'))
                field = quoted(QLatin1Char('"'));
            else
                field = identifier();
            auto n = node(ExprNode::Op::Field);
            n->name = id + QLatin1Char('.') + field;
            if (!m_env.resolveField(id, field, n->dataset, n->field)) {
                n->dataset = -1;
                n->field = -1;
            }
            return n;
        }
        if (m_pos < m_s.size() && m_s.at(m_pos) == QLatin1Char('('))
            return call(id);
        const QString lower = id.toLower();
        static const QList<QPair<QString, ReportBuiltin>> builtins = {
            {QStringLiteral("date"), ReportBuiltin::Date},         {QStringLiteral("time"), ReportBuiltin::Time},
            {QStringLiteral("page#"), ReportBuiltin::Page},        {QStringLiteral("totalpages#"), ReportBuiltin::TotalPages},
            {QStringLiteral("line#"), ReportBuiltin::Line},
        };
        for (const auto &b : builtins)
            if (b.first == lower) {
                auto n = node(ExprNode::Op::Builtin);
                n->builtin = b.second;
                return n;
            }
        auto n = node(ExprNode::Op::Variable);
        n->name = id;
        return n;
    }

    std::unique_ptr<ExprNode> call(const QString &fn)
    {
        ++m_pos;  // (
        std::vector<std::unique_ptr<ExprNode>> args;
        if (!eat(QLatin1Char(')'))) {
            do {
                auto a = expr();
                if (!a)
                    return nullptr;
                args.push_back(std::move(a));
            } while (eat(QLatin1Char(',')));
            if (!eat(QLatin1Char(')'))) {
                fail(QStringLiteral("缺少右括号"));
                return nullptr;
            }
        }
        const QString upper = fn.toUpper();
        if (upper == QLatin1String("SUM") || upper == QLatin1String("COUNT") || upper == QLatin1String("AVG") ||
            upper == QLatin1String("MIN") || upper == QLatin1String("MAX")) {
            auto n = node(ExprNode::Op::Aggregate);
            n->name = upper;
            // COUNT(Band) names only the band; the others name it second.
            const size_t bandArg = upper == QLatin1String("COUNT") ? 0 : 1;
            QString band;
            if (args.size() > bandArg && args[bandArg]->op == ExprNode::Op::Variable)
                band = args[bandArg]->name;
            n->value = band;
            if (upper != QLatin1String("COUNT") && !args.empty())
                n->args.push_back(std::move(args[0]));
            n->aggregate = m_env.addAggregate(n.get());
            return n;
        }
        auto n = node(ExprNode::Op::Call);
        n->name = upper;
        n->args = std::move(args);
        return n;
    }

    const QString &m_s;
    ExprEnvironment &m_env;
    int m_pos = 0;
    QString m_error;
};

bool isNumeric(const QVariant &v) { return DisplayFormat::isNumberValue(v); }

QVariant callFunction(const ExprNode &n, ExprEnvironment &env)
{
    std::vector<QVariant> a;
    for (const auto &x : n.args)
        a.push_back(ReportExpression::evaluate(*x, env));
    auto arg = [&](size_t i) { return i < a.size() ? a[i] : QVariant(); };
    if (n.name == QLatin1String("FORMATFLOAT"))
        return DisplayFormat::formatNumber(ReportExpression::toNumber(arg(1)), arg(0).toString());
    if (n.name == QLatin1String("FORMATDATETIME")) {
        const QVariant v = arg(1);
        QDateTime dt = v.typeId() == QMetaType::QString ? QDateTime(Dates::dateOf(v), QTime(0, 0)) : v.toDateTime();
        if (v.typeId() == QMetaType::QDate)
            dt = v.toDate().startOfDay();
        return dt.isValid() ? DisplayFormat::formatDateTime(dt, arg(0).toString()) : ReportExpression::toText(v);
    }
    if (n.name == QLatin1String("TRIM"))
        return ReportExpression::toText(arg(0)).trimmed();
    if (n.name == QLatin1String("UPPERCASE"))
        return ReportExpression::toText(arg(0)).toUpper();
    if (n.name == QLatin1String("LOWERCASE"))
        return ReportExpression::toText(arg(0)).toLower();
    if (n.name == QLatin1String("INTTOSTR") || n.name == QLatin1String("FLOATTOSTR") || n.name == QLatin1String("VARTOSTR"))
        return ReportExpression::toText(arg(0));
    if (n.name == QLatin1String("COPY"))
        return ReportExpression::toText(arg(0)).mid(int(ReportExpression::toNumber(arg(1))) - 1,
                                                     int(ReportExpression::toNumber(arg(2))));
    return {};
}

} // namespace

namespace ReportExpression {

std::unique_ptr<ExprNode> compile(const QString &expr, ExprEnvironment &env, QString *error)
{
    Parser p(expr, env);
    return p.parse(error);
}

double toNumber(const QVariant &v)
{
    if (isNumeric(v))
        return v.toDouble();
    if (v.typeId() == QMetaType::Bool)
        return v.toBool() ? 1 : 0;
    bool ok = false;
    const double d = v.toString().trimmed().toDouble(&ok);
    return ok ? d : 0.0;
}

QString toText(const QVariant &v)
{
    if (!v.isValid() || v.isNull())
        return {};
    const int t = v.typeId();
    if (t == QMetaType::QDate || t == QMetaType::QDateTime) {
        if (Dates::dateOf(v) == Dates::EmptyDate)
            return {};
        return Dates::fromValue(v);
    }
    if (t == QMetaType::QString) {
        const QString s = v.toString();
        if (s.startsWith(Dates::EmptyDateText) && (s.size() == 10 || s.at(10) == QLatin1Char(' ')))
            return {};
        return s;
    }
    return DisplayFormat::format(v, QString());
}

QVariant evaluate(const ExprNode &n, ExprEnvironment &env)
{
    using Op = ExprNode::Op;
    switch (n.op) {
    case Op::Literal: return n.value;
    case Op::Field: return n.dataset < 0 ? QVariant() : env.fieldValue(n.dataset, n.field);
    case Op::Variable: return env.variable(n.name);
    case Op::Builtin: return env.builtin(n.builtin);
    case Op::Aggregate: return env.aggregateValue(n.aggregate);
    case Op::Neg: return -toNumber(evaluate(*n.args[0], env));
    case Op::Add: {
        const QVariant a = evaluate(*n.args[0], env), b = evaluate(*n.args[1], env);
        if (isNumeric(a) && isNumeric(b))
            return a.toDouble() + b.toDouble();
        return toText(a) + toText(b);
    }
    case Op::Sub: return toNumber(evaluate(*n.args[0], env)) - toNumber(evaluate(*n.args[1], env));
    case Op::Mul: return toNumber(evaluate(*n.args[0], env)) * toNumber(evaluate(*n.args[1], env));
    case Op::Div: {
        const double d = toNumber(evaluate(*n.args[1], env));
        return d == 0 ? QVariant(0.0) : QVariant(toNumber(evaluate(*n.args[0], env)) / d);
    }
    case Op::Call: return callFunction(n, env);
    }
    return {};
}

bool usesTotalPages(const QString &text)
{
    return text.contains(QLatin1String("TotalPages#"), Qt::CaseInsensitive);
}

} // namespace ReportExpression

void CompiledText::compile(const QString &text, ExprEnvironment &env)
{
    m_pieces.clear();
    m_constant = true;
    m_totalPages = ReportExpression::usesTotalPages(text);
    QString literal;
    int i = 0;
    while (i < text.size()) {
        const QChar c = text.at(i);
        if (c != QLatin1Char('[')) {
            literal += c;
            ++i;
            continue;
        }
        // The matching ], skipping quoted text and nested brackets.
        int depth = 0, j = i;
        QChar quote;
        for (; j < text.size(); ++j) {
            const QChar d = text.at(j);
            if (!quote.isNull()) {
                if (d == quote)
                    quote = QChar();
            } else if (d == QLatin1Char('\'') || d == QLatin1Char('"')) {
                quote = d;
            } else if (d == QLatin1Char('[')) {
                ++depth;
            } else if (d == QLatin1Char(']') && --depth == 0) {
                break;
            }
        }
        if (j >= text.size()) {
            literal += text.mid(i);
            break;
        }
        const QString inner = text.mid(i + 1, j - i - 1);
        auto node = ReportExpression::compile(inner, env);
        if (!node) {
            literal += text.mid(i, j - i + 1);
        } else {
            if (!literal.isEmpty())
                m_pieces.push_back({literal, nullptr});
            literal.clear();
            m_pieces.push_back({QString(), std::move(node)});
            m_constant = false;
        }
        i = j + 1;
    }
    if (!literal.isEmpty())
        m_pieces.push_back({literal, nullptr});
}
