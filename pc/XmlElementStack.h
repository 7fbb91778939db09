// The robot's XML files read element by element: each element is told when it ends, with
// its own text, its attributes and the elements it lies in, so a reader picks what it
// knows by path. Bounded: text beyond 4096 bytes per element and elements nested deeper
// than 32 are left out, and said to be; what a reader keeps, it bounds itself.
#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <vector>

#include "base/XmlEvents.h"

namespace morvane {

struct XmlElement {
    std::string name;
    std::vector<XmlAttribute> attributes;
    std::string text;  // its own text, without its children's
    bool hasChildren = false;
    bool cut = false;  // its text went on beyond what `text` keeps, with more than blanks
};

class XmlElementStack : public XmlEvents {
public:
    // `path` runs from the root element to the element that ends, which is last.
    virtual void ended(std::span<const XmlElement> path) = 0;

    void startElement(std::string_view name, std::span<const XmlAttribute> attributes) override;
    void text(std::string_view piece) override;
    void endElement(std::string_view name) override;

    // Whether any text was cut or any element left out for the bounds.
    bool leftOut() const { return leftOut_; }

private:
    std::vector<XmlElement> open_;
    std::size_t deeper_ = 0;  // elements open below the deepest kept
    bool leftOut_ = false;
};

// `text` without the blanks, tabs and line breaks around it.
std::string_view trimmedText(std::string_view text);

}  // namespace morvane
