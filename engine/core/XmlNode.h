#pragma once
// Read-only DOM over the game's XML data files. XmlNode is a reference-counted
// handle; the empty handle stands for every missing node, and lookups on it
// return the empty node, null or 0. Names of children and attributes are
// compared without regard to case.
#include "engine/core/XmlEncoding.h"

struct XmlNodeData;

enum XmlErrorCode : int {
  kXmlNoError = 0,
  kXmlUnmatchedEndTagWarning = 1,
  kXmlNoData = 2,
  kXmlFirstTokenNotStartTag = 3,
  kXmlMissingStartTagName = 4,
  kXmlMissingEndTagName = 5,
  kXmlUnmatchedQuote = 6,
  kXmlUnmatchedEndTag = 7,
  kXmlUnmatchedClearTagEnd = 8,
  kXmlUnexpectedToken = 9,
  kXmlInvalidTag = 10,
  kXmlNoElements = 11,
  kXmlFileNotFound = 12,
  kXmlFirstTagNotFound = 13,
  kXmlUnknownCharacterEntity = 14,
  kXmlCharConversionError = 15,
};

struct XmlParseResult {
  int code = 0;  // see XmlErrorText
  int line = 0;  // of the error position, from 1
  int column = 0;
};

// The user-facing text of a parse error code; "Unknown" for other codes.
const char* XmlErrorText(int code);

class XmlNode {
 public:
  XmlNode() = default;
  XmlNode(const XmlNode& other);
  XmlNode& operator=(const XmlNode& other);
  ~XmlNode();

  // Parses the file and returns the node of the tag. Any parse problem,
  // warnings included, shows "XML Parsing error" and ends the process with
  // exit code 255, so callers never see a failed document.
  static XmlNode OpenFileHelper(const char* path, const char* tag);
  // The root (or the node of the tag when one is given), or the empty node
  // with the error in result. The encoding is guessed from the file itself.
  static XmlNode ParseFile(const char* path, const char* tag = nullptr, XmlParseResult* result = nullptr);
  static XmlNode ParseString(const char* text, const char* tag = nullptr, XmlParseResult* result = nullptr,
                             XmlCharset charset = XmlCharset::Utf8);

  // The first child of that name at or after *index; *index becomes one past
  // it. The empty node (index unchanged) when there is none.
  XmlNode GetChildNode(const char* name, int* index = nullptr) const;
  XmlNode GetChildNodeAt(const char* name, int j) const;
  XmlNode GetChildNodeByIndex(int i) const;
  int CountChildNodes(const char* name) const;
  // The value of the first attribute of that name at or after *index;
  // *index becomes one past it. Null when absent or written without a value.
  const char* GetAttribute(const char* name, int* index = nullptr) const;
  const char* GetText(int i = 0) const;
  // Tag name; null for the document root and the empty node.
  const char* GetName() const;
  bool IsEmpty() const { return m_data == nullptr; }

 private:
  explicit XmlNode(XmlNodeData* data);  // adopts one reference

  XmlNodeData* m_data = nullptr;
};
