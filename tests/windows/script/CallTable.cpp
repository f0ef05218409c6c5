#include "script/CallTable.h"

#include <charconv>
#include <stdexcept>

#include "platform/Conversions.h"
#include "platform/VbError.h"
#include "platform/VbString.h"

namespace velkor::script_test {

namespace {

std::string_view Trim(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r'))
    s.remove_suffix(1);
  return s;
}

// Splits the argument list at the commas outside quotes.
std::vector<std::string_view> SplitArgs(std::string_view list) {
  std::vector<std::string_view> out;
  bool quoted = false;
  std::size_t start = 0;
  for (std::size_t i = 0; i < list.size(); ++i) {
    if (list[i] == '"') quoted = !quoted;
    if (list[i] == ',' && !quoted) {
      out.push_back(Trim(list.substr(start, i - start)));
      start = i + 1;
    }
  }
  out.push_back(Trim(list.substr(start)));
  return out;
}

Call::Op OpOf(std::string_view word, std::string_view line) {
  if (word == "get") return Call::Op::Get;
  if (word == "let") return Call::Op::Let;
  if (word == "call") return Call::Op::Statement;
  if (word == "fn") return Call::Op::Function;
  throw std::invalid_argument("unknown operation in: " + std::string(line));
}

Call ParseLine(std::string_view line) {
  Call call;
  call.text = std::string(line);
  auto space = line.find(' ');
  call.op = OpOf(line.substr(0, space), line);
  auto rest = space == std::string_view::npos ? std::string_view{} : Trim(line.substr(space));
  auto memberEnd = rest.find(' ');
  call.member = std::string(rest.substr(0, memberEnd));
  if (call.member.empty()) throw std::invalid_argument("no member in: " + std::string(line));
  if (memberEnd == std::string_view::npos) return call;
  for (auto text : SplitArgs(rest.substr(memberEnd))) {
    CallArg arg;
    arg.omitted = text.empty();
    arg.byRef = !text.empty() && text.front() == '@';
    arg.literal = std::string(arg.byRef ? text.substr(1) : text);
    if (!arg.omitted) ParseLiteral(arg.literal);  // refuses what the runner could not pass
    call.args.push_back(std::move(arg));
  }
  return call;
}

// The expression that prints a value, its type first.
constexpr std::string_view kVbHelpers = R"(
Function Show(v)
  If IsObject(v) Then
    ' Wine's TypeName() crashes on Nothing; the runtime names it "Nothing".
    If v Is Nothing Then
      Show = "Nothing"
    Else
      Show = TypeName(v)
    End If
  ElseIf IsNull(v) Then
    Show = "Null"
  ElseIf IsEmpty(v) Then
    Show = "Empty"
  ElseIf IsArray(v) Then
    Show = "Array"
  Else
    Show = TypeName(v) & " " & CStr(v)
  End If
End Function
Sub Assign(target, value)
  If IsObject(value) Then
    Set target = value
  Else
    target = value
  End If
End Sub
Function Outcome(v, n, s, d)
  If n <> 0 Then
    Outcome = "error " & n & " | " & s & " | " & d
  Else
    Outcome = Show(v)
  End If
End Function
)";

std::string VbArgs(const Call& call) {
  std::string out;
  for (std::size_t i = 0; i < call.args.size(); ++i) {
    if (i) out += ", ";
    const auto& arg = call.args[i];
    if (!arg.omitted) out += arg.byRef ? "a" + std::to_string(i) : arg.literal;
  }
  return out;
}

std::string VbQuote(std::string_view text) {
  std::string out = "\"";
  for (char c : text) out += c == '"' ? std::string("\"\"") : std::string(1, c);
  return out + "\"";
}

std::string VbCall(const Call& call) {
  std::string o = "o." + call.member;
  switch (call.op) {
    case Call::Op::Get:
      return "Assign v, " + o;
    case Call::Op::Let:
      return o + " = " + VbArgs(call);
    case Call::Op::Statement:
      return call.args.empty() ? o : o + " " + VbArgs(call);
    case Call::Op::Function:
      return "Assign v, " + o + "(" + VbArgs(call) + ")";
  }
  return {};
}

std::string VbStatements(const Call& call) {
  std::string out = "v = Empty\r\n";
  for (std::size_t i = 0; i < call.args.size(); ++i)
    if (call.args[i].byRef) out += "a" + std::to_string(i) + " = " + call.args[i].literal + "\r\n";
  out += "Err.Clear\r\n" + VbCall(call) + "\r\n";
  out += "line = " + VbQuote(call.text) +
         " & \" -> \" & Outcome(v, Err.Number, Err.Source, Err.Description)\r\n";
  for (std::size_t i = 0; i < call.args.size(); ++i)
    if (call.args[i].byRef) {
      auto var = "a" + std::to_string(i);
      out += "line = line & \" ; @" + std::to_string(i) + " \" & Show(" + var + ")\r\n";
    }
  return out + "Host.Echo line\r\n";
}

std::string Show(const Variant& v) {
  if (v.IsObject()) return v.TypeName();
  if (v.IsNull()) return "Null";
  if (v.IsEmpty()) return "Empty";
  if (v.IsArray()) return "Array";
  return v.TypeName() + " " + CStr(v);
}

InvokeKind KindOf(Call::Op op) {
  switch (op) {
    case Call::Op::Get:
      return InvokeKind::PropertyGet;
    case Call::Op::Let:
      return InvokeKind::PropertyLet;
    default:
      return InvokeKind::Method;
  }
}

std::string RunOne(const Call& call, Object& target, std::string_view defaultSource) {
  std::vector<Variant> args;
  for (const auto& arg : call.args)
    args.push_back(arg.omitted ? Variant::Missing() : ParseLiteral(arg.literal));
  std::string line = call.text + " -> ";
  try {
    line += Show(target.Invoke(call.member, KindOf(call.op), args));
  } catch (...) {
    VbError e = CurrentError();
    auto source = e.source().empty() ? std::string(defaultSource) : e.source();
    line += "error " + std::to_string(e.number()) + " | " + source + " | " + e.description();
  }
  for (std::size_t i = 0; i < call.args.size(); ++i)
    if (call.args[i].byRef) line += " ; @" + std::to_string(i) + " " + Show(args[i]);
  return line;
}

}  // namespace

std::vector<Call> ParseCallTable(std::string_view table) {
  std::vector<Call> calls;
  while (!table.empty()) {
    auto end = table.find('\n');
    auto line = Trim(table.substr(0, end));
    table = end == std::string_view::npos ? std::string_view{} : table.substr(end + 1);
    if (!line.empty() && line.front() != '#') calls.push_back(ParseLine(line));
  }
  return calls;
}

std::string ToVbScript(const std::vector<Call>& calls, std::string_view progId) {
  std::string out = "Option Explicit\r\nDim o, v, line";
  std::size_t vars = 0;
  for (const auto& call : calls) vars = std::max(vars, call.args.size());
  for (std::size_t i = 0; i < vars; ++i) out += ", a" + std::to_string(i);
  out += "\r\n";
  out += kVbHelpers;
  out += "Set o = CreateObject(" + VbQuote(progId) + ")\r\nOn Error Resume Next\r\n";
  for (const auto& call : calls) out += VbStatements(call);
  return out;
}

std::vector<std::string> RunInProcess(const std::vector<Call>& calls, Object& target,
                                      std::string_view defaultSource) {
  std::vector<std::string> lines;
  for (const auto& call : calls) lines.push_back(RunOne(call, target, defaultSource));
  return lines;
}

Variant ParseLiteral(std::string_view literal) {
  if (literal.size() >= 2 && literal.front() == '"' && literal.back() == '"') {
    std::string text;
    for (std::size_t i = 1; i + 1 < literal.size(); ++i) {
      text += literal[i];
      if (literal[i] == '"') ++i;  // "" stands for one quote
    }
    return Variant(text);
  }
  if (literal == "True" || literal == "False") return Variant(literal == "True");
  if (literal == "Null") return Variant::Null();
  if (literal == "Empty") return Variant();
  if (literal == "Nothing") return Variant::Nothing();
  std::int64_t whole = 0;
  auto [end, ec] = std::from_chars(literal.data(), literal.data() + literal.size(), whole);
  if (ec == std::errc() && end == literal.data() + literal.size()) {
    // The script language types a whole number by the smallest type it fits.
    if (whole >= INT16_MIN && whole <= INT16_MAX) return Variant(static_cast<std::int16_t>(whole));
    if (whole >= INT32_MIN && whole <= INT32_MAX) return Variant(static_cast<std::int32_t>(whole));
  }
  if (auto number = ParseNumber(literal); number && literal.find('.') != std::string_view::npos)
    return Variant(*number);
  throw std::invalid_argument("not a literal: " + std::string(literal));
}

}  // namespace velkor::script_test
