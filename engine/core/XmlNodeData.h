#pragma once
// The shared data behind XmlNode handles; built by the parser.
#include <atomic>
#include <string>
#include <vector>

struct XmlAttribute {
  std::string name;
  std::string value;
  bool hasValue = false;
};

// Content between the opening and closing text of a clear tag (CDATA,
// comments, <PRE>, <Script>, <!DOCTYPE), kept as it is.
struct XmlClear {
  std::string content;
  const char* opening = nullptr;
  const char* closing = nullptr;
};

struct XmlNodeData {
  std::string name;
  bool hasName = false;  // false only for the document root
  bool declaration = false;
  XmlNodeData* parent = nullptr;
  std::vector<XmlNodeData*> children;  // each holds one reference
  std::vector<std::string> texts;
  std::vector<XmlClear> clears;
  std::vector<XmlAttribute> attributes;
  std::atomic<int> references{1};
};

void XmlRetain(XmlNodeData* data);
// At the last reference the node and every child no handle keeps go; a child
// that is still held elsewhere lives on as a tree of its own.
void XmlRelease(XmlNodeData* data);
