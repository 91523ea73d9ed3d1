#pragma once

#include <QtGlobal>
#include <functional>
#include <vector>

namespace toolkit {

class Image;

// A family of images under one name, addressed by index. Element 0 comes from the window's
// design; every other element is created as a copy of it and reports clicks with its own index.
class ControlArray
{
public:
    using ClickHandler = std::function<void(qint16 index)>;

    explicit ControlArray(Image *element0);

    // The element with this index, or nullptr when there is none.
    Image *element(int index) const;
    // How many elements exist.
    int count() const;

    // Creates element `index` from element 0: its picture, size and fit, hidden, at element 0's
    // position. Throws std::invalid_argument when the index is taken or outside 1..32767.
    Image *create(int index);

    void setClickHandler(ClickHandler handler);

private:
    void attach(Image *element, qint16 index);

    std::vector<Image *> m_elements;
    ClickHandler m_clickHandler;
};

} // namespace toolkit
