#pragma once
// A temporary working directory holding a GUI description and defines file
// written by the test, entered for the fixture's life, and helpers that
// write the description's XML.
#include <filesystem>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

namespace guitest {

// n empty property values with some of them set: {{index, value}, ...}.
std::vector<std::string> Props(size_t n, std::initializer_list<std::pair<size_t, std::string>> set);

// One "GuiElement" with its "DataField" and, when children is not empty,
// a "ChildElement" holding it.
std::string Element(const std::string& id, const std::string& parent, const std::string& type,
                    const std::vector<std::string>& props, const std::string& children = "");
// The whole description around the top-level elements.
std::string Description(const std::string& elements);

class LoaderDir {
 public:
  LoaderDir();
  ~LoaderDir();
  LoaderDir(const LoaderDir&) = delete;
  LoaderDir& operator=(const LoaderDir&) = delete;

  void WriteDescription(const std::string& xml);
  void WriteDefines(const std::string& text);
  void RemoveDefines();
  // Writes an image of that size below the directory ("images/a.png").
  void WriteImage(const std::string& relative, int width, int height);
  const std::filesystem::path& Path() const { return m_dir; }

 private:
  std::filesystem::path m_dir;
  std::filesystem::path m_previous;
};

}  // namespace guitest
