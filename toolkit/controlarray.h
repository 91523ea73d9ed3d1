#pragma once

#include <QObject>
#include <vector>

namespace toolkit {

class Image;

// A family of images under one name, addressed by index. Element 0 comes from the window's
// design; every other element is created as a copy of it. A click on any element is signalled
// with that element's index.
class ControlArray : public QObject
{
    Q_OBJECT

public:
    ControlArray(Image *element0, QObject *parent);

    // The element with this index, or nullptr when there is none.
    Image *element(int index) const;
    // The index of `element` in this array, or -1 when it is none of its elements.
    int indexOf(const Image *element) const;
    // How many elements exist.
    int count() const;

    // Creates element `index` from element 0: its picture (and picture file), size and stretching,
    // hidden, at element 0's position. Throws std::invalid_argument when the index is taken or
    // outside 1..32767.
    Image *create(int index);

signals:
    void clicked(qint16 index);

private:
    std::vector<Image *> m_elements;
};

} // namespace toolkit
