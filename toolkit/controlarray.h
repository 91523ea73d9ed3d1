#pragma once

#include <QObject>
#include <vector>

class QPixmap;

namespace toolkit {

class Image;
class ImageHost;

// A family of images under one name, addressed by index. Element 0 comes from the window's
// design; every other element is created as a copy of it. Each element knows its array and index,
// so a click on any element reaches the array's clicked() with that index, and nothing else.
class ControlArray : public QObject
{
    Q_OBJECT

public:
    // An array whose element 0 shows `picture` on `host`, stretching it or not.
    ControlArray(bool stretches, const QPixmap &picture, ImageHost *host, QObject *parent);

    // The element with this index, or nullptr when there is none.
    Image *element(int index) const;
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
