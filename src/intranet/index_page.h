#pragma once

#include <string>

namespace varmio {

class ConfinedRoot;
class IntranetReader;

// How the index pages look (the CONFIG values "HTML_..."); colours are HTML colour texts.
struct IndexPageSettings {
    std::string backColour;
    std::string textColour;
    std::string linkColour;
    std::string dirColour;        // the cell of each project link
    std::string backgroundImage;  // a picture's path with "/" separators; "" for none
    bool showPath = false;        // the tree path as a heading
    std::string extraPath;        // inside every project link tag
    std::string extraDoc;         // inside every document link tag
};

// Copies the background picture beside the page as "$$bgimg." + its extension, or deletes the
// copies when there is none; returns the extension the page names.
std::string placeBackgroundImage(const ConfinedRoot& root, const std::string& folder,
                                 const std::string& image);
std::string placeBackgroundImage(const ConfinedRoot& root, const std::string& folder,
                                 const std::string& image, IntranetReader& reader);

// The bytes of the page of `folder`: the projects of its records, then its documents.
// `treePath` is the folder's path in the tree (node texts joined by "\").
std::string indexPage(const std::string& folder, const std::string& treePath,
                      const IndexPageSettings& settings, const std::string& extension);
std::string indexPage(const std::string& folder, const std::string& treePath,
                      const IndexPageSettings& settings, const std::string& extension,
                      IntranetReader& reader);

// Places the background picture and writes "index.html" in `folder`, the intranet `root` or a
// folder inside it; a page that cannot be written is left out. With a reader, pages written
// one after another share the folder listings and records they read.
void writeIndexPage(const ConfinedRoot& root, const std::string& folder,
                    const std::string& treePath, const IndexPageSettings& settings);
void writeIndexPage(const ConfinedRoot& root, const std::string& folder,
                    const std::string& treePath, const IndexPageSettings& settings,
                    IntranetReader& reader);

}  // namespace varmio
