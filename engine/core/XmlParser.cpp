#include "engine/core/XmlParser.h"

#include <strings.h>

#include <cstring>
#include <vector>

#include "engine/core/XmlNode.h"
#include "engine/core/XmlNodeData.h"
#include "platform/os/TextCodec.h"

namespace {

struct ClearTag {
  const char* opening;
  const char* closing;
};

// Tried in this order at every token.
constexpr ClearTag kClearTags[] = {
    {"<![CDATA[", "]]>"}, {"<PRE>", "</PRE>"}, {"<Script>", "</Script>"}, {"<!--", "-->"}, {"<!DOCTYPE", ">"},
};

struct Entity {
  const char* text;
  char value;
};

constexpr Entity kEntities[] = {
    {"&amp;", '&'}, {"&lt;", '<'}, {"&gt;", '>'}, {"&quot;", '"'}, {"&apos;", '\''},
};

bool IsLineSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

bool StartsWithNoCase(const char* p, const char* prefix) {
  return strncasecmp(p, prefix, std::strlen(prefix)) == 0;
}

// The first occurrence of needle in [p, NUL), without regard to case.
const char* FindNoCase(const char* p, const char* needle) {
  for (; *p; ++p) {
    if (StartsWithNoCase(p, needle)) return p;
  }
  return nullptr;
}

int DigitValue(char c, int base) {
  if (c >= '0' && c <= '9') return c - '0';
  if (base == 16 && c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (base == 16 && c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// One byte for values up to 255; above that the Windows-1252 byte when the
// character has one, else '?'.
void AppendCharacter(unsigned long value, std::string& out) {
  if (value <= 0xFF) {
    out += static_cast<char>(value);
  } else if (value <= 0xFFFF) {
    const char16_t unit = static_cast<char16_t>(value);
    out += plat::Utf16ToCp1252(&unit, 1);
  } else {
    out += '?';
  }
}

// A character reference "&#...;" at p; on success p moves past the ';'.
bool DecodeCharacterReference(const char*& p, const char* end, std::string& out) {
  const char* q = p + 2;
  int base = 10;
  if (q < end && (*q == 'x' || *q == 'X')) {
    base = 16;
    ++q;
  }
  constexpr unsigned long kCap = 0x110000;  // anything larger is '?' anyway
  unsigned long value = 0;
  const char* digits = q;
  for (; q < end && *q != ';'; ++q) {
    const int d = DigitValue(*q, base);
    if (d < 0) return false;
    value = value * base + d;
    if (value > kCap) value = kCap;
  }
  if (q == end || q == digits) return false;
  AppendCharacter(value, out);
  p = q + 1;
  return true;
}

bool DecodeEntity(const char*& p, const char* end, std::string& out) {
  for (const Entity& e : kEntities) {
    const std::size_t n = std::strlen(e.text);
    if (static_cast<std::size_t>(end - p) >= n && strncasecmp(p, e.text, n) == 0) {
      out += e.value;
      p += n;
      return true;
    }
  }
  return end - p >= 2 && p[1] == '#' && DecodeCharacterReference(p, end, out);
}

enum class TokenKind { End, Clear, Quoted, ShortClose, EndTagStart, DeclarationStart, TagStart, Equals, Close, Text };

struct Token {
  TokenKind kind = TokenKind::End;
  const char* begin = nullptr;
  const char* end = nullptr;
  const ClearTag* clear = nullptr;
};

// One open element: its node and, in its content, where pending character
// data began.
struct Frame {
  XmlNodeData* node;
  bool inContent;
  const char* dataStart = nullptr;
  std::string* lastName = nullptr;  // a declaration's trailing '?' is cut from it
};

class Parser {
 public:
  Parser(const char* text, XmlCharset charset) : m_pos(text), m_charset(charset) {}

  XmlParseOutcome Run(XmlNodeData* root) {
    m_stack.push_back(Frame{root, true});
    while (!m_stack.empty() && !Failed()) {
      if (m_stack.back().inContent) {
        StepContent();
      } else {
        StepTag();
      }
    }
    return XmlParseOutcome{m_code, m_code == kXmlNoError ? m_pos : m_errorPos};
  }

 private:
  bool Failed() const { return m_code != kXmlNoError && m_code != kXmlUnmatchedEndTagWarning; }

  void Fail(int code, const char* at) {
    m_code = code;
    m_errorPos = at;
  }

  // The first warning keeps its position; a later error replaces it.
  void Warn(const char* at) {
    if (m_code == kXmlNoError) Fail(kXmlUnmatchedEndTagWarning, at);
  }

  const char* NextChar(const char* p) const { return p + XmlCharLength(p, m_charset); }

  Token Next() {
    while (IsLineSpace(*m_pos)) ++m_pos;
    Token t;
    t.begin = m_pos;
    const char c = *m_pos;
    if (c == '\0') {
      t.kind = TokenKind::End;
    } else if (MatchClear(t)) {
      t.kind = TokenKind::Clear;
    } else if ((c == '"' || c == '\'') && MatchQuoted()) {
      t.kind = TokenKind::Quoted;
    } else if (c == '/' && m_pos[1] == '>') {
      t.kind = Fixed(TokenKind::ShortClose, 2);
    } else if (c == '<' && m_pos[1] == '/') {
      t.kind = Fixed(TokenKind::EndTagStart, 2);
    } else if (c == '<' && m_pos[1] == '?') {
      t.kind = Fixed(TokenKind::DeclarationStart, 2);
    } else if (c == '<') {
      t.kind = Fixed(TokenKind::TagStart, 1);
    } else if (c == '=') {
      t.kind = Fixed(TokenKind::Equals, 1);
    } else if (c == '>') {
      t.kind = Fixed(TokenKind::Close, 1);
    } else {
      t.kind = TokenKind::Text;
      while (*m_pos && !EndsText(m_pos)) m_pos = NextChar(m_pos);
    }
    t.end = m_pos;
    return t;
  }

  Token Peek() {
    const char* saved = m_pos;
    const Token t = Next();
    m_pos = saved;
    return t;
  }

  TokenKind Fixed(TokenKind kind, int length) {
    m_pos += length;
    return kind;
  }

  static bool EndsText(const char* p) {
    return IsLineSpace(*p) || *p == '<' || *p == '>' || *p == '=' || (p[0] == '/' && p[1] == '>');
  }

  bool MatchClear(Token& t) {
    for (const ClearTag& tag : kClearTags) {
      if (StartsWithNoCase(m_pos, tag.opening)) {
        t.clear = &tag;
        m_pos += std::strlen(tag.opening);
        return true;
      }
    }
    return false;
  }

  // A quote up to the same mark; when a '<' or the end comes first the mark
  // starts an ordinary text token instead.
  bool MatchQuoted() {
    const char mark = *m_pos;
    const char* p = NextChar(m_pos);
    while (*p && *p != mark && *p != '<') p = NextChar(p);
    if (*p != mark) return false;
    m_pos = p + 1;
    return true;
  }

  void StepTag() {
    Frame& f = m_stack.back();
    const Token t = Next();
    switch (t.kind) {
      case TokenKind::Text:
        AddAttribute(f, t);
        break;
      case TokenKind::Close:
        if (f.node->declaration) CutTrailingQuestionMark(f);
        f.inContent = true;
        break;
      case TokenKind::ShortClose:
        m_stack.pop_back();
        break;
      case TokenKind::End:
        EndOfText();
        break;
      default:
        Fail(kXmlUnexpectedToken, t.begin);
        break;
    }
  }

  void AddAttribute(Frame& f, const Token& name) {
    const bool declaration = f.node->declaration;
    if (declaration && name.end - name.begin == 1 && *name.begin == '?') return;
    XmlAttribute attribute;
    attribute.name.assign(name.begin, name.end);
    if (Peek().kind == TokenKind::Equals) {
      Next();
      const Token value = Next();
      if (value.kind != TokenKind::Text && value.kind != TokenKind::Quoted) {
        Fail(kXmlUnexpectedToken, value.begin);
        return;
      }
      const bool quoted = value.kind == TokenKind::Quoted;
      if (!Decode(value.begin + quoted, value.end - quoted, attribute.value)) return;
      attribute.hasValue = true;
    }
    f.node->attributes.push_back(std::move(attribute));
    XmlAttribute& added = f.node->attributes.back();
    f.lastName = added.hasValue ? &added.value : &added.name;
  }

  static void CutTrailingQuestionMark(Frame& f) {
    if (f.lastName && !f.lastName->empty() && f.lastName->back() == '?') f.lastName->pop_back();
  }

  void StepContent() {
    Frame& f = m_stack.back();
    const Token t = Next();
    switch (t.kind) {
      case TokenKind::Text:
      case TokenKind::Quoted:
      case TokenKind::Equals:
      case TokenKind::Close:
      case TokenKind::ShortClose:
        if (!f.dataStart) f.dataStart = t.begin;
        break;
      case TokenKind::Clear:
        if (FlushData(f, t.begin, false)) ReadClear(f, t);
        break;
      case TokenKind::TagStart:
      case TokenKind::DeclarationStart:
        if (FlushData(f, t.begin, true)) OpenChild(f, t.kind == TokenKind::DeclarationStart);
        break;
      case TokenKind::EndTagStart:
        if (FlushData(f, t.begin, true)) ReadEndTag(t);
        break;
      case TokenKind::End:
        if (FlushData(f, t.begin, true)) EndOfText();
        break;
    }
  }

  // Appends the pending character data, cut after its last non-blank byte.
  bool FlushData(Frame& f, const char* end, bool decode) {
    if (!f.dataStart) return true;
    const char* begin = f.dataStart;
    f.dataStart = nullptr;
    while (end > begin && IsLineSpace(end[-1])) --end;
    std::string text;
    if (decode) {
      if (!Decode(begin, end, text)) return false;
    } else {
      text.assign(begin, end);
    }
    f.node->texts.push_back(std::move(text));
    return true;
  }

  bool Decode(const char* begin, const char* end, std::string& out) {
    const char* bad = nullptr;
    if (XmlDecodeEntities(begin, end, m_charset, out, &bad)) return true;
    Fail(kXmlUnknownCharacterEntity, bad);
    return false;
  }

  void ReadClear(Frame& f, const Token& t) {
    const char* close = FindNoCase(m_pos, t.clear->closing);
    if (!close) {
      Fail(kXmlUnmatchedClearTagEnd, t.begin);
      return;
    }
    f.node->clears.push_back(XmlClear{std::string(m_pos, close), t.clear->opening, t.clear->closing});
    m_pos = close + std::strlen(t.clear->closing);
  }

  void OpenChild(Frame& parent, bool declaration) {
    const Token name = Next();
    if (name.kind != TokenKind::Text) {
      Fail(kXmlMissingStartTagName, name.begin);
      return;
    }
    auto* child = new XmlNodeData;
    child->name.assign(name.begin, name.end);
    child->hasName = true;
    child->declaration = declaration;
    child->parent = parent.node;
    parent.node->children.push_back(child);
    m_stack.push_back(Frame{child, false, nullptr, &child->name});
  }

  // An end tag closes the innermost open element whose name it carries; the
  // elements opened inside that one close implicitly, with warning 1.
  void ReadEndTag(const Token& start) {
    const Token name = Next();
    if (name.kind != TokenKind::Text || Next().kind != TokenKind::Close) {
      Fail(kXmlMissingEndTagName, name.begin);
      return;
    }
    while (!m_stack.empty()) {
      XmlNodeData* node = m_stack.back().node;
      if (!node->hasName) {
        Fail(kXmlUnmatchedEndTag, start.begin);
        return;
      }
      m_stack.pop_back();
      if (EndTagMatches(name.begin, node->name)) return;
      Warn(start.begin);
    }
  }

  static bool EndTagMatches(const char* tag, const std::string& name) {
    if (strncasecmp(tag, name.c_str(), name.size()) != 0) return false;
    const char next = tag[name.size()];
    return IsLineSpace(next) || next == '/' || next == '<' || next == '>' || next == '=';
  }

  // Elements still open at the end are closed; a declaration needs no end.
  void EndOfText() {
    for (const Frame& f : m_stack) {
      if (f.node->parent && !f.node->declaration) Warn(m_pos);
    }
    m_stack.clear();
  }

  const char* m_pos;
  XmlCharset m_charset;
  int m_code = kXmlNoError;
  const char* m_errorPos = nullptr;
  std::vector<Frame> m_stack;
};

}  // namespace

XmlParseOutcome XmlParseDocument(const char* text, XmlCharset charset, XmlNodeData* root) {
  return Parser(text, charset).Run(root);
}

bool XmlDecodeEntities(const char* begin, const char* end, XmlCharset charset, std::string& out,
                       const char** badPosition) {
  out.reserve(out.size() + (end - begin));
  const char* p = begin;
  while (p < end) {
    if (*p == '&') {
      if (!DecodeEntity(p, end, out)) {
        if (badPosition) *badPosition = p;
        return false;
      }
      continue;
    }
    std::size_t n = XmlCharLength(p, charset);
    if (n == 0 || n > static_cast<std::size_t>(end - p)) n = end - p;
    out.append(p, n);
    p += n;
  }
  return true;
}
