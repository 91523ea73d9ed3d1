#include "catalogue/pictureloader.h"

#include <QCoreApplication>

namespace catalogue {

PictureLoadError::PictureLoadError(const QString &file, const QString &cause)
    //: %1 is the picture file's full path; %2 says why, as a clause of its own ("the file is
    //: missing").
    : std::runtime_error(
          QCoreApplication::translate("PictureLoad", "The picture \"%1\" cannot be loaded: %2.")
              .arg(file, cause)
              .toStdString()),
      m_file(file), m_cause(cause)
{}

} // namespace catalogue
