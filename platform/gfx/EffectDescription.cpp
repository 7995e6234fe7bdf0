#include "platform/gfx/EffectDescription.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstdlib>

namespace plat {

namespace {

bool EqualNoCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(a[i])) !=
        std::tolower(static_cast<unsigned char>(b[i]))) {
      return false;
    }
  }
  return true;
}

// ---- values -------------------------------------------------------------

enum class ValueKind {
  Bool,
  Blend,
  BlendOp,
  Cull,
  Compare,
  Fill,
  Shade,
  StencilOp,
  Address,
  Filter,
  Float,
  Dword
};

struct NamedValue {
  const char* name;
  std::uint32_t value;
};

const NamedValue kBoolNames[] = {{"true", 1}, {"false", 0}};
const NamedValue kBlendNames[] = {{"Zero", Blend::Zero},
                                  {"One", Blend::One},
                                  {"SrcColor", Blend::SrcColor},
                                  {"InvSrcColor", Blend::InvSrcColor},
                                  {"SrcAlpha", Blend::SrcAlpha},
                                  {"InvSrcAlpha", Blend::InvSrcAlpha},
                                  {"DestAlpha", Blend::DestAlpha},
                                  {"InvDestAlpha", Blend::InvDestAlpha},
                                  {"DestColor", Blend::DestColor},
                                  {"InvDestColor", Blend::InvDestColor},
                                  {"SrcAlphaSat", Blend::SrcAlphaSat},
                                  {"BlendFactor", Blend::BlendFactor},
                                  {"InvBlendFactor", Blend::InvBlendFactor}};
const NamedValue kBlendOpNames[] = {{"Add", BlendOperation::Add},
                                    {"Subtract", BlendOperation::Subtract},
                                    {"RevSubtract", BlendOperation::RevSubtract},
                                    {"Min", BlendOperation::Min},
                                    {"Max", BlendOperation::Max}};
const NamedValue kCullNames[] = {{"None", Cull::None}, {"CW", Cull::Cw}, {"CCW", Cull::Ccw}};
const NamedValue kCompareNames[] = {{"Never", Compare::Never},
                                    {"Less", Compare::Less},
                                    {"Equal", Compare::Equal},
                                    {"LessEqual", Compare::LessEqual},
                                    {"Greater", Compare::Greater},
                                    {"NotEqual", Compare::NotEqual},
                                    {"GreaterEqual", Compare::GreaterEqual},
                                    {"Always", Compare::Always}};
const NamedValue kFillNames[] = {
    {"Point", Fill::Point}, {"Wireframe", Fill::Wireframe}, {"Solid", Fill::Solid}};
const NamedValue kShadeNames[] = {{"Flat", Shade::Flat}, {"Gouraud", Shade::Gouraud}};
const NamedValue kStencilOpNames[] = {
    {"Keep", StencilOp::Keep},       {"Zero", StencilOp::Zero},
    {"Replace", StencilOp::Replace}, {"IncrSat", StencilOp::IncrSat},
    {"DecrSat", StencilOp::DecrSat}, {"Invert", StencilOp::Invert}};
const NamedValue kAddressNames[] = {{"Wrap", TextureAddress::Wrap},
                                    {"Mirror", TextureAddress::Mirror},
                                    {"Clamp", TextureAddress::Clamp},
                                    {"Border", TextureAddress::Border},
                                    {"MirrorOnce", TextureAddress::MirrorOnce}};
const NamedValue kFilterNames[] = {{"None", TextureFilter::None},
                                   {"Point", TextureFilter::Point},
                                   {"Linear", TextureFilter::Linear},
                                   {"Anisotropic", TextureFilter::Anisotropic}};

template <std::size_t N>
bool LookUp(const NamedValue (&table)[N], std::string_view name, std::uint32_t& out) {
  for (const NamedValue& v : table) {
    if (EqualNoCase(v.name, name)) {
      out = v.value;
      return true;
    }
  }
  return false;
}

bool NamedValueOf(ValueKind kind, std::string_view name, std::uint32_t& out) {
  switch (kind) {
    case ValueKind::Bool:
      return LookUp(kBoolNames, name, out);
    case ValueKind::Blend:
      return LookUp(kBlendNames, name, out);
    case ValueKind::BlendOp:
      return LookUp(kBlendOpNames, name, out);
    case ValueKind::Cull:
      return LookUp(kCullNames, name, out);
    case ValueKind::Compare:
      return LookUp(kCompareNames, name, out);
    case ValueKind::Fill:
      return LookUp(kFillNames, name, out);
    case ValueKind::Shade:
      return LookUp(kShadeNames, name, out);
    case ValueKind::StencilOp:
      return LookUp(kStencilOpNames, name, out);
    case ValueKind::Address:
      return LookUp(kAddressNames, name, out);
    case ValueKind::Filter:
      return LookUp(kFilterNames, name, out);
    case ValueKind::Float:
    case ValueKind::Dword:
      return false;
  }
  return false;
}

struct RenderStateName {
  const char* name;
  RenderState state;
  ValueKind kind;
};

const RenderStateName kRenderStates[] = {
    {"ZEnable", RenderState::ZEnable, ValueKind::Bool},
    {"ZWriteEnable", RenderState::ZWriteEnable, ValueKind::Bool},
    {"ZFunc", RenderState::ZFunc, ValueKind::Compare},
    {"FillMode", RenderState::FillMode, ValueKind::Fill},
    {"ShadeMode", RenderState::ShadeMode, ValueKind::Shade},
    {"CullMode", RenderState::CullMode, ValueKind::Cull},
    {"AlphaBlendEnable", RenderState::AlphaBlendEnable, ValueKind::Bool},
    {"SrcBlend", RenderState::SrcBlend, ValueKind::Blend},
    {"DestBlend", RenderState::DestBlend, ValueKind::Blend},
    {"BlendOp", RenderState::BlendOp, ValueKind::BlendOp},
    {"SeparateAlphaBlendEnable", RenderState::SeparateAlphaBlendEnable, ValueKind::Bool},
    {"SrcBlendAlpha", RenderState::SrcBlendAlpha, ValueKind::Blend},
    {"DestBlendAlpha", RenderState::DestBlendAlpha, ValueKind::Blend},
    {"BlendOpAlpha", RenderState::BlendOpAlpha, ValueKind::BlendOp},
    {"BlendFactor", RenderState::BlendFactor, ValueKind::Dword},
    {"AlphaTestEnable", RenderState::AlphaTestEnable, ValueKind::Bool},
    {"AlphaRef", RenderState::AlphaRef, ValueKind::Dword},
    {"AlphaFunc", RenderState::AlphaFunc, ValueKind::Compare},
    {"Lighting", RenderState::Lighting, ValueKind::Bool},
    {"SpecularEnable", RenderState::SpecularEnable, ValueKind::Bool},
    {"Ambient", RenderState::Ambient, ValueKind::Dword},
    {"NormalizeNormals", RenderState::NormalizeNormals, ValueKind::Bool},
    {"ColorVertex", RenderState::ColorVertex, ValueKind::Bool},
    {"DitherEnable", RenderState::DitherEnable, ValueKind::Bool},
    {"FogEnable", RenderState::FogEnable, ValueKind::Bool},
    {"FogColor", RenderState::FogColor, ValueKind::Dword},
    {"FogStart", RenderState::FogStart, ValueKind::Float},
    {"FogEnd", RenderState::FogEnd, ValueKind::Float},
    {"FogDensity", RenderState::FogDensity, ValueKind::Float},
    {"StencilEnable", RenderState::StencilEnable, ValueKind::Bool},
    {"StencilFunc", RenderState::StencilFunc, ValueKind::Compare},
    {"StencilRef", RenderState::StencilRef, ValueKind::Dword},
    {"StencilMask", RenderState::StencilMask, ValueKind::Dword},
    {"StencilWriteMask", RenderState::StencilWriteMask, ValueKind::Dword},
    {"StencilFail", RenderState::StencilFail, ValueKind::StencilOp},
    {"StencilZFail", RenderState::StencilZFail, ValueKind::StencilOp},
    {"StencilPass", RenderState::StencilPass, ValueKind::StencilOp},
    {"TwoSidedStencilMode", RenderState::TwoSidedStencilMode, ValueKind::Bool},
    {"ColorWriteEnable", RenderState::ColorWriteEnable, ValueKind::Dword},
    {"TextureFactor", RenderState::TextureFactor, ValueKind::Dword},
    {"PointSpriteEnable", RenderState::PointSpriteEnable, ValueKind::Bool},
    {"PointScaleEnable", RenderState::PointScaleEnable, ValueKind::Bool},
    {"PointSize", RenderState::PointSize, ValueKind::Float},
    {"PointSizeMin", RenderState::PointSizeMin, ValueKind::Float},
    {"PointSizeMax", RenderState::PointSizeMax, ValueKind::Float},
    {"PointScaleA", RenderState::PointScaleA, ValueKind::Float},
    {"PointScaleB", RenderState::PointScaleB, ValueKind::Float},
    {"PointScaleC", RenderState::PointScaleC, ValueKind::Float},
    {"DepthBias", RenderState::DepthBias, ValueKind::Float},
    {"SlopeScaleDepthBias", RenderState::SlopeScaleDepthBias, ValueKind::Float},
    {"ScissorTestEnable", RenderState::ScissorTestEnable, ValueKind::Bool},
    {"MultisampleAntialias", RenderState::MultisampleAntialias, ValueKind::Bool},
    {"AntialiasedLineEnable", RenderState::AntialiasedLineEnable, ValueKind::Bool},
};

struct SamplerStateName {
  const char* name;
  SamplerState state;
  ValueKind kind;
};

const SamplerStateName kSamplerStates[] = {
    {"AddressU", SamplerState::AddressU, ValueKind::Address},
    {"AddressV", SamplerState::AddressV, ValueKind::Address},
    {"AddressW", SamplerState::AddressW, ValueKind::Address},
    {"BorderColor", SamplerState::BorderColor, ValueKind::Dword},
    {"MagFilter", SamplerState::MagFilter, ValueKind::Filter},
    {"MinFilter", SamplerState::MinFilter, ValueKind::Filter},
    {"MipFilter", SamplerState::MipFilter, ValueKind::Filter},
    {"MipMapLodBias", SamplerState::MipMapLodBias, ValueKind::Float},
    {"MaxMipLevel", SamplerState::MaxMipLevel, ValueKind::Dword},
    {"MaxAnisotropy", SamplerState::MaxAnisotropy, ValueKind::Dword},
    {"SrgbTexture", SamplerState::SrgbTexture, ValueKind::Bool},
};

template <class Entry, std::size_t N>
const Entry* FindEntry(const Entry (&table)[N], std::string_view name) {
  for (const Entry& e : table) {
    if (EqualNoCase(e.name, name)) return &e;
  }
  return nullptr;
}

struct TypeName {
  const char* name;
  EffectParamType type;
};
const TypeName kTypes[] = {
    {"float", EffectParamType::Float},       {"float2", EffectParamType::Float2},
    {"float3", EffectParamType::Float3},     {"float4", EffectParamType::Float4},
    {"float4x4", EffectParamType::Float4x4}, {"int", EffectParamType::Int},
    {"bool", EffectParamType::Bool},         {"texture", EffectParamType::Texture},
};

// ---- tokens -------------------------------------------------------------

enum class TokenKind { End, Identifier, Number, Punct, Raw };

struct Token {
  TokenKind kind = TokenKind::End;
  std::string text;
  int line = 1;
};

class Tokenizer {
 public:
  explicit Tokenizer(std::string_view text) : text_(text) {}

  bool Next(Token& out, std::string& error) {
    if (!SkipSpaceAndComments(error)) return false;
    out = Token{};
    out.line = line_;
    if (pos_ >= text_.size()) return true;
    char c = text_[pos_];
    if (std::isalpha(static_cast<unsigned char>(c)) || c == '_') {
      std::size_t start = pos_;
      while (pos_ < text_.size() &&
             (std::isalnum(static_cast<unsigned char>(text_[pos_])) || text_[pos_] == '_')) {
        ++pos_;
      }
      out.kind = TokenKind::Identifier;
      out.text = std::string(text_.substr(start, pos_ - start));
      return true;
    }
    if (std::isdigit(static_cast<unsigned char>(c)) || c == '-' || c == '+' || c == '.') {
      std::size_t start = pos_++;
      while (pos_ < text_.size() &&
             (std::isalnum(static_cast<unsigned char>(text_[pos_])) || text_[pos_] == '.' ||
              ((text_[pos_] == '-' || text_[pos_] == '+') &&
               (text_[pos_ - 1] == 'e' || text_[pos_ - 1] == 'E')))) {
        ++pos_;
      }
      out.kind = TokenKind::Number;
      out.text = std::string(text_.substr(start, pos_ - start));
      return true;
    }
    if (text_.substr(pos_, 3) == "<<<") return RawBlock(out, error);
    if (std::string_view("{}[];=,").find(c) != std::string_view::npos) {
      ++pos_;
      out.kind = TokenKind::Punct;
      out.text = std::string(1, c);
      return true;
    }
    error = Where(line_) + "unexpected character '" + std::string(1, c) + "'";
    return false;
  }

  static std::string Where(int line) { return "line " + std::to_string(line) + ": "; }

 private:
  bool SkipSpaceAndComments(std::string& error) {
    while (pos_ < text_.size()) {
      char c = text_[pos_];
      if (c == '\n') {
        ++line_;
        ++pos_;
      } else if (std::isspace(static_cast<unsigned char>(c))) {
        ++pos_;
      } else if (text_.substr(pos_, 2) == "//") {
        while (pos_ < text_.size() && text_[pos_] != '\n') ++pos_;
      } else if (text_.substr(pos_, 2) == "/*") {
        int startLine = line_;
        std::size_t end = text_.find("*/", pos_ + 2);
        if (end == std::string_view::npos) {
          error = Where(startLine) + "comment is not closed";
          return false;
        }
        for (std::size_t i = pos_; i < end; ++i) line_ += text_[i] == '\n';
        pos_ = end + 2;
      } else {
        break;
      }
    }
    return true;
  }

  // "<<<" ends its line; the text runs to a line that holds only ">>>".
  bool RawBlock(Token& out, std::string& error) {
    int startLine = line_;
    pos_ += 3;
    while (pos_ < text_.size() && text_[pos_] != '\n') {
      if (!std::isspace(static_cast<unsigned char>(text_[pos_]))) {
        error = Where(line_) + "text after <<< on its line";
        return false;
      }
      ++pos_;
    }
    if (pos_ < text_.size()) {
      ++pos_;
      ++line_;
    }
    out.kind = TokenKind::Raw;
    out.line = line_;  // first line of the source
    while (pos_ < text_.size()) {
      std::size_t end = text_.find('\n', pos_);
      std::string_view line = text_.substr(pos_, end == std::string_view::npos ? end : end - pos_);
      std::size_t first = line.find_first_not_of(" \t\r");
      std::size_t last = line.find_last_not_of(" \t\r");
      pos_ = end == std::string_view::npos ? text_.size() : end + 1;
      if (first != std::string_view::npos && line.substr(first, last - first + 1) == ">>>") {
        if (end != std::string_view::npos) ++line_;
        return true;
      }
      out.text.append(line);
      out.text.push_back('\n');
      if (end != std::string_view::npos) ++line_;
    }
    error = Where(startLine) + "source block is not closed with >>>";
    return false;
  }

  std::string_view text_;
  std::size_t pos_ = 0;
  int line_ = 1;
};

// ---- parser -------------------------------------------------------------

struct ShaderReference {
  std::string name;
  ShaderStage stage;
  int line;
};

class Parser {
 public:
  Parser(std::string_view text, EffectDescription& out, std::string& error)
      : tokens_(text), out_(out), error_(error) {}

  bool Run() {
    if (!Advance()) return false;
    while (token_.kind != TokenKind::End) {
      if (!TopLevel()) return false;
    }
    return ResolveShaders();
  }

 private:
  bool Fail(const std::string& message) { return Fail(token_.line, message); }
  bool Fail(int line, const std::string& message) {
    error_ = Tokenizer::Where(line) + message;
    return false;
  }
  std::string Describe() const {
    return token_.kind == TokenKind::End ? "end of file" : "'" + token_.text + "'";
  }
  bool Advance() { return tokens_.Next(token_, error_); }
  bool IsPunct(char c) const { return token_.kind == TokenKind::Punct && token_.text[0] == c; }
  bool IsWord(std::string_view w) const {
    return token_.kind == TokenKind::Identifier && EqualNoCase(token_.text, w);
  }
  bool Expect(char c) {
    if (!IsPunct(c)) return Fail("expected '" + std::string(1, c) + "' but found " + Describe());
    return Advance();
  }
  bool SkipOptional(char c) { return IsPunct(c) ? Advance() : true; }
  bool Name(std::string& out, const char* what) {
    if (token_.kind != TokenKind::Identifier)
      return Fail(std::string("expected ") + what + " but found " + Describe());
    out = token_.text;
    return Advance();
  }

  bool TopLevel() {
    if (IsWord("technique")) return Technique();
    if (IsWord("vertexshader")) return Shader(ShaderStage::Vertex);
    if (IsWord("fragmentshader") || IsWord("pixelshader")) return Shader(ShaderStage::Fragment);
    for (const TypeName& t : kTypes) {
      if (token_.kind == TokenKind::Identifier && token_.text == t.name) return Parameter(t.type);
    }
    return Fail("unknown declaration " + Describe());
  }

  bool Parameter(EffectParamType type) {
    EffectParameter p;
    p.type = type;
    p.line = token_.line;
    if (!Advance() || !Name(p.name, "a parameter name")) return false;
    if (out_.FindParameter(p.name))
      return Fail(p.line, "parameter '" + p.name + "' declared twice");
    if (IsPunct('[')) {
      if (!Advance()) return false;
      std::uint32_t size = 0;
      if (!Integer(size) || size == 0 || size > 1024) {
        return Fail(p.line, "array size of '" + p.name + "' must be 1..1024");
      }
      p.arraySize = size;
      if (!Expect(']')) return false;
    }
    p.initial.type = type;
    std::uint32_t elements = std::max<std::uint32_t>(1, p.arraySize);
    p.initial.floats.assign(EffectFloatCount(type) * elements, 0.0f);
    if (type == EffectParamType::Texture) {
      if (IsPunct('{')) return SamplerBlock(p) && Store(std::move(p));
      return Expect(';') && Store(std::move(p));
    }
    if (IsPunct('=') && !(Advance() && InitialValue(p))) return false;
    return Expect(';') && Store(std::move(p));
  }

  bool Store(EffectParameter p) {
    out_.parameters.push_back(std::move(p));
    return true;
  }

  bool InitialValue(EffectParameter& p) {
    if (p.type == EffectParamType::Bool || p.type == EffectParamType::Int) {
      if (p.type == EffectParamType::Bool && (IsWord("true") || IsWord("false"))) {
        p.initial.intValue = IsWord("true");
        return Advance();
      }
      float f = 0;
      if (!Float(f)) return false;
      if (p.type == EffectParamType::Int && !(f >= -2147483648.0f && f < 2147483648.0f))
        return Fail("int value out of range");
      p.initial.intValue = p.type == EffectParamType::Bool ? f != 0 : std::int32_t(f);
      return true;
    }
    std::vector<float> values;
    if (IsPunct('{')) {
      if (!Advance()) return false;
      while (true) {
        float f = 0;
        if (!Float(f)) return false;
        values.push_back(f);
        if (IsPunct('}')) break;
        if (!Expect(',')) return false;
      }
      if (!Advance()) return false;
    } else {
      float f = 0;
      if (!Float(f)) return false;
      values.push_back(f);
    }
    if (values.size() > p.initial.floats.size()) {
      return Fail(p.line, "too many values for '" + p.name + "'");
    }
    std::copy(values.begin(), values.end(), p.initial.floats.begin());
    return true;
  }

  bool Float(float& out) {
    if (token_.kind != TokenKind::Number) return Fail("expected a number but found " + Describe());
    std::string text = token_.text;
    if (!text.empty() && (text.back() == 'f' || text.back() == 'F')) text.pop_back();
    char* end = nullptr;
    out = std::strtof(text.c_str(), &end);
    if (text.empty() || *end != '\0') return Fail("bad number '" + token_.text + "'");
    return Advance();
  }

  bool Integer(std::uint32_t& out) {
    if (token_.kind != TokenKind::Number) return Fail("expected a number but found " + Describe());
    std::string_view text = token_.text;
    int base = 10;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
      text.remove_prefix(2);
      base = 16;
    }
    auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), out, base);
    if (ec != std::errc() || ptr != text.data() + text.size()) {
      return Fail("bad whole number '" + token_.text + "'");
    }
    return Advance();
  }

  bool StateValue(ValueKind kind, std::uint32_t& out) {
    if (token_.kind == TokenKind::Identifier) {
      if (!NamedValueOf(kind, token_.text, out)) return Fail("unknown value " + Describe());
      return Advance();
    }
    if (kind == ValueKind::Float) {
      float f = 0;
      if (!Float(f)) return false;
      out = FloatBits(f);
      return true;
    }
    return Integer(out);
  }

  bool SamplerBlock(EffectParameter& p) {
    if (!Advance()) return false;
    while (!IsPunct('}')) {
      int line = token_.line;
      std::string name;
      if (!Name(name, "a sampler state")) return false;
      const SamplerStateName* entry = FindEntry(kSamplerStates, name);
      if (!entry) return Fail(line, "unknown sampler state '" + name + "'");
      std::uint32_t value = 0;
      if (!Expect('=') || !StateValue(entry->kind, value) || !Expect(';')) return false;
      p.samplerStates.emplace_back(entry->state, value);
    }
    return Advance() && SkipOptional(';');
  }

  bool Shader(ShaderStage stage) {
    EffectShader s;
    s.stage = stage;
    int line = token_.line;
    if (!Advance() || !Name(s.name, "a shader name")) return false;
    if (out_.FindShader(s.name)) return Fail(line, "shader '" + s.name + "' declared twice");
    if (token_.kind != TokenKind::Raw) return Fail("expected a <<< source block after the name");
    s.source = token_.text;
    s.line = token_.line;
    out_.shaders.push_back(std::move(s));
    return Advance();
  }

  bool Technique() {
    EffectTechnique t;
    int line = token_.line;
    if (!Advance() || !Name(t.name, "a technique name")) return false;
    if (out_.FindTechnique(t.name)) return Fail(line, "technique '" + t.name + "' declared twice");
    if (!Expect('{')) return false;
    while (!IsPunct('}')) {
      if (!IsWord("pass")) return Fail("expected 'pass' but found " + Describe());
      EffectPass pass;
      if (!Pass(pass)) return false;
      t.passes.push_back(std::move(pass));
    }
    if (t.passes.empty()) return Fail(line, "technique '" + t.name + "' has no pass");
    out_.techniques.push_back(std::move(t));
    return Advance() && SkipOptional(';');
  }

  bool Pass(EffectPass& pass) {
    if (!Advance() || !Name(pass.name, "a pass name") || !Expect('{')) return false;
    while (!IsPunct('}')) {
      int line = token_.line;
      std::string name;
      if (!Name(name, "a render state")) return false;
      if (!Expect('=')) return false;
      if (EqualNoCase(name, "VertexShader") || EqualNoCase(name, "FragmentShader") ||
          EqualNoCase(name, "PixelShader")) {
        bool vertex = EqualNoCase(name, "VertexShader");
        std::string shader;
        if (!Name(shader, "a shader name") || !Expect(';')) return false;
        (vertex ? pass.vertexShader : pass.fragmentShader) = shader;
        references_.push_back({shader, vertex ? ShaderStage::Vertex : ShaderStage::Fragment, line});
        continue;
      }
      const RenderStateName* entry = FindEntry(kRenderStates, name);
      if (!entry) return Fail(line, "unknown render state '" + name + "'");
      std::uint32_t value = 0;
      if (!StateValue(entry->kind, value) || !Expect(';')) return false;
      pass.states.push_back({entry->state, value});
    }
    return Advance() && SkipOptional(';');
  }

  bool ResolveShaders() {
    for (const ShaderReference& r : references_) {
      const EffectShader* shader = out_.FindShader(r.name);
      if (!shader) return Fail(r.line, "no shader named '" + r.name + "'");
      if (shader->stage != r.stage)
        return Fail(r.line, "shader '" + r.name + "' is of the other stage");
    }
    return true;
  }

  Tokenizer tokens_;
  EffectDescription& out_;
  std::string& error_;
  Token token_;
  std::vector<ShaderReference> references_;
};

}  // namespace

std::uint32_t EffectFloatCount(EffectParamType type) {
  switch (type) {
    case EffectParamType::Float:
      return 1;
    case EffectParamType::Float2:
      return 2;
    case EffectParamType::Float3:
      return 3;
    case EffectParamType::Float4:
      return 4;
    case EffectParamType::Float4x4:
      return 16;
    default:
      return 0;
  }
}

const char* EffectTypeName(EffectParamType type) {
  for (const TypeName& t : kTypes) {
    if (t.type == type) return t.name;
  }
  return "?";
}

const EffectParameter* EffectDescription::FindParameter(std::string_view name) const {
  for (const EffectParameter& p : parameters) {
    if (p.name == name) return &p;
  }
  return nullptr;
}

const EffectShader* EffectDescription::FindShader(std::string_view name) const {
  for (const EffectShader& s : shaders) {
    if (s.name == name) return &s;
  }
  return nullptr;
}

const EffectTechnique* EffectDescription::FindTechnique(std::string_view name) const {
  for (const EffectTechnique& t : techniques) {
    if (t.name == name) return &t;
  }
  return nullptr;
}

bool ParseEffect(std::string_view text, EffectDescription& out, std::string& error) {
  out = EffectDescription{};
  Parser parser(text, out, error);
  return parser.Run();
}

bool EffectRenderStateByName(std::string_view name, RenderState& out) {
  const RenderStateName* entry = FindEntry(kRenderStates, name);
  if (entry) out = entry->state;
  return entry != nullptr;
}

bool EffectSamplerStateByName(std::string_view name, SamplerState& out) {
  const SamplerStateName* entry = FindEntry(kSamplerStates, name);
  if (entry) out = entry->state;
  return entry != nullptr;
}

}  // namespace plat
