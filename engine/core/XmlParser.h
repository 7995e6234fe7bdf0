#pragma once
// The tokenizer and state machine beneath XmlNode::ParseString. All state is
// per parse, so threads may parse different documents at once.
#include <string>

#include "engine/core/XmlEncoding.h"

struct XmlNodeData;

struct XmlParseOutcome {
  int code = 0;
  const char* position = nullptr;  // of the first problem, or where parsing stopped
};

// Parses the NUL-terminated text as the content of root.
XmlParseOutcome XmlParseDocument(const char* text, XmlCharset charset, XmlNodeData* root);

// Replaces the five entities and character references; false (with the
// position of the bad ampersand) for anything else after an ampersand.
bool XmlDecodeEntities(const char* begin, const char* end, XmlCharset charset, std::string& out,
                       const char** badPosition);
