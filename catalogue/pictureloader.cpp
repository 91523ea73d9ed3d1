#include "catalogue/pictureloader.h"

namespace catalogue {

PictureLoadError::PictureLoadError(const QString &file, const QString &cause)
    : std::runtime_error(QStringLiteral("The picture \"%1\" cannot be loaded: %2.")
                             .arg(file, cause)
                             .toStdString()),
      m_file(file), m_cause(cause)
{}

} // namespace catalogue
