// Terms: the values the known-values analysis gives registers, flags, block
// bytes and frame bytes. Every term is made once (equal ids mean equal
// values) and in a canonical form, so that an instruction that writes the
// term a location already holds is seen to change nothing.
#include <unordered_map>

#include <fmt/format.h>

#include "opt.h"

namespace {

struct TermKey {
    TermKind kind;
    uint64_t a, b;
    bool operator==(const TermKey& other) const { return kind == other.kind && a == other.a && b == other.b; }
};
struct TermKeyHash {
    size_t operator()(const TermKey& key) const
    {
        uint64_t h = key.a * 0x9E3779B97F4A7C15ull ^ (key.b + 0x632BE59BD9B4E019ull) * 0xC2B2AE3D27D4EB4Full;
        return static_cast<size_t>(h ^ (h >> 29) ^ key.kind);
    }
};
struct ExprKey {
    std::string name;
    int64_t offset;
    TermId index;
    bool operator==(const ExprKey& other) const
    {
        return offset == other.offset && index == other.index && name == other.name;
    }
};
struct ExprKeyHash {
    size_t operator()(const ExprKey& key) const
    {
        return std::hash<std::string>()(key.name) ^ static_cast<size_t>(key.offset * 0x9E3779B97F4A7C15ull) ^
               (static_cast<size_t>(key.index) << 20);
    }
};

} // namespace

struct TermTable {
    const Program* program;
    TermId constants[256] = {};  // made on first use
    TermId flags[2] = {};
    // Per byte term, the flags a load of it sets (Z: equal to 0; N: bit 7).
    std::vector<TermId> zeroFlag, bit7Flag;
    std::vector<TermData> terms;  // id 0 is no term
    std::unordered_map<TermKey, TermId, TermKeyHash> termIndex;
    std::vector<SymExpr> exprs;
    std::unordered_map<ExprKey, uint64_t, ExprKeyHash> exprIndex;
};

namespace {

TermId make(TermTable& table, TermKind kind, uint64_t a, uint64_t b = 0)
{
    TermKey key{kind, a, b};
    auto found = table.termIndex.find(key);
    if (found != table.termIndex.end())
        return found->second;
    TermId id = static_cast<TermId>(table.terms.size());
    table.terms.push_back(TermData{kind, a, b});
    table.termIndex.emplace(key, id);
    return id;
}

uint64_t makeExpr(TermTable& table, SymExpr expr)
{
    expr.offset &= 0xFFFF;
    ExprKey key{expr.name, expr.offset, expr.index};
    auto found = table.exprIndex.find(key);
    if (found != table.exprIndex.end())
        return found->second;
    uint64_t id = table.exprs.size();
    table.exprs.push_back(expr);
    table.exprIndex.emplace(std::move(key), id);
    return id;
}

// The numeric value of an expression without an index term, or -1.
int64_t exprValue(const TermTable& table, const SymExpr& expr)
{
    if (expr.index != 0)
        return -1;
    if (expr.name.empty())
        return expr.offset & 0xFFFF;
    auto found = table.program->symbols.find(expr.name);
    if (found == table.program->symbols.end() || !found->second.numeric)
        return -1;
    return (found->second.value + expr.offset) & 0xFFFF;
}

} // namespace

TermTable* newTermTable(const Program& program)
{
    TermTable* table = new TermTable;
    table->program = &program;
    table->terms.push_back(TermData{});
    table->exprs.push_back(SymExpr{});
    return table;
}

void deleteTermTable(TermTable* table) { delete table; }

const TermData& termOf(const TermTable& table, TermId id) { return table.terms[id]; }

const SymExpr& exprOf(const TermTable& table, uint64_t exprId) { return table.exprs[exprId]; }

TermId constTerm(TermTable& table, int value)
{
    TermId& id = table.constants[value & 0xFF];
    if (!id)
        id = make(table, T_CONST, static_cast<uint64_t>(value & 0xFF));
    return id;
}

TermId flagConst(TermTable& table, bool value)
{
    TermId& id = table.flags[value ? 1 : 0];
    if (!id)
        id = make(table, F_CONST, value ? 1 : 0);
    return id;
}

TermId opaqueTerm(TermTable& table, uint64_t key) { return make(table, T_OPAQUE, key); }

TermId opaqueFlag(TermTable& table, uint64_t key) { return make(table, F_OPAQUE, key); }

TermId lowTerm(TermTable& table, const SymExpr& expr)
{
    if (expr.name.empty() && expr.index == 0)
        return constTerm(table, static_cast<int>(expr.offset & 0xFF));
    if (expr.name.empty() && (expr.offset & 0xFFFF) == 0)
        return expr.index;
    return make(table, T_LOW, makeExpr(table, expr));
}

TermId highTerm(TermTable& table, const SymExpr& expr)
{
    if (expr.name.empty() && expr.index == 0)
        return constTerm(table, static_cast<int>((expr.offset >> 8) & 0xFF));
    if (expr.name.empty() && (expr.offset & 0xFFFF) == 0)
        return constTerm(table, 0);
    return make(table, T_HIGH, makeExpr(table, expr));
}

TermId maskTerm(TermTable& table, TermId flag)
{
    int value = constValue(table, flag);
    if (value >= 0)
        return constTerm(table, value ? 0 : 0xFF);
    return make(table, T_MASK, flag);
}

TermId notTerm(TermTable& table, TermId flag)
{
    const TermData& term = table.terms[flag];
    if (term.kind == F_CONST)
        return flagConst(table, term.a == 0);
    if (term.kind == F_NOT)
        return static_cast<TermId>(term.a);
    return make(table, F_NOT, flag);
}

namespace {

TermId& memo(std::vector<TermId>& memos, TermId id)
{
    if (memos.size() <= id)
        memos.resize(id + 1024, 0);
    return memos[id];
}

TermId makeBit7(TermTable& table, TermId byte);
TermId makeEqual(TermTable& table, TermId left, TermId right);

} // namespace

TermId bit7Term(TermTable& table, TermId byte)
{
    TermId& known = memo(table.bit7Flag, byte);
    if (!known)
        known = makeBit7(table, byte);
    return known;
}

TermId equalTerm(TermTable& table, TermId left, TermId right)
{
    if (right == constTerm(table, 0)) {
        TermId& known = memo(table.zeroFlag, left);
        if (!known)
            known = makeEqual(table, left, right);
        return known;
    }
    return makeEqual(table, left, right);
}

namespace {

TermId makeBit7(TermTable& table, TermId byte)
{
    int value = constValue(table, byte);
    if (value >= 0)
        return flagConst(table, (value & 0x80) != 0);
    const TermData& term = table.terms[byte];
    if (term.kind == T_MASK)
        return notTerm(table, static_cast<TermId>(term.a));
    return make(table, F_BIT7, byte);
}

TermId makeEqual(TermTable& table, TermId left, TermId right)
{
    if (left == right)
        return flagConst(table, true);
    int leftValue = constValue(table, left), rightValue = constValue(table, right);
    if (leftValue >= 0 && rightValue >= 0)
        return flagConst(table, leftValue == rightValue);
    if (leftValue >= 0)
        std::swap(left, right), std::swap(leftValue, rightValue);
    const TermData& term = table.terms[left];
    if (term.kind == T_MASK && rightValue == 0)
        return static_cast<TermId>(term.a);
    if (term.kind == T_MASK && rightValue == 0xFF)
        return notTerm(table, static_cast<TermId>(term.a));
    if (term.kind == T_MASK && rightValue >= 0)
        return flagConst(table, false);
    if (rightValue < 0 && left > right)
        std::swap(left, right);
    return make(table, F_EQUAL, left, right);
}

} // namespace

TermId atLeastTerm(TermTable& table, TermId left, TermId right)
{
    int leftValue = constValue(table, left), rightValue = constValue(table, right);
    if (left == right || rightValue == 0)
        return flagConst(table, true);
    if (leftValue >= 0 && rightValue >= 0)
        return flagConst(table, leftValue >= rightValue);
    return make(table, F_ATLEAST, left, right);
}

TermId carryTerm(TermTable& table, const SymExpr& expr)
{
    SymExpr base = expr;
    base.index = 0;
    return make(table, F_CARRY, makeExpr(table, base), expr.index);
}

int constValue(const TermTable& table, TermId id)
{
    const TermData& term = table.terms[id];
    switch (term.kind) {
    case T_CONST:
    case F_CONST:
        return static_cast<int>(term.a);
    case T_LOW:
    case T_HIGH: {
        int64_t value = exprValue(table, table.exprs[term.a]);
        if (value < 0)
            return -1;
        return static_cast<int>(term.kind == T_LOW ? value & 0xFF : (value >> 8) & 0xFF);
    }
    default:
        return -1;
    }
}

TermId immediateTerm(TermTable& table, const Line& line)
{
    const Address& address = line.address;
    if (line.operand.mode != MODE_IMMEDIATE || !address.valid)
        return 0;
    SymExpr expr;
    expr.name = address.name;
    expr.offset = address.offset;
    // A name the program does not define may be anything: no term.
    if (!expr.name.empty() && !table.program->symbols.count(expr.name))
        return 0;
    if (line.operand.select == SELECT_HIGH)
        return highTerm(table, expr);
    return lowTerm(table, expr);
}

std::string describeTerm(const TermTable& table, TermId id)
{
    const TermData& term = table.terms[id];
    auto expr = [&](uint64_t e) {
        const SymExpr& x = table.exprs[e];
        std::string text = fmt::format("{}+{}", x.name, x.offset);
        if (x.index)
            text += "+[" + describeTerm(table, x.index) + "]";
        return text;
    };
    switch (term.kind) {
    case T_NONE: return "?";
    case T_CONST: return fmt::format("#{}", term.a);
    case T_OPAQUE: return fmt::format("v{:x}", term.a);
    case T_LOW: return "lo(" + expr(term.a) + ")";
    case T_HIGH: return "hi(" + expr(term.a) + ")";
    case T_MASK: return "mask(" + describeTerm(table, static_cast<TermId>(term.a)) + ")";
    case F_CONST: return fmt::format("f{}", term.a);
    case F_OPAQUE: return fmt::format("f{:x}", term.a);
    case F_BIT7: return "bit7(" + describeTerm(table, static_cast<TermId>(term.a)) + ")";
    case F_EQUAL:
        return "eq(" + describeTerm(table, static_cast<TermId>(term.a)) + "," +
               describeTerm(table, static_cast<TermId>(term.b)) + ")";
    case F_ATLEAST:
        return "ge(" + describeTerm(table, static_cast<TermId>(term.a)) + "," +
               describeTerm(table, static_cast<TermId>(term.b)) + ")";
    case F_CARRY: return "carry(" + expr(term.a) + "+" + describeTerm(table, static_cast<TermId>(term.b)) + ")";
    case F_NOT: return "not(" + describeTerm(table, static_cast<TermId>(term.a)) + ")";
    }
    return "?";
}
