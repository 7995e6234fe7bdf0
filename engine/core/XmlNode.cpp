#include "engine/core/XmlNode.h"

#include <strings.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "engine/core/EngineString.h"
#include "engine/core/XmlNodeData.h"
#include "engine/core/XmlParser.h"
#include "platform/os/MessageBox.h"
#include "platform/os/Path.h"

namespace {

constexpr const char* kErrorTexts[] = {
    "No error",
    "Warning: Unmatched end tag",
    "Error: No XML data",
    "Error: First token not start tag",
    "Error: Missing start tag name",
    "Error: Missing end tag name",
    "Error: Unmatched quote",
    "Error: Unmatched end tag",
    "Error: Unmatched clear tag end",
    "Error: Unexpected token found",
    "Error: Invalid tag found",
    "Error: No elements found",
    "Error: File not found",
    "Error: First Tag not found",
    "Error: Unknown character entity",
    "Error: unable to convert between UNICODE and MultiByte chars",
    "Error: unable to open file for writing",
    "Error: cannot write into file",
    "Warning: Base64-string length is not a multiple of 4",
    "Error: Base64-string contains an illegal character",
    "Warning: Base64-string is truncated",
    "Error: Base64 decode output buffer is too small",
};

bool NameEquals(const XmlNodeData* node, const char* name) {
  return node->hasName && strcasecmp(node->name.c_str(), name) == 0;
}

bool IsWithout(const char* tag) { return !tag || !*tag; }

// Line and column (from 1) of position, counting a multibyte character once.
void CountPosition(const char* text, const char* position, XmlCharset charset, XmlParseResult& result) {
  result.line = 1;
  result.column = 1;
  const char* p = text;
  while (p < position) {
    const std::size_t n = XmlCharLength(p, charset);
    if (n == 0) break;
    if (*p == '\n') {
      ++result.line;
      result.column = 1;
    } else {
      ++result.column;
    }
    p += n;
  }
}

// The node of the tag: the result itself, or the first child of that name,
// entering declarations on the way (the document's elements are children of
// a leading declaration).
XmlNodeData* FindTag(XmlNodeData* node, const char* tag) {
  if (NameEquals(node, tag)) return node;
  for (std::size_t i = 0; i < node->children.size();) {
    XmlNodeData* child = node->children[i];
    if (NameEquals(child, tag)) return child;
    if (child->declaration) {
      node = child;
      i = 0;
    } else {
      ++i;
    }
  }
  return nullptr;
}

bool HasOnlyOneChild(const XmlNodeData* node) {
  return node->children.size() == 1 && node->texts.empty() && node->clears.empty() && node->attributes.empty();
}

}  // namespace

const char* XmlErrorText(int code) {
  constexpr int kCount = static_cast<int>(sizeof kErrorTexts / sizeof kErrorTexts[0]);
  return code >= 0 && code < kCount ? kErrorTexts[code] : "Unknown";
}

void XmlRetain(XmlNodeData* data) {
  if (data) data->references.fetch_add(1, std::memory_order_relaxed);
}

void XmlRelease(XmlNodeData* data) {
  // A worklist rather than recursion: deep documents must not exhaust the stack.
  std::vector<XmlNodeData*> doomed;
  if (data && data->references.fetch_sub(1, std::memory_order_acq_rel) == 1) doomed.push_back(data);
  while (!doomed.empty()) {
    XmlNodeData* node = doomed.back();
    doomed.pop_back();
    for (XmlNodeData* child : node->children) {
      child->parent = nullptr;
      if (child->references.fetch_sub(1, std::memory_order_acq_rel) == 1) doomed.push_back(child);
    }
    delete node;
  }
}

XmlNode::XmlNode(XmlNodeData* data) : m_data(data) {}

XmlNode::XmlNode(const XmlNode& other) : m_data(other.m_data) { XmlRetain(m_data); }

XmlNode& XmlNode::operator=(const XmlNode& other) {
  XmlRetain(other.m_data);
  XmlRelease(m_data);
  m_data = other.m_data;
  return *this;
}

XmlNode::~XmlNode() { XmlRelease(m_data); }

XmlNode XmlNode::OpenFileHelper(const char* path, const char* tag) {
  XmlParseResult result;
  XmlNode node = ParseFile(path, tag, &result);
  if (result.code == kXmlNoError) return node;
  const bool tagMissing = result.code == kXmlFirstTagNotFound;
  EngineString message;
  message.Format("XML Parsing error inside file '%s'.\n%s\nAt line %i, column %i.\n%s%s%s", path ? path : "",
                 XmlErrorText(result.code), result.line, result.column, tagMissing ? "First Tag should be '" : "",
                 tagMissing && tag ? tag : "", tagMissing ? "'.\n" : "");
  plat::MessageBox(message.CStr(), "XML Parsing error", plat::kMbTopmost | plat::kMbIconError);
  std::exit(255);
}

XmlNode XmlNode::ParseFile(const char* path, const char* tag, XmlParseResult* result) {
  XmlParseResult local;
  XmlParseResult& out = result ? *result : local;
  std::string bytes;
  if (!path || !plat::ReadWholeFile(path, bytes)) {
    out = XmlParseResult{kXmlFileNotFound, 0, 0};
    return XmlNode();
  }
  if (bytes.empty()) {
    out = XmlParseResult{kXmlNoData, 0, 0};
    return XmlNode();
  }
  constexpr std::size_t kGuessSample = 200;
  const bool utf8 = XmlGuessEncoding(bytes.data(), bytes.size() < kGuessSample ? bytes.size() : kGuessSample, true);
  const std::string text = XmlDecodeFileText(bytes);
  return ParseString(text.c_str(), tag, &out, utf8 ? XmlCharset::Utf8 : XmlCharset::SingleByte);
}

XmlNode XmlNode::ParseString(const char* text, const char* tag, XmlParseResult* result, XmlCharset charset) {
  XmlParseResult local;
  XmlParseResult& out = result ? *result : local;
  out = XmlParseResult{};
  if (!text) {
    out.code = kXmlNoElements;
    return XmlNode();
  }
  XmlNode root(new XmlNodeData);
  const XmlParseOutcome outcome = XmlParseDocument(text, charset, root.m_data);
  out.code = outcome.code;
  const char* position = outcome.position;
  XmlNode found;
  if (out.code == kXmlNoError || out.code == kXmlUnmatchedEndTagWarning) {
    found = HasOnlyOneChild(root.m_data) ? root.GetChildNodeByIndex(0) : root;
    if (!IsWithout(tag)) {
      XmlNodeData* node = FindTag(found.m_data, tag);
      XmlRetain(node);
      found = XmlNode(node);
      if (!node) out.code = kXmlFirstTagNotFound;
    }
  }
  if (out.code != kXmlNoError) CountPosition(text, position, charset, out);
  return found;
}

XmlNode XmlNode::GetChildNode(const char* name, int* index) const {
  if (!m_data || !name) return XmlNode();
  const int count = static_cast<int>(m_data->children.size());
  for (int i = index && *index > 0 ? *index : 0; i < count; ++i) {
    if (NameEquals(m_data->children[i], name)) {
      if (index) *index = i + 1;
      return GetChildNodeByIndex(i);
    }
  }
  return XmlNode();
}

XmlNode XmlNode::GetChildNodeAt(const char* name, int j) const {
  if (j < 0) return XmlNode();
  int index = 0;
  XmlNode child;
  for (int k = 0; k <= j; ++k) {
    child = GetChildNode(name, &index);
    if (child.IsEmpty()) break;
  }
  return child;
}

XmlNode XmlNode::GetChildNodeByIndex(int i) const {
  if (!m_data || i < 0 || i >= static_cast<int>(m_data->children.size())) return XmlNode();
  XmlNodeData* child = m_data->children[i];
  XmlRetain(child);
  return XmlNode(child);
}

int XmlNode::CountChildNodes(const char* name) const {
  if (!m_data || !name) return 0;
  int count = 0;
  for (const XmlNodeData* child : m_data->children) count += NameEquals(child, name) ? 1 : 0;
  return count;
}

const char* XmlNode::GetAttribute(const char* name, int* index) const {
  if (!m_data || !name) return nullptr;
  const int count = static_cast<int>(m_data->attributes.size());
  for (int i = index && *index > 0 ? *index : 0; i < count; ++i) {
    const XmlAttribute& attribute = m_data->attributes[i];
    if (strcasecmp(attribute.name.c_str(), name) == 0) {
      if (index) *index = i + 1;
      return attribute.hasValue ? attribute.value.c_str() : nullptr;
    }
  }
  return nullptr;
}

const char* XmlNode::GetText(int i) const {
  if (!m_data || i < 0 || i >= static_cast<int>(m_data->texts.size())) return nullptr;
  return m_data->texts[i].c_str();
}

const char* XmlNode::GetName() const { return m_data && m_data->hasName ? m_data->name.c_str() : nullptr; }
