#include "toolkit/controlarray.h"

#include "toolkit/image.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace toolkit {

ControlArray::ControlArray(bool stretches, const QPixmap &picture, ImageHost *host, QObject *parent)
    : QObject(parent)
{
    m_elements.push_back(new Image(stretches, picture, host, this, 0, {}));
}

Image *ControlArray::element(int index) const
{
    if (index < 0 || index >= static_cast<int>(m_elements.size()))
        return nullptr;
    return m_elements[static_cast<std::size_t>(index)];
}

int ControlArray::count() const
{
    return static_cast<int>(
        std::count_if(m_elements.begin(), m_elements.end(), [](Image *e) { return e; }));
}

Image *ControlArray::create(int index)
{
    if (index < 1 || index > 32767 || element(index))
        throw std::invalid_argument("control array element " + std::to_string(index) +
                                    " cannot be created");
    const Image *first = m_elements.front();
    auto *image = new Image(first->stretches(), first->Picture(), first->host(), this,
                            static_cast<qint16>(index), first->pictureFile());
    image->setVisible(false);
    image->setLeft(first->Left());
    image->setTop(first->Top());
    image->setSize(first->size());
    if (static_cast<std::size_t>(index) >= m_elements.size())
        m_elements.resize(static_cast<std::size_t>(index) + 1, nullptr);
    m_elements[static_cast<std::size_t>(index)] = image;
    return image;
}

} // namespace toolkit
