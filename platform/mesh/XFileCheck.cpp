#include "platform/mesh/XFileCheck.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <vector>

namespace plat {

namespace {

constexpr std::size_t kHeaderSize = 16;
constexpr int kMaxFrameDepth = 64;
// Far more bones than any figure has; the hierarchy's users walk frames one
// by one, so an endless list of siblings is refused here.
constexpr int kMaxFrames = 4096;
constexpr std::size_t kMaxNumberLength = 40;
constexpr std::size_t kMaxIntegerDigits = 18;
constexpr std::uint64_t kMaxInteger = 0x7fffffff;
constexpr std::size_t kMaxGuidLength = 64;
// What the importer keeps per mesh; more sets make it give up anyway.
constexpr int kMaxChannelSets = 8;

enum class Kind {
  kEnd,
  kName,
  kInteger,
  kFloat,
  kString,
  kGuid,
  kOpen,
  kClose,
  kSemicolon,
  kComma,
  kBracket,  // [ ] and ... only mean something inside template bodies
};

struct Token {
  Kind kind = Kind::kEnd;
  std::string_view text;
  std::size_t end = 0;  // offset just past the token
};

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_'; }
bool IsHex(char c) { return IsDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); }
bool EndsWord(char c) {
  return IsSpace(c) || c == '{' || c == '}' || c == ';' || c == ',' || c == '"' || c == '<' ||
         c == '>' || c == '[' || c == ']';
}

bool IsName(std::string_view w) {
  if (w.empty() || !IsLetter(w[0])) return false;
  return std::all_of(w.begin(), w.end(), [](char c) {
    return IsLetter(c) || IsDigit(c) || c == '-' || c == '.' || c == ':';
  });
}

std::size_t SkipDigits(std::string_view w, std::size_t i) {
  while (i < w.size() && IsDigit(w[i])) ++i;
  return i;
}

// -?digits(.digits*)?([eE][+-]?digits)? ; integers are the part before '.'.
Kind NumberKind(std::string_view w) {
  if (w.size() > kMaxNumberLength) return Kind::kEnd;
  std::size_t i = (!w.empty() && w[0] == '-') ? 1 : 0;
  const std::size_t digitsEnd = SkipDigits(w, i);
  if (digitsEnd == i || digitsEnd - i > kMaxIntegerDigits) return Kind::kEnd;
  if (digitsEnd == w.size()) return Kind::kInteger;
  i = digitsEnd;
  if (w[i] == '.') i = SkipDigits(w, i + 1);
  if (i < w.size() && (w[i] == 'e' || w[i] == 'E')) {
    std::size_t e = i + 1;
    if (e < w.size() && (w[e] == '+' || w[e] == '-')) ++e;
    i = SkipDigits(w, e);
    if (i == e) return Kind::kEnd;
  }
  return i == w.size() ? Kind::kFloat : Kind::kEnd;
}

// The importer keeps every number as a float.
bool FitsAFloat(std::string_view w) {
  const std::string copy(w);
  return std::fabs(std::strtod(copy.c_str(), nullptr)) <= std::numeric_limits<float>::max();
}

// What the checker learnt about the mesh whose children it is reading.
struct MeshShape {
  std::uint32_t vertices = 0;
  std::vector<std::uint32_t> faceSizes;
  int texCoordSets = 0;
  int colorSets = 0;
  // The importer appends a second list to the first and then miscounts
  // faces, so each of these may appear once.
  bool hasNormals = false;
  bool hasMaterialList = false;
};

class Checker {
 public:
  explicit Checker(std::string_view text) : text_(text) {}

  bool Run(std::string* error, XFileShape* shape) {
    if (Header() && ControlCharacters()) File();
    if (error) *error = error_;
    if (shape && error_.empty()) {
      shape_.meshMaterialCounts.insert(shape_.meshMaterialCounts.end(), topMeshMaterials_.begin(),
                                       topMeshMaterials_.end());
      *shape = std::move(shape_);
    }
    return error_.empty();
  }

 private:
  // ---- reporting

  bool Fail(const std::string& what) { return FailAt(what, pos_); }

  bool FailAt(const std::string& what, std::size_t offset) {
    if (!error_.empty()) return false;
    const auto line = 1 + std::count(text_.begin(), text_.begin() + std::min(offset, text_.size()), '\n');
    error_ = "broken .X file, line " + std::to_string(line) + ": " + what;
    return false;
  }

  // ---- header and bytes

  bool Header() {
    if (text_.size() < kHeaderSize || text_.substr(0, 4) != "xof ") {
      return Fail("not a .X file (no \"xof \" header)");
    }
    const std::string_view format = text_.substr(8, 4);
    if (format == "bin " || format == "tzip" || format == "bzip") {
      return Fail("only text .X files are read (\"txt \" format); this one is \"" +
                  std::string(format) + "\" - the park's models are written as text");
    }
    if (format != "txt ") return Fail("unknown .X format \"" + std::string(format) + "\"");
    const std::string_view version = text_.substr(4, 4);
    if (!std::all_of(version.begin(), version.end(), IsDigit)) return Fail("bad version in header");
    const std::string_view floatSize = text_.substr(12, 4);
    if (floatSize != "0032" && floatSize != "0064") return Fail("bad float size in header");
    // The importer ignores the rest of the header line; nothing may hide there.
    pos_ = kHeaderSize;
    while (pos_ < text_.size() && text_[pos_] != '\n') {
      if (!IsSpace(text_[pos_])) return Fail("text after the header");
      ++pos_;
    }
    return true;
  }

  bool ControlCharacters() {
    for (std::size_t i = 0; i < text_.size(); ++i) {
      const auto c = static_cast<unsigned char>(text_[i]);
      if ((c < 0x20 && !IsSpace(char(c))) || c == 0x7f) {
        return FailAt("control character " + std::to_string(c) + " in the text", i);
      }
    }
    return true;
  }

  // ---- tokens

  void SkipSpaceAndComments() {
    while (pos_ < text_.size()) {
      const char c = text_[pos_];
      if (IsSpace(c)) {
        ++pos_;
      } else if (c == '#' || (c == '/' && pos_ + 1 < text_.size() && text_[pos_ + 1] == '/')) {
        while (pos_ < text_.size() && text_[pos_] != '\n' && text_[pos_] != '\r') ++pos_;
      } else {
        return;
      }
    }
  }

  Token Make(Kind kind, std::size_t start) {
    return {kind, text_.substr(start, pos_ - start), pos_};
  }

  Token LexString(std::size_t start) {
    ++pos_;
    while (pos_ < text_.size() && text_[pos_] != '"') {
      // The importer splits unknown objects at spaces without knowing about
      // strings; braces or comment marks inside one would mean different
      // things to it and to us.
      const char c = text_[pos_];
      if (c == '{' || c == '}' || c == '#' || c == '\n' ||
          (c == '/' && pos_ + 1 < text_.size() && text_[pos_ + 1] == '/')) {
        FailAt("unusable character in a string", pos_);
        return {};
      }
      ++pos_;
    }
    if (pos_ >= text_.size()) {
      FailAt("unterminated string", start);
      return {};
    }
    ++pos_;
    return Make(Kind::kString, start);
  }

  Token LexGuid(std::size_t start) {
    ++pos_;
    while (pos_ < text_.size() && (IsHex(text_[pos_]) || text_[pos_] == '-')) ++pos_;
    if (pos_ >= text_.size() || text_[pos_] != '>' || pos_ - start > kMaxGuidLength) {
      FailAt("broken GUID", start);
      return {};
    }
    ++pos_;
    return Make(Kind::kGuid, start);
  }

  Token LexWord(std::size_t start) {
    while (pos_ < text_.size() && !EndsWord(text_[pos_])) ++pos_;
    const std::string_view word = text_.substr(start, pos_ - start);
    if (word.empty()) {
      FailAt(std::string("unexpected '") + text_[start] + "'", start);
      return {};
    }
    if (IsName(word)) return Make(Kind::kName, start);
    if (word == "...") return Make(Kind::kBracket, start);
    const Kind number = NumberKind(word);
    if (number == Kind::kEnd) {
      FailAt("unexpected text \"" + std::string(word.substr(0, 32)) + "\"", start);
      return {};
    }
    if (!FitsAFloat(word)) {
      FailAt("number out of range", start);
      return {};
    }
    return Make(number, start);
  }

  Token Lex() {
    SkipSpaceAndComments();
    const std::size_t start = pos_;
    if (pos_ >= text_.size()) return {Kind::kEnd, {}, pos_};
    switch (text_[pos_]) {
      case '{': ++pos_; return Make(Kind::kOpen, start);
      case '}': ++pos_; return Make(Kind::kClose, start);
      case ';': ++pos_; return Make(Kind::kSemicolon, start);
      case ',': ++pos_; return Make(Kind::kComma, start);
      case '[':
      case ']': ++pos_; return Make(Kind::kBracket, start);
      case '"': return LexString(start);
      case '<': return LexGuid(start);
      default: return LexWord(start);
    }
  }

  const Token& Peek() {
    if (!peeked_) {
      // After a lexing error the stream just ends; the first error stays.
      next_ = error_.empty() ? Lex() : Token{};
      peeked_ = true;
    }
    return next_;
  }

  Token Take() {
    Peek();
    peeked_ = false;
    return next_;
  }

  bool Expect(Kind kind, const char* what) {
    if (Peek().kind != kind) return Unexpected(what);
    Take();
    return true;
  }

  bool Unexpected(const char* wanted) {
    const Token& t = Peek();
    const std::string found = t.kind == Kind::kEnd ? "the end of the file"
                                                   : "\"" + std::string(t.text.substr(0, 32)) + "\"";
    return FailAt(std::string("expected ") + wanted + ", found " + found, t.end - t.text.size());
  }

  bool IsSeparator(Kind k) { return k == Kind::kSemicolon || k == Kind::kComma; }

  // Every number is followed by a ';' or ','.
  bool Separator() {
    if (!IsSeparator(Peek().kind)) return Unexpected("';' or ','");
    Take();
    return true;
  }

  void OptionalSeparator() {
    if (IsSeparator(Peek().kind)) Take();
  }

  bool Int(std::uint32_t& value, const char* what) {
    if (Peek().kind != Kind::kInteger) return Unexpected(what);
    const Token t = Take();
    if (t.text[0] == '-') return FailAt(std::string(what) + " is negative", t.end - t.text.size());
    const std::uint64_t v = std::strtoull(std::string(t.text).c_str(), nullptr, 10);
    if (v > kMaxInteger) return FailAt(std::string(what) + " is too large", t.end - t.text.size());
    value = std::uint32_t(v);
    return Separator();
  }

  bool Index(std::uint32_t limit, const char* what) {
    std::uint32_t value = 0;
    if (!Int(value, what)) return false;
    if (value >= limit) {
      return Fail(std::string(what) + " " + std::to_string(value) + " is out of range (" +
                  std::to_string(limit) + " entries)");
    }
    return true;
  }

  bool Floats(std::uint32_t count) {
    for (std::uint32_t i = 0; i < count; ++i) {
      const Kind k = Peek().kind;
      if (k != Kind::kFloat && k != Kind::kInteger) return Unexpected("a number");
      const Token t = Take();
      // The importer reads "1,5" as one number with a decimal comma, which
      // shifts every later entry; a whole number right before ',' and a digit
      // is ambiguous and refused.
      if (k == Kind::kInteger && t.end + 1 < text_.size() && text_[t.end] == ',' &&
          IsDigit(text_[t.end + 1])) {
        return Fail("\"" + std::string(t.text) + "," + text_[t.end + 1] +
                    "\" is ambiguous (decimal comma); write decimals with '.'");
      }
      if (!Separator()) return false;
    }
    return true;
  }

  // A vector or colour: its numbers, then an optional separator.
  bool Tuple(std::uint32_t count) {
    if (!Floats(count)) return false;
    OptionalSeparator();
    return true;
  }

  bool Tuples(std::uint32_t count, std::uint32_t size) {
    for (std::uint32_t i = 0; i < count; ++i) {
      if (!Tuple(size)) return false;
    }
    return true;
  }

  // ---- objects

  // An optional name, then the opening brace.
  bool Head() {
    if (Peek().kind == Kind::kName) Take();
    return Expect(Kind::kOpen, "'{'");
  }

  bool Close() { return Expect(Kind::kClose, "'}'"); }

  // The name of a child object, or false at the parent's closing brace.
  bool NextChild(std::string_view& name, bool& ok) {
    const Token t = Take();
    if (t.kind == Kind::kClose) return false;
    if (t.kind == Kind::kName) {
      name = t.text;
      return true;
    }
    ok = false;
    if (t.kind == Kind::kEnd) {
      if (error_.empty()) FailAt("unexpected end of the file inside an object", t.end);
    } else {
      FailAt("expected an object or '}', found \"" + std::string(t.text.substr(0, 32)) + "\"",
             t.end - t.text.size());
    }
    return false;
  }

  bool Unknown() {
    const std::size_t start = pos_;
    if (!Head()) return false;
    for (int depth = 1; depth > 0;) {
      const Kind k = Take().kind;
      if (k == Kind::kEnd) return FailAt("unbalanced braces in an object", start);
      if (k == Kind::kOpen) ++depth;
      if (k == Kind::kClose) --depth;
    }
    return true;
  }

  bool Template() {
    if (!Head() || !Expect(Kind::kGuid, "a GUID")) return false;
    for (;;) {
      const Kind k = Take().kind;
      if (k == Kind::kClose) return true;
      if (k == Kind::kEnd || k == Kind::kOpen) return Fail("broken template declaration");
    }
  }

  bool Reference() {
    return Expect(Kind::kName, "a name") && Close();
  }

  bool Matrix() { return Floats(16); }

  bool FrameTransformMatrix() {
    if (!Head() || !Matrix()) return false;
    if (Peek().kind == Kind::kSemicolon) Take();
    return Close();
  }

  // Appends the material-list lengths of the frame's meshes, then those of
  // the frames below it, to meshMaterials.
  bool Frame(int depth, std::vector<int>& meshMaterials) {
    if (depth > kMaxFrameDepth) return Fail("frames nested too deeply");
    if (++frames_ > kMaxFrames) return Fail("more than " + std::to_string(kMaxFrames) + " frames");
    if (!Head()) return false;
    std::vector<int> below;
    std::string_view name;
    bool ok = true;
    while (ok && NextChild(name, ok)) {
      if (name == "Frame") {
        ok = Frame(depth + 1, below);
      } else if (name == "FrameTransformMatrix") {
        ok = FrameTransformMatrix();
      } else if (name == "Mesh") {
        ok = Mesh();
        meshMaterials.push_back(lastMeshMaterials_);
      } else {
        ok = Unknown();
      }
    }
    meshMaterials.insert(meshMaterials.end(), below.begin(), below.end());
    return ok;
  }

  bool Faces(MeshShape& mesh) {
    std::uint32_t faces = 0;
    if (!Int(faces, "face count")) return false;
    for (std::uint32_t f = 0; f < faces; ++f) {
      std::uint32_t corners = 0;
      if (!Int(corners, "face index count")) return false;
      if (corners < 3) return Fail("a face has fewer than three corners");
      for (std::uint32_t k = 0; k < corners; ++k) {
        if (!Index(mesh.vertices, "vertex index")) return false;
      }
      OptionalSeparator();
      mesh.faceSizes.push_back(corners);
    }
    return true;
  }

  bool Mesh() {
    lastMeshMaterials_ = 0;
    MeshShape mesh;
    if (!Head() || !Int(mesh.vertices, "vertex count") || !Tuples(mesh.vertices, 3) ||
        !Faces(mesh)) {
      return false;
    }
    std::string_view name;
    bool ok = true;
    while (ok && NextChild(name, ok)) {
      if (name == "MeshNormals") {
        ok = Once(mesh.hasNormals, "normals") && MeshNormals(mesh);
      } else if (name == "MeshTextureCoords") {
        ok = MeshTextureCoords(mesh);
      } else if (name == "MeshVertexColors") {
        ok = MeshVertexColors(mesh);
      } else if (name == "MeshMaterialList") {
        ok = Once(mesh.hasMaterialList, "material list") && MeshMaterialList(mesh);
      } else if (name == "XSkinMeshHeader") {
        std::uint32_t ignored = 0;
        ok = Head() && Int(ignored, "a number") && Int(ignored, "a number") &&
             Int(ignored, "a number") && Close();
      } else if (name == "SkinWeights") {
        ok = SkinWeights(mesh);
      } else {
        ok = Unknown();
      }
    }
    return ok;
  }

  bool Once(bool& seen, const char* what) {
    if (seen) return Fail(std::string("a mesh with a second ") + what);
    seen = true;
    return true;
  }

  bool MeshNormals(const MeshShape& mesh) {
    std::uint32_t normals = 0;
    std::uint32_t faces = 0;
    if (!Head() || !Int(normals, "normal count") || !Tuples(normals, 3) ||
        !Int(faces, "normal face count")) {
      return false;
    }
    if (faces != mesh.faceSizes.size()) return Fail("normal faces do not match the mesh faces");
    for (std::uint32_t f = 0; f < faces; ++f) {
      std::uint32_t corners = 0;
      if (!Int(corners, "normal index count")) return false;
      if (corners != mesh.faceSizes[f]) return Fail("a normal face has another corner count");
      for (std::uint32_t k = 0; k < corners; ++k) {
        if (!Index(normals, "normal index")) return false;
      }
      OptionalSeparator();
    }
    return Close();
  }

  bool VertexCount(const MeshShape& mesh, const char* what) {
    std::uint32_t count = 0;
    if (!Int(count, what)) return false;
    if (count != mesh.vertices) {
      return Fail(std::string(what) + " " + std::to_string(count) + " differs from the " +
                  std::to_string(mesh.vertices) + " vertices");
    }
    return true;
  }

  bool MeshTextureCoords(MeshShape& mesh) {
    if (!Head()) return false;
    if (++mesh.texCoordSets > kMaxChannelSets) return Fail("too many texture coordinate sets");
    return VertexCount(mesh, "texture coordinate count") && Tuples(mesh.vertices, 2) && Close();
  }

  bool MeshVertexColors(MeshShape& mesh) {
    if (!Head()) return false;
    if (++mesh.colorSets > kMaxChannelSets) return Fail("too many vertex colour sets");
    if (!VertexCount(mesh, "vertex colour count")) return false;
    for (std::uint32_t i = 0; i < mesh.vertices; ++i) {
      if (!Index(mesh.vertices, "vertex colour index") || !Tuple(4)) return false;
      OptionalSeparator();
    }
    return Close();
  }

  bool MeshMaterialList(const MeshShape& mesh) {
    std::uint32_t materials = 0;
    std::uint32_t indices = 0;
    if (!Head() || !Int(materials, "material count") || !Int(indices, "material index count")) {
      return false;
    }
    if (indices != mesh.faceSizes.size() && indices != 1) {
      return Fail("material index count does not match the face count");
    }
    lastMeshMaterials_ = int(materials);
    for (std::uint32_t i = 0; i < indices; ++i) {
      if (!Index(materials, "material index")) return false;
    }
    std::uint32_t found = 0;
    for (;;) {
      const Token t = Take();
      bool ok = true;
      if (t.kind == Kind::kClose) break;
      if (t.kind == Kind::kSemicolon) continue;
      if (t.kind == Kind::kOpen) {
        ok = Reference();
        ++found;
      } else if (t.kind == Kind::kName && t.text == "Material") {
        ok = Material();
        ++found;
      } else if (t.kind == Kind::kName) {
        ok = Unknown();
      } else {
        ok = FailAt("expected a material or '}'", t.end - t.text.size());
      }
      if (!ok) return false;
    }
    if (found != materials) {
      return Fail("material list names " + std::to_string(materials) + " materials but holds " +
                  std::to_string(found));
    }
    return true;
  }

  bool Material() {
    if (!Head() || !Tuple(4) || !Floats(1) || !Tuple(3) || !Tuple(3)) return false;
    std::string_view name;
    bool ok = true;
    while (ok && NextChild(name, ok)) {
      if (name == "TextureFilename" || name == "TextureFileName" || name == "NormalmapFilename" ||
          name == "NormalmapFileName") {
        ok = Head() && String() && Close();
      } else {
        ok = Unknown();
      }
    }
    return ok;
  }

  // A string is closed by a quote and a semicolon right after it.
  bool String() {
    if (Peek().kind != Kind::kString) return Unexpected("a string");
    const Token t = Take();
    if (t.end >= text_.size() || text_[t.end] != ';') return Fail("a string must end in \";");
    return Expect(Kind::kSemicolon, "';'");
  }

  bool SkinWeights(const MeshShape& mesh) {
    std::uint32_t weights = 0;
    if (!Head() || !String() || !Int(weights, "weight count")) return false;
    for (std::uint32_t i = 0; i < weights; ++i) {
      if (!Index(mesh.vertices, "weighted vertex index")) return false;
    }
    return Floats(weights) && Matrix() &&
           Expect(Kind::kSemicolon, "';'") && Close();
  }

  bool AnimTicksPerSecond() {
    std::uint32_t ticks = 0;
    return Head() && Int(ticks, "tick rate") && Close();
  }

  bool AnimationSet() {
    XFileShape::AnimationSetShape set;
    if (Peek().kind == Kind::kName) set.name = std::string(Peek().text);
    if (!Head()) return false;
    std::string_view name;
    bool ok = true;
    while (ok && NextChild(name, ok)) {
      if (name == "Animation") {
        set.hasAnimations = true;
        ok = Animation();
      } else {
        ok = Unknown();
      }
    }
    shape_.animationSets.push_back(std::move(set));
    return ok;
  }

  bool Animation() {
    if (!Head()) return false;
    for (;;) {
      const Token t = Take();
      bool ok = true;
      if (t.kind == Kind::kClose) return true;
      if (t.kind == Kind::kOpen) {
        ok = Reference();
      } else if (t.kind == Kind::kName && t.text == "AnimationKey") {
        ok = AnimationKey();
      } else if (t.kind == Kind::kName) {
        ok = Unknown();
      } else {
        ok = FailAt("expected an animation key or '}'", t.end - t.text.size());
      }
      if (!ok) return false;
    }
  }

  bool Key(std::uint32_t type) {
    static constexpr std::uint32_t kValues[] = {4, 3, 3, 16, 16};
    std::uint32_t time = 0;
    std::uint32_t values = 0;
    if (!Int(time, "key time") || !Int(values, "key value count")) return false;
    if (values != kValues[type]) return Fail("key value count does not fit the key type");
    switch (type) {
      case 0:
        if (!Floats(4) || !Expect(Kind::kSemicolon, "';'")) return false;
        break;
      case 1:
      case 2:
        if (!Tuple(3)) return false;
        break;
      default:
        if (!Matrix() || !Expect(Kind::kSemicolon, "';'")) return false;
        break;
    }
    return Separator();
  }

  bool AnimationKey() {
    std::uint32_t type = 0;
    std::uint32_t keys = 0;
    if (!Head() || !Int(type, "key type")) return false;
    if (type > 4) return Fail("unknown key type " + std::to_string(type));
    if (!Int(keys, "key count")) return false;
    for (std::uint32_t k = 0; k < keys; ++k) {
      if (!Key(type)) return false;
    }
    return Close();
  }

  void File() {
    for (;;) {
      const Token t = Take();
      if (t.kind == Kind::kEnd) return;
      if (t.kind != Kind::kName) {
        FailAt("expected an object, found \"" + std::string(t.text.substr(0, 32)) + "\"",
               t.end - t.text.size());
        return;
      }
      bool ok = true;
      if (t.text == "template") {
        ok = Template();
      } else if (t.text == "Frame") {
        ++shape_.topLevelFrames;
        ok = Frame(0, shape_.meshMaterialCounts);
      } else if (t.text == "Mesh") {
        ++shape_.topLevelMeshes;
        ok = Mesh();
        topMeshMaterials_.push_back(lastMeshMaterials_);
      } else if (t.text == "AnimTicksPerSecond") {
        ok = AnimTicksPerSecond();
      } else if (t.text == "AnimationSet") {
        ok = AnimationSet();
      } else if (t.text == "Material") {
        ++shape_.topLevelMaterials;
        ok = Material();
      } else {
        ok = Unknown();
      }
      if (!ok) return;
    }
  }

  std::string_view text_;
  std::size_t pos_ = 0;
  Token next_;
  bool peeked_ = false;
  int frames_ = 0;
  int lastMeshMaterials_ = 0;
  std::vector<int> topMeshMaterials_;
  XFileShape shape_;
  std::string error_;
};

}  // namespace

bool CheckXFile(std::string_view bytes, std::string* error, XFileShape* shape) {
  return Checker(bytes).Run(error, shape);
}

}  // namespace plat
