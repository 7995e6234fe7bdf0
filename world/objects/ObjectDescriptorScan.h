#pragma once
// Finds the object-type descriptors below a folder: every file whose name
// ends in exactly "xml" (lower case), in the folder and its sub-folders.
#include <string>
#include <vector>

// Paths are the folder's path followed by "\" and the names; entries come
// in name order, each folder's files and sub-folders mixed as they sort.
// A folder that cannot be read gives nothing.
std::vector<std::string> FindObjectDescriptorFiles(const std::string& folder);
